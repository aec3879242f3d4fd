#include "tests/link/LinkFixture.h"

#include "app/ImageLayout.h"
#include "link/ProgramConnection.h"

using namespace tsw;
using namespace tsw::test;

namespace {

std::vector<std::uint32_t> writeBauds(const FakeSerialDevice& device) {
    std::vector<std::uint32_t> out;
    for (const auto& e : device.events)
        if (e.kind == WireEvent::Kind::Write)
            out.push_back(e.settings.baud);
    return out;
}

} // namespace

struct ProgramConnectionTest : LinkFixture {
    ProgramConnection program{link};
};

TEST_F(ProgramConnectionTest, BaudSearchFindsTheRadioOnlyWithTheRepliesOfItsRate) {
    using S = FakeRadio::HandshakeStyle;
    struct Case {
        std::uint32_t baud;
        S style;
        bool found;
        const char* settings;
        std::uint32_t timeout;
        std::vector<std::uint32_t> tried;
    };
    const Case cases[] = {
        {9600, S::Ack, true, "9600,N,8,2", 550, {9600}},
        {9600, S::ByteThenAck, true, "9600,N,8,2", 550, {9600}},
        {19200, S::SynThenAck, true, "19200,N,8,2", 550, {9600, 19200}},
        {4800, S::SynThenAck, true, "4800,N,8,2", 1100, {9600, 19200, 4800}},
        {2400, S::SynThenAck, true, "2400,N,8,2", 2200, {9600, 19200, 4800, 2400}},
        {1200, S::SynThenAck, true, "1200,N,8,2", 4400, {9600, 19200, 4800, 2400, 1200}},
        // An ACK alone is enough only at the first rate; the remembered time-out comes back.
        {4800, S::Ack, false, "1200,N,8,2", 1000, {9600, 19200, 4800, 2400, 1200}},
        {9600, S::SynThenAck, true, "9600,N,8,2", 550, {9600}}, // any byte, then ACK
        {19200, S::Ack, false, "1200,N,8,2", 1000, {9600, 19200, 4800, 2400, 1200}},
    };
    for (const auto& c : cases) {
        LinkRig r;
        r.radio.baud = c.baud;
        r.radio.style = c.style;
        ASSERT_TRUE(r.link.open());
        EXPECT_EQ(ProgramConnection(r.link).enterProgramMode(), c.found) << c.baud;
        EXPECT_EQ(r.link.lineSettings(), c.settings) << c.baud;
        EXPECT_EQ(r.link.readTimeoutConstant(), c.timeout) << c.baud;
        EXPECT_EQ(writeBauds(r.device), c.tried) << c.baud;
        for (const auto& w : r.writes())
            EXPECT_EQ(w, bytesOf("PROGRAM"));
    }
}

TEST_F(ProgramConnectionTest, BaudSearchWaitsFiveHundredThenOneHundredMilliseconds) {
    radio.baud = 300; // never found
    ASSERT_TRUE(link.open());
    const auto start = clock.now();
    EXPECT_FALSE(program.enterProgramMode());
    EXPECT_EQ(clock.now() - start, 500u + 4 * 100u);
}

TEST_F(ProgramConnectionTest, BaudSearchKeepsTheTailOfTheLineSettings) {
    link.setLineSettings("9600, E, 7, 1");
    EXPECT_EQ(link.lineSettings(), "9600,E,7,1");
    radio.baud = 2400;
    radio.style = FakeRadio::HandshakeStyle::SynThenAck;
    ASSERT_TRUE(link.open());
    EXPECT_TRUE(program.enterProgramMode());
    EXPECT_EQ(link.lineSettings(), "2400,E,7,1");
    EXPECT_EQ(device.settings.parity, Parity::Even);
    EXPECT_EQ(device.settings.dataBits, 7);
}

TEST_F(ProgramConnectionTest, AFailedSendEndsTheSearchAtOnce) {
    ASSERT_TRUE(link.open());
    device.failWrite = true;
    link.setReadTimeout(777);
    EXPECT_FALSE(program.enterProgramMode());
    EXPECT_EQ(link.readTimeoutConstant(), 777u);
    EXPECT_EQ(link.lineSettings(), "9600,N,8,2");
    EXPECT_EQ(clock.now(), 0u);
}

