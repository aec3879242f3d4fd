#include <gtest/gtest.h>

#include "editors/channel/FrequencyCodec.h"

using namespace tsw;

namespace {

std::string fakeText(StringId id) {
    return "#" + std::to_string(id);
}

} // namespace

TEST(FrequencyCodec, FormatsNibblesDigitByDigit) {
    struct Case {
        FrequencyBytes bytes;
        std::string text;
    };
    const Case cases[] = {
        {{0x25, 0x06, 0x60, 0x44}, "446.00625"}, {{0x75, 0x93, 0x60, 0x44}, "446.09375"},
        {{0x00, 0x00, 0x00, 0x01}, "010.00000"}, // leading zeros stay
        {{0x00, 0x00, 0x00, 0xFF}, "FF0.00000"}, // not BCD: shown, never read past
        {{0xFF, 0xFF, 0xFF, 0xFF}, ""},          // no frequency
        {{0x00, 0x00, 0x00, 0x00}, ""},          // no frequency either
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatFrequency(c.bytes), c.text) << c.text;
}

TEST(FrequencyCodec, ParsesToBcdAndStepIndex) {
    struct Case {
        const char* text;
        bool narrow;
        FrequencyBytes bytes;
        int step;
    };
    const Case cases[] = {
        {"446.00625", false, {0x25, 0x06, 0x60, 0x44}, kStep6250Hz},
        {"446.00625", true, {0x25, 0x06, 0x60, 0x44}, kStep6250Hz},
        {"446.005", false, {0x00, 0x05, 0x60, 0x44}, kStep5000Hz},
        {"446.005", true, {0x00, 0x05, 0x60, 0x44}, kStep5000Hz},
        {"446.0025", false, {0x50, 0x02, 0x60, 0x44}, kStep2500Hz},
        {"446.0025", true, {0x00, 0x00, 0x60, 0x44}, kStep6250Hz}, // truncated to 446.000
        {"446.001", false, {0x00, 0x00, 0x60, 0x44}, kStep5000Hz}, // truncated down
        {"446.001", true, {0x00, 0x00, 0x60, 0x44}, kStep6250Hz},
        {"446.0049", false, {0x00, 0x00, 0x60, 0x44}, kStep5000Hz}, // never rounded up
        {"446.09375", false, {0x75, 0x93, 0x60, 0x44}, kStep6250Hz},
        {"446", false, {0x00, 0x00, 0x60, 0x44}, kStep6250Hz},
        {"  446.01875xyz", false, {0x75, 0x18, 0x60, 0x44}, kStep6250Hz},
        {"446.0062504", false, {0x25, 0x06, 0x60, 0x44}, kStep6250Hz}, // rounded to the Hz
        {"446.0062495", false, {0x25, 0x06, 0x60, 0x44}, kStep6250Hz}, // rounded up to the Hz
        {"100", false, {0x00, 0x00, 0x00, 0x10}, kStep6250Hz},         // lowest
        {"999.99375", false, {0x75, 0x93, 0x99, 0x99}, kStep6250Hz},   // highest range
        {"123.4567", false, {0x00, 0x55, 0x34, 0x12}, kStep5000Hz},    // truncated to 123.4550
    };
    for (const auto& c : cases) {
        FrequencyBytes out{0xAA, 0xAA, 0xAA, 0xAA};
        EXPECT_EQ(parseFrequency(c.text, out, c.narrow), c.step) << c.text << " " << c.narrow;
        EXPECT_EQ(out, c.bytes) << c.text << " " << c.narrow;
    }
}

TEST(FrequencyCodec, RefusesWhatNineCharactersCannotHold) {
    // Empty and zero mean no frequency; outside 100..999.99999 MHz the stored digits would be
    // a different frequency, so nothing is stored.
    for (const char* text : {"", "0", "0.000", "abc", "-446.00625", "99.99999", "9.5", "1000",
                             "1234.5", "999.9999995", "99999999999999999999999"}) {
        FrequencyBytes out{0xAA, 0xBB, 0xCC, 0xDD};
        EXPECT_EQ(parseFrequency(text, out, false), -1) << text;
        EXPECT_EQ(out, (FrequencyBytes{0xAA, 0xBB, 0xCC, 0xDD})) << text;
    }
}

TEST(FrequencyCodec, ParsedFrequencyFormatsBack) {
    for (const auto fixed : kFixedFrequencies) {
        FrequencyBytes out{};
        ASSERT_EQ(parseFrequency(fixed, out, true), kStep6250Hz);
        EXPECT_EQ(formatFrequency(out), fixed);
    }
}

TEST(FrequencyCodec, NumberedTexts) {
    struct Case {
        std::string text;
        std::string numbered;
    };
    const Case cases[] = {
        {"446.00625", "(1)     446.00625"}, {"446.09375", "(8)     446.09375"},
        {"446.05625", "(5)     446.05625"}, {"", "(0)     #1001039"},
        {"446.00000", "446.00000"},         {"446.0062", "446.0062"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numberedFrequencyText(c.text, &fakeText), c.numbered) << c.text;
    EXPECT_EQ(numberedFixedFrequency(0, &fakeText), "(0)     #1001039");
    EXPECT_EQ(numberedFixedFrequency(3, &fakeText), "(3)     446.03125");
}
