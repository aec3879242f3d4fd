// Check Configuration against crafted images: a clean default image has nothing to say, and
// each crafted fault is found exactly once, by its rule, at its field, in the editors' words.

#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "app/ImageLayout.h"
#include "app/LanguageLoader.h"
#include "editors/channel/ChannelFields.h"
#include "editors/channel/FrequencyCodec.h"
#include "editors/channel/ToneCodec.h"
#include "fields/ConfigurationCheck.h"
#include "tests/support/TestSupport.h"

using namespace tsw;
using namespace tsw::fields;

namespace {

class ConfigurationCheckTest : public ::testing::Test {
protected:
    ConfigurationCheckTest() {
        table.setDirectory(TSW_BIN_DIR);
        EXPECT_EQ(loadLanguage(table, 2), LanguageTable::Loaded);
    }
    TextLookup lookup() const {
        return [this](StringId id) { return table.text(id); };
    }
    std::vector<Finding> check(const RadioImage& image) const {
        return checkConfiguration(image, lookup());
    }

    LanguageTable table;
};

void setFrequency(RadioImage& image, std::size_t at, const char* mhz) {
    FrequencyBytes bytes{};
    ASSERT_GE(parseFrequency(mhz, bytes, false), 0) << mhz;
    writeFrequencyBytes(image, at, bytes);
}

std::size_t rx(int channel) {
    return layout::channelField(channel - 1, layout::kChRxFreq);
}
std::size_t tx(int channel) {
    return layout::channelField(channel - 1, layout::kChTxFreq);
}
std::size_t at(int channel, std::size_t field) {
    return layout::channelField(channel - 1, field);
}

void setText(RadioImage& image, std::size_t offset, std::size_t length, std::string_view text) {
    for (std::size_t i = 0; i < length; ++i)
        image.setByte(offset + i, i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0xFF);
}

std::string describe(const std::vector<Finding>& findings) {
    std::string text;
    for (const Finding& f : findings)
        text += std::string(checkRule(f.rule).key) + " at " + f.name + ": " + f.message + "\n";
    return text;
}

} // namespace

TEST_F(ConfigurationCheckTest, TheDefaultImageHasNothingToSay) {
    const auto findings = check(test::defaultRadioImage());
    EXPECT_TRUE(findings.empty()) << describe(findings);
}

// One crafted fault per row: the rule that must find it and the fields it is reported at.
struct CraftedFault {
    const char* what;
    std::function<void(RadioImage&)> craft;
    RuleId rule;
    std::vector<std::string> fields;
    std::string detail = {}; // a text the message must contain
};