TEST_F(ProgramConnectionTest, IdentityIsAskedAfterFiftyMillisecondsAndAcknowledged) {
    ASSERT_TRUE(link.open());
    ASSERT_TRUE(program.enterProgramMode());
    const auto before = clock.now();
    const std::size_t firstNew = device.writes().size();
    std::array<std::uint8_t, 8> id{};
    EXPECT_TRUE(program.readIdentity(id));
    EXPECT_EQ(std::vector<std::uint8_t>(id.begin(), id.end()), radio.identity);
    const auto w = device.writes();
    ASSERT_EQ(w.size(), firstNew + 2);
    EXPECT_EQ(w[firstNew], Bytes{0x02});
    EXPECT_EQ(w[firstNew + 1], Bytes{0x06});
    for (const auto& e : device.events) {
        if (e.kind == WireEvent::Kind::Write && e.bytes == Bytes{0x02}) {
            EXPECT_GE(e.time, before + 50);
        }
    }
}

TEST_F(ProgramConnectionTest, IdentityFailsWhenShortOrNotAcknowledged) {
    struct Case {
        const char* what;
        std::function<void(const Bytes&, Bytes&, int)> filter;
    };
    const Case cases[] = {
        {"seven bytes",
         [](const Bytes& c, Bytes& r, int) {
             if (c == Bytes{0x02})
                 r.pop_back();
         }},
        {"NAK to our ACK",
         [](const Bytes& c, Bytes& r, int) {
             if (c == Bytes{0x06})
                 r = {0x15};
         }},
        {"no ACK to our ACK",
         [](const Bytes& c, Bytes& r, int) {
             if (c == Bytes{0x06})
                 r.clear();
         }},
    };
    for (const auto& c : cases) {
        LinkRig r;
        r.radio.filter = c.filter;
        ASSERT_TRUE(r.link.open());
        ProgramConnection program(r.link);
        ASSERT_TRUE(program.enterProgramMode());
        std::array<std::uint8_t, 8> id{};
        EXPECT_FALSE(program.readIdentity(id)) << c.what;
    }
}

TEST_F(ProgramConnectionTest, CheckModelOutcomes) {
    using A = PromptAnswer;
    struct Case {
        const char* code;
        bool writing;
        const char* imageCode;
        std::vector<A> answers;
        ModelCheck result;
        std::vector<StringId> asked;
        bool ended; // 0x45 sent and port closed
    };
    const Case cases[] = {
        {"H5520", false, "H5520", {}, ModelCheck::Accepted, {}, false},
        {"LZ709", false, "H5520", {}, ModelCheck::Accepted, {}, false},
        {"H5520", true, "H5520", {}, ModelCheck::Accepted, {}, false},
        {"h5520",
         false,
         "H5520",
         {A::Retry},
         ModelCheck::ReadIdentityAgain,
         {StrId::UnsupportedRadioModel},
         false},
        {"X5520",
         false,
         "H5520",
         {A::Cancel},
         ModelCheck::Abandoned,
         {StrId::UnsupportedRadioModel},
         true},
        {"X5520",
         true,
         "X5520",
         {A::Cancel},
         ModelCheck::Abandoned,
         {StrId::UnsupportedRadioModel},
         true},
        {"H5520",
         true,
         "LZ709",
         {A::Ok},
         ModelCheck::Accepted,
         {StrId::ModelMismatchQuestion},
         false},
        {"H5520",
         true,
         "LZ709",
         {A::Cancel},
         ModelCheck::Abandoned,
         {StrId::ModelMismatchQuestion},
         true},
        {"LZ709",
         true,
         "H5520",
         {A::Cancel},
         ModelCheck::Abandoned,
         {StrId::ModelMismatchQuestion},
         true},
    };
    for (const auto& c : cases) {
        LinkRig r;
        r.radio.baud = 300; // silent: the fake radio takes no part here
        r.prompt.answers.assign(c.answers.begin(), c.answers.end());
        ASSERT_TRUE(r.link.open());
        r.g.flags.writingToRadio = c.writing;
        r.g.flags.readingFromRadio = !c.writing;
        r.g.flags.retrying = true;
        for (std::size_t i = 0; i < 5; ++i)
            r.g.image.setByte(layout::kModelCode + i, static_cast<std::uint8_t>(c.imageCode[i]));
        r.g.image.setByte(layout::kBandCode, 0x11); // takes no part in the comparison
        std::array<std::uint8_t, 8> id{};
        std::copy_n(c.code, 5, id.begin());
        id[5] = 0x92;
        EXPECT_EQ(ProgramConnection(r.link).checkModel(id), c.result) << c.code << c.writing;
        EXPECT_EQ(r.prompt.askedIds(), c.asked) << c.code;
        EXPECT_EQ(r.link.radioModelCode, c.code);
        EXPECT_EQ(r.link.radioTypeByte, 0x92u);
        EXPECT_EQ(!r.link.isOpen(), c.ended) << c.code;
        EXPECT_EQ(r.writes() == std::vector<Bytes>{{0x45}}, c.ended) << c.code;
        if (c.ended) {
            EXPECT_FALSE(r.g.flags.readingFromRadio);
            EXPECT_FALSE(r.g.flags.writingToRadio);
        }
        if (c.ended && c.writing && c.asked[0] == StrId::ModelMismatchQuestion) {
            EXPECT_FALSE(r.g.flags.retrying);
        }
    }
}

