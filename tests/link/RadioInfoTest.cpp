#include "tests/link/LinkFixture.h"

#include "link/RadioInfo.h"

using namespace tsw;
using namespace tsw::test;

struct RadioInfoTest : LinkFixture {
    RadioInfoTest() {
        link.setDevicePath("/dev/fake");
        const std::string text = "ABCDEFGHIJKLWXYZ";
        const std::string serial = "SN-0012/3456";
        radio.infoData.assign(text.begin(), text.end());
        radio.infoData.insert(radio.infoData.end(), serial.begin(), serial.end());
        radio.infoData.insert(radio.infoData.end(), {1, 2, 3, 4});
        radio.version = {'V', '1', '.', '0', '2', 'a', 'b', 0xFF, 0, 0};
    }
};

TEST_F(RadioInfoTest, ReadsIdentityBlockAndVersionInOneConnection) {
    ASSERT_TRUE(runRadioInformation(link));
    const std::vector<Bytes> expected{
        bytesOf("PROGRAM"), {0x02}, {0x06}, bytesOf("NRK"), {0x06}, {'P'}, {0x06}, {0x45}};
    EXPECT_EQ(writes(), expected);
    EXPECT_EQ(link.radioModelCode, "H5520");
    EXPECT_EQ(link.radioTypeByte, 0x92u);
    EXPECT_EQ(std::string(link.radioInfoText.begin(), link.radioInfoText.end()),
              "ABCDEFGHIJKLWXYZ");
    EXPECT_EQ(std::string(link.radioInfoSerial.begin(), link.radioInfoSerial.end()),
              "SN-0012/3456");
    EXPECT_EQ(versionText(link.radioVersion), "V1.02a");
    EXPECT_FALSE(link.isOpen());
    EXPECT_EQ(serialNumberText(link.radioInfoText, link.radioInfoSerial),
              "ABCDEFGHIJKL WXYZ SN-0012 3456");
}

TEST_F(RadioInfoTest, ABadBlockIsAFailedReading) {
    struct Case {
        const char* what;
        std::function<void(Bytes&)> change;
    };
    const Case cases[] = {
        {"checksum", [](Bytes& r) { r[33] ^= 0x01; }},
        {"first byte", [](Bytes& r) { r[0] = 'M'; }},
        {"short", [](Bytes& r) { r.pop_back(); }},
    };
    for (const auto& c : cases) {
        LinkRig r;
        r.radio.infoData.assign(32, 'A');
        int bad = 0;
        r.radio.filter = [&](const Bytes& cmd, Bytes& reply, int) {
            if (cmd == bytesOf("NRK") && bad++ == 0)
                c.change(reply);
        };
        r.prompt.answers = {PromptAnswer::Retry};
        r.link.setDevicePath("/dev/fake");
        EXPECT_TRUE(runRadioInformation(r.link)) << c.what; // the retry reads it again
        EXPECT_EQ(r.prompt.askedIds(), std::vector<StringId>{StrId::RadioLinkFailed}) << c.what;
        EXPECT_EQ(r.link.radioInfoText[0], 'A');
    }
}

TEST_F(RadioInfoTest, CancelEndsTheConnectionWithoutTheDialog) {
    radio.filter = [](const Bytes& cmd, Bytes& r, int) {
        if (cmd == Bytes{'P'})
            r.clear();
    };
    prompt.answers = {PromptAnswer::Cancel};
    EXPECT_FALSE(runRadioInformation(link));
    EXPECT_EQ(writes().back(), Bytes{0x45});
    EXPECT_FALSE(link.isOpen());
}

TEST_F(RadioInfoTest, FailedIdentityRetriesTheHandshake) {
    int dropped = 0;
    radio.filter = [&](const Bytes& cmd, Bytes& r, int) {
        if (cmd == Bytes{0x02} && dropped++ == 0)
            r.clear();
    };
    prompt.answers = {PromptAnswer::Retry};
    EXPECT_TRUE(runRadioInformation(link));
    const auto w = writes();
    EXPECT_EQ(std::count(w.begin(), w.end(), bytesOf("PROGRAM")), 2);
}

TEST_F(RadioInfoTest, UnknownModelAbandonsAtOnce) {
    radio.identity[0] = 'Z';
    prompt.answers = {PromptAnswer::Cancel};
    EXPECT_FALSE(runRadioInformation(link));
    const auto w = writes();
    EXPECT_EQ(w.back(), Bytes{0x45});
    EXPECT_EQ(std::count(w.begin(), w.end(), Bytes{0x45}), 1);
}

TEST(RadioInfoTexts, ModelFrequencySerialAndVersion) {
    EXPECT_EQ(modelTypeText("H5520"), "HX-5520");
    EXPECT_EQ(modelTypeText("LZ709"), "HX-LZ709");
    EXPECT_EQ(modelTypeText("HH5H2"), "HX-52");
    EXPECT_EQ(frequencyText(0x92, idText), "<3018001> : <3420140> <3005057>");
    EXPECT_EQ(frequencyText(0x93, idText), " ");

    struct Case {
        std::string text;   // 16 bytes, '~' = 0xFF
        std::string serial; // 12 bytes, '~' = 0xFF
        const char* shown;
        const char* storedSerial;
    };
    const Case cases[] = {
        {"~~~~~~~~~~~~~~~~", "AB12-CD34EF5", "AB12-CD34EF5", "AB12-CD34EF5"},
        {"~~~~~~~~~~~~~~~~", "/B12-CD34EF5", " B12-CD34EF5", " B12-CD34EF5"},
        {"ABC~DEFGHIJKLMNO", "~~~~~~~~~~~1", "ABC LMNO 1", "~~~~~~~~~~~1"},
        {"~~~~~~~~~~~~XY~Z", "12 3~~~~~~~~", "XY 12 3", "12 3~~~~~~~~"},
        {"~~~~~~~~~~~~~~~~", "~~~~~~~~~~~~", "", "~~~~~~~~~~~~"},
        {"~~~~~~~~~~~~~~~~", "a\x01z.9~~~~~~~", "a z 9", "a z 9~~~~~~~"},
    };
    const auto bytes = [](const std::string& s) {
        std::vector<std::uint8_t> out;
        for (char c : s)
            out.push_back(c == '~' ? 0xFF : static_cast<std::uint8_t>(c));
        return out;
    };
    for (const auto& c : cases) {
        const auto text = bytes(c.text);
        auto serial = bytes(c.serial);
        ASSERT_EQ(text.size(), 16u);
        ASSERT_EQ(serial.size(), 12u);
        EXPECT_EQ(serialNumberText(std::span<const std::uint8_t, 16>(text.data(), 16),
                                   std::span<std::uint8_t, 12>(serial.data(), 12)),
                  c.shown);
        EXPECT_EQ(serial, bytes(c.storedSerial)) << c.shown;
    }
    const std::array<std::uint8_t, 10> version{'1', '.', '2', 0xFF, 'x', 0, 0, 0, 0, 0};
    EXPECT_EQ(versionText(version), "1.2");
}