TEST_F(ConfigurationCheckTest, EachCraftedFaultIsFoundOnceByItsRuleAtItsField) {
    const std::vector<CraftedFault> faults = {
        {"a receive frequency with a hex nibble",
         [](RadioImage& i) { i.setByte(rx(3), 0x2A); },
         RuleId::FrequencyDigits,
         {"Channel 3 / RX Frequency [MHz]"},
         "2A 31 60 44"},
        {"a test frequency with a hex nibble",
         [](RadioImage& i) {
             i.setByte(layout::testFrequencyOffset(11) + 4, 0x00);
             i.setByte(layout::testFrequencyOffset(11) + 7, 0x4C);
         },
         RuleId::FrequencyDigits,
         {"Test Frequency 12 / TX"}},
        {"a used channel whose receive frequency is 00 00 00 00",
         [](RadioImage& i) {
             for (std::size_t k = 0; k < 4; ++k)
                 i.setByte(rx(5) + k, 0x00);
         },
         RuleId::ReceiveMissing,
         {"Channel 5 / RX Frequency [MHz]"},
         "00 00 00 00"},
        {"a frequency on no channel step",
         [](RadioImage& i) {
             i.setByte(rx(2), 0x01); // 446.00001 MHz, both sides
             i.setByte(rx(2) + 1, 0x00);
             i.setByte(tx(2), 0x01);
             i.setByte(tx(2) + 1, 0x00);
         },
         RuleId::FrequencyStep,
         {"Channel 2 / RX Frequency [MHz]", "Channel 2 / TX Frequency [MHz]"},
         "446.00001"},
        {"a decode tone that is a DQT code outside the list",
         [](RadioImage& i) {
             i.setWord(at(4, layout::kChDecodeTone), makeDqtWord(024, false));
             i.setByte(at(4, layout::kChTableIndex), 0);
         },
         RuleId::ToneWord,
         {"Channel 4 / QT/DQT Decode"},
         "2814"},
        {"a table entry below 67.0 Hz",
         [](RadioImage& i) { i.setWord(layout::qtDqtEntryOffset(20), 256); },
         RuleId::ToneWord,
         {"QT/DQT Table 20"},
         "0100"},
        {"a table number above 38",
         [](RadioImage& i) { i.setByte(at(6, layout::kChTableIndex), 39); },
         RuleId::TableNumber,
         {"Channel 6 / QT/DQT Table"},
         "39"},
        {"a list code without entry",
         [](RadioImage& i) { i.setByte(layout::kFeatMicSensitivity, 2); },
         RuleId::ListCode,
         {"Optional Features / Mic Sensitivity"},
         "02"},
        {"a key function code without entry",
         [](RadioImage& i) { i.setByte(layout::kKeyPf2, 12); },
         RuleId::ListCode,
         {"Key Assignment / PF2 Key"},
         "0C"},
        {"a revert channel the priority's list lacks",
         [](RadioImage& i) { i.setByte(layout::kScanRevertChannel, 3); },
         RuleId::ListCode,
         {"Scan Information / Revert Channel"}},
        {"a time-out timer above 600 s",
         [](RadioImage& i) { i.setByte(layout::kFeatTimeOutTimer, 41); },
         RuleId::OutOfRange,
         {"Optional Features / Time Out Timer (TOT) [s]"},
         "29"},
        {"a DTMF speed code the editor shows as another",
         [](RadioImage& i) { i.setByte(layout::kDtmfSpeed, 4); },
         RuleId::OutOfRange,
         {"DTMF / DTMF Speed [digit/s]"},
         "shows 6"},
        {"a first digit delay off the 50 ms steps",
         [](RadioImage& i) { i.setByte(layout::kDtmfFirstDigitDelay, 16); },
         RuleId::OutOfRange,
         {"DTMF / First Digit Delay [ms]"}},
        {"a check box holding 2",
         [](RadioImage& i) { i.setByte(layout::kFeatBeep, 2); },
         RuleId::OutOfRange,
         {"Optional Features / Beep"}},
        {"a modulation delay above 6000 ms",
         [](RadioImage& i) { i.setWord(layout::kCrewModulationDelay, 6001); },
         RuleId::OutOfRange,
         {"CrewLink / Data TX Modulation Delay Time [ms]"},
         "71 17"},
        {"a look-back time the scan editor cannot show",
         [](RadioImage& i) {
             i.setByte(layout::kScanPriority, 1);
             i.setByte(layout::kPriorityChannel, 1);
             i.setByte(layout::kScanLookBackA, 0);
         },
         RuleId::OutOfRange,
         {"Scan Information / Look Back Time A [s]"},
         "(empty)"},
        {"a fleet of the fleet/ID table above 349",
         [](RadioImage& i) { i.setByte(layout::crewEntryOffset(2), 251); },
         RuleId::OutOfRange,
         {"CrewLink / Fleet/ID Table 2 / Fleet"}},
        {"a message line whose bytes after the text are not 0xFF",
         [](RadioImage& i) {
             setText(i, layout::kMessageLine1, layout::kMessageLineLength, "HELLO");
             i.setByte(layout::kMessageLine1 + 5, 0x00);
         },
         RuleId::OutOfRange,
         {"Embedded Message 1"}},
        {"a DTMF ID with a letter",
         [](RadioImage& i) { setText(i, layout::kDtmfIdCode, 10, "1A3"); },
         RuleId::Characters,
         {"DTMF / ID Code"},
         "\"1A3\""},
        {"a message line with a control character",
         [](RadioImage& i) {
             setText(i, layout::kMessageLine2, 32,
                     "AB\x01"
                     "CD");
         },
         RuleId::Characters,
         {"Embedded Message 2"},
         "\\x01"},
        {"a DTMF ID of two digits",
         [](RadioImage& i) { setText(i, layout::kDtmfIdCode, 10, "12"); },
         RuleId::ShortCode,
         {"DTMF / ID Code"},
         "\"12\""},
        {"a stun code of one character",
         [](RadioImage& i) { setText(i, layout::kDtmfStunCode, 10, "A"); },
         RuleId::ShortCode,
         {"DTMF / Stun Code"}},
        {"a priority channel that is not programmed",
         [](RadioImage& i) {
             i.setByte(layout::kScanPriority, 1);
             i.setByte(layout::kPriorityChannel, 5);
             for (std::size_t k = 0; k < layout::kChannelSize; ++k)
                 i.setByte(at(5, k), 0xFF);
         },
         RuleId::PriorityNotProgrammed,
         {"Scan Information / Priority Channel"},
         "channel 5"},
        {"priority scanning without a priority channel",
         [](RadioImage& i) { i.setByte(layout::kScanPriority, 1); },
         RuleId::NeededForWrite,
         {"Scan Information / Priority Channel"}},
        {"PTT ID type 1 without an own fleet",
         [](RadioImage& i) { i.setByte(layout::kFeatPttIdType, 1); },
         RuleId::NeededForWrite,
         {"CrewLink / Fleet (Own)"}},
        {"a PTT ID channel without the begin code",
         [](RadioImage& i) {
             i.setBits(at(1, layout::kChSteps), layout::kChFurtherMask14, 3);
             i.setByte(layout::kPttIdBeginCode, 0xFF);
         },
         RuleId::NeededForWrite,
         {"Optional Features / Begin of TX"}},
        {"a channel above the band",
         [](RadioImage& i) {
             setFrequency(i, rx(7), "446.25");
             setFrequency(i, tx(7), "446.25");
         },
         RuleId::OutOfBand,
         {"Channel 7 / RX Frequency [MHz]", "Channel 7 / TX Frequency [MHz]"},
         "446.25000 MHz lies outside the band of the radio (446.00000 to 446.20000 MHz)"},
        {"a receive-only channel",
         [](RadioImage& i) {
             for (std::size_t k = 0; k < 4; ++k)
                 i.setByte(tx(8) + k, 0xFF);
         },
         RuleId::NoTransmit,
         {"Channel 8 / TX Frequency [MHz]"}},
        {"a channel transmitting elsewhere",
         [](RadioImage& i) { setFrequency(i, tx(9), "446.01875"); },
         RuleId::SplitFrequency,
         {"Channel 9 / TX Frequency [MHz]"},
         "446.01875 MHz but receives on 446.00625 MHz"},
        {"a channel whose table entry holds another tone",
         [](RadioImage& i) { i.setWord(at(11, layout::kChDecodeTone), 0x03B4); },
         RuleId::TableToneDiffers,
         {"Channel 11 / QT/DQT Table"},
         "entry 16 (114.8), but its own tones differ (decode 94.8, encode 114.8)"},
        {"a scan key without channels to scan",
         [](RadioImage& i) {
             i.setByte(layout::kKeyPf1, 2);
             i.setByte(layout::kBitmapB, 0);
             i.setByte(layout::kBitmapB + 1, 0);
         },
         RuleId::ScanKeyWithoutScan,
         {"Key Assignment / PF1 Key"}},
        {"no channel at all",
         [](RadioImage& i) {
             for (std::size_t k = layout::kChannelBase; k < layout::kChannelEnd; ++k)
                 i.setByte(k, 0xFF);
         },
         RuleId::NoChannels,
         {"Channel 1 / RX Frequency [MHz]"}},
    };
    std::set<RuleId> covered;
    for (const CraftedFault& fault : faults) {
        SCOPED_TRACE(fault.what);
        RadioImage image = test::defaultRadioImage();
        fault.craft(image);
        const auto findings = check(image);
        std::vector<std::string> names;
        for (const Finding& f : findings) {
            EXPECT_EQ(f.rule, fault.rule) << describe(findings);
            EXPECT_EQ(f.severity, checkRule(fault.rule).severity);
            EXPECT_NE(f.message.find(fault.detail), std::string::npos) << f.message;
            EXPECT_EQ(f.message.find('%'), std::string::npos) << f.message;
            names.push_back(f.name);
        }
        EXPECT_EQ(names, fault.fields) << describe(findings);
        covered.insert(fault.rule);
    }
    for (const CheckRule& rule : checkRules())
        EXPECT_TRUE(covered.contains(rule.id)) << rule.key << " has no crafted fault";
}