TEST_F(ProgramConnectionTest, PromptsCarryTheirCaptionsIconsAndButtons) {
    struct Case {
        StringId text;
        StringId caption;
        PromptIcon icon;
        PromptButtons buttons;
        PromptAnswer def;
    };
    const Case expected[] = {
        {StrId::UnsupportedRadioModel, StrId::ErrorCaption, PromptIcon::Stop,
         PromptButtons::RetryCancel, PromptAnswer::Retry},
        {StrId::ModelMismatchQuestion, StrId::ConfirmCaption, PromptIcon::Exclamation,
         PromptButtons::OkCancel, PromptAnswer::Cancel},
        {StrId::RadioLinkFailed, StrId::ErrorCaption, PromptIcon::Stop, PromptButtons::RetryCancel,
         PromptAnswer::Retry},
        {StrId::PortOpenFailed, StrId::ErrorCaption, PromptIcon::Stop, PromptButtons::Ok,
         PromptAnswer::Ok},
    };
    prompt.answers = {PromptAnswer::Retry, PromptAnswer::Ok, PromptAnswer::Cancel,
                      PromptAnswer::Ok};
    ASSERT_TRUE(link.open());
    std::array<std::uint8_t, 8> id{'X', '5', '5', '2', '0', 0, 0, 0};
    program.checkModel(id);
    g.flags.writingToRadio = true;
    g.image.setByte(layout::kModelCode, 'Q');
    id[0] = 'H';
    program.checkModel(id);
    link.askRetry();
    link.setOpen(false);
    device.failOpen = true;
    link.openPortForConnection();
    ASSERT_EQ(prompt.asked.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        const Prompt& p = prompt.asked[i];
        EXPECT_EQ(p.textId, expected[i].text);
        EXPECT_EQ(p.captionId, expected[i].caption);
        EXPECT_EQ(p.caption, idText(expected[i].caption));
        EXPECT_EQ(p.icon, expected[i].icon);
        EXPECT_EQ(p.buttons, expected[i].buttons);
        EXPECT_EQ(p.defaultAnswer, expected[i].def);
        EXPECT_EQ(p.text.rfind(idText(expected[i].text), 0), 0u);
    }
}

TEST_F(ProgramConnectionTest, APortThatCannotBeOpenedSaysWhyAndIsClosedAgain) {
    device.failOpen = true;
    device.openError = OpenError::PermissionDenied;
    prompt.answers = {PromptAnswer::Ok};
    EXPECT_FALSE(link.openPortForConnection());
    EXPECT_TRUE(g.flags.portOpenFailed);
    EXPECT_FALSE(link.isOpen());
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text, "<3380007>\n\n/dev/fake1: Permission denied");
    EXPECT_EQ(link.lastOpenError(), OpenError::PermissionDenied);

    device.failOpen = false;
    EXPECT_TRUE(link.openPortForConnection());
    EXPECT_FALSE(g.flags.portOpenFailed);
    EXPECT_TRUE(link.openPortForConnection()); // already open: nothing more happens
    EXPECT_EQ(device.openCount, 2);
}

TEST_F(ProgramConnectionTest, LeavingProgramModeWantsAnAcknowledgement) {
    ASSERT_TRUE(link.open());
    ASSERT_TRUE(program.enterProgramMode());
    EXPECT_TRUE(program.leaveProgramMode());
    EXPECT_EQ(device.writes().back(), Bytes{0x45});
    EXPECT_EQ(radio.mode, FakeRadio::Mode::Idle);
    EXPECT_FALSE(program.leaveProgramMode()); // an idle radio does not answer
}