// The band's ends are inside it; one channel step beyond either end is outside.
TEST_F(ConfigurationCheckTest, TheBandIncludesBothEnds) {
    const struct {
        const char* mhz;
        bool outside;
    } cases[] = {{"446.000", false}, {"446.2", false}, {"445.99375", true}, {"446.20625", true}};
    for (const auto& c : cases) {
        RadioImage image = test::defaultRadioImage();
        setFrequency(image, rx(1), c.mhz);
        setFrequency(image, tx(1), c.mhz);
        const auto findings = check(image);
        EXPECT_EQ(findings.size(), c.outside ? 2u : 0u) << c.mhz << "\n" << describe(findings);
    }
}

// A disabled row takes no input: what it holds is not the editor's to judge.
TEST_F(ConfigurationCheckTest, RowsTheEditorDisablesAreNotJudged) {
    RadioImage image = test::defaultRadioImage();
    image.setByte(layout::kScanLookBackA, 0);       // priority 0: look-back disabled
    image.setByte(layout::kPriorityChannel, 40);    // priority 0: no priority channel
    image.setByte(layout::kFeatVoxGainLevel, 0x77); // VOX off: its rows are disabled
    image.setByte(layout::kFeatScramblerActivation, 1);
    image.setByte(layout::kFeatScramblerBackup, 9); // disabled while activation is on
    image.setByte(layout::kDtmfStunType, 7);        // no stun code: stun type disabled
    const auto findings = check(image);
    EXPECT_TRUE(findings.empty()) << describe(findings);
}

// Images from anywhere: an erased radio (all 0xFF) is full of errors, and the check copes.
TEST_F(ConfigurationCheckTest, AnErasedImageGivesErrorsAndNoChannelWarning) {
    RadioImage erased;
    for (std::size_t i = 0; i < kImageSize; ++i)
        erased.setByte(i, 0xFF);
    const auto findings = check(erased);
    EXPECT_GT(countFindings(findings, Severity::Error), 10u) << describe(findings);
    EXPECT_EQ(countFindings(findings, Severity::Warning), 1u) << describe(findings);
    for (std::size_t i = 1; i < findings.size(); ++i)
        EXPECT_FALSE(findings[i - 1].severity == Severity::Warning &&
                     findings[i].severity == Severity::Error)
            << "errors come first";
}

TEST(ToneWords, ValidAreOffQtInRangeAndListedDqtCodesAsTheParserCodesThem) {
    const struct {
        ToneWord word;
        bool valid;
    } cases[] = {
        {kToneOff, true},
        {670, true},
        {669, false},
        {2541, true},
        {2542, false},
        {0x2813, true},
        {0xA813, true},
        {0x2013, false},
        {0x2814, false},
        {0x6813, false},
        {0x2A13, false},
        {kTableEntryOff, false},
        {makeDqtWord(0754, true), true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isValidToneWord(c.word), c.valid) << std::hex << c.word;
}

TEST(FrequencyBytes, HzOnlyFromDecimalDigitsAndStepsAsTheParserStores) {
    EXPECT_EQ(frequencyHz({0x25, 0x06, 0x60, 0x44}), 446'006'250);
    EXPECT_EQ(frequencyHz({0x00, 0x00, 0x00, 0x00}), 0);
    EXPECT_FALSE(frequencyHz({0x2A, 0x06, 0x60, 0x44}));
    EXPECT_FALSE(frequencyHz({0x25, 0x06, 0x60, 0xF4}));
    EXPECT_FALSE(frequencyHz({0xFF, 0xFF, 0xFF, 0xFF}));
    const struct {
        long hz;
        bool narrow;
        bool onStep;
    } cases[] = {{446'006'250, false, true},
                 {446'005'000, true, true},
                 {446'002'500, false, true},
                 {446'002'500, true, false},
                 {446'000'100, false, false}};
    for (const auto& c : cases)
        EXPECT_EQ(onChannelStep(c.hz, c.narrow), c.onStep) << c.hz << " narrow " << c.narrow;
}
