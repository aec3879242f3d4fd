// Field tooltips from the catalogue: the values each field takes, in English and German.

#include <gtest/gtest.h>

#include "app/LanguageLoader.h"
#include "fields/FieldCatalogue.h"
#include "fields/FieldHint.h"

using namespace tsw;
using namespace tsw::fields;

namespace {

class FieldHintTest : public ::testing::Test {
protected:
    FieldHintTest() {
        for (auto* t : {&english, &german})
            t->setDirectory(TSW_BIN_DIR);
        EXPECT_EQ(loadLanguage(english, 2), LanguageTable::Loaded);
        EXPECT_EQ(loadLanguage(german, 4), LanguageTable::Loaded);
    }
    static TextLookup lookupIn(const LanguageTable& table) {
        return [&table](StringId id) { return table.text(id); };
    }
    const Field* named(const std::string& name) const {
        for (const Field& f : all)
            if (f.name(lookupIn(english)) == name)
                return &f;
        return nullptr;
    }

    LanguageTable english;
    LanguageTable german;
    const std::vector<Field> all = fieldCatalogue();
};

} // namespace

TEST(FieldHint, ScaledNumbersReadAsTheEditorsShowThem) {
    const std::tuple<int, int, const char*> cases[] = {
        {50, 2, "0.50"}, {5, 2, "0.05"},  {500, 2, "5.00"},   {15, 0, "15"},
        {0, 0, "0"},     {-5, 1, "-0.5"}, {1234, 1, "123.4"},
    };
    for (const auto& [value, decimals, text] : cases)
        EXPECT_EQ(scaledNumber(value, decimals), text) << value << "/" << decimals;
}

// One field of each kind of range in every editor that has ranges, in two languages.
TEST_F(FieldHintTest, RangesStepsUnitsAndWordsInTheUsersLanguage) {
    struct Case {
        const char* field;
        const char* english;
        const char* german;
    };
    const Case cases[] = {
        {"CrewLink / ID (Own)", "1000–4999", "1000–4999"},
        {"Scan Information / Look Back Time A [s]", "0.50–5.00 s in steps of 0.05 s",
         "0.50–5.00 s in Schritten von 0.05 s"},
        {"Optional Features / Time Out Timer (TOT) [s]", "15–600 s in steps of 15 s",
         "15–600 s in Schritten von 15 s"},
        {"Optional Features / TOT Pre-Alert [s]", "1–10 s, or Off", "1–10 s oder Aus"},
        {"DTMF / First Digit Delay [ms]", "100–1000 ms in steps of 50 ms",
         "100–1000 ms in Schritten von 50 ms"},
        {"Channel 3 / RX Frequency [MHz]", "in MHz", "in MHz"},
        {"Scan Information / Priority", "", ""}, // a list: no range
    };
    for (const Case& c : cases) {
        const Field* f = named(c.field);
        ASSERT_NE(f, nullptr) << c.field;
        EXPECT_EQ(rangeHint(*f, lookupIn(english)), c.english) << c.field;
        EXPECT_EQ(rangeHint(*f, lookupIn(german)), c.german) << c.field;
    }
}

TEST_F(FieldHintTest, TheTipIsTheLabelWithTheValuesBelow) {
    const Field* lookBack = named("Scan Information / Look Back Time A [s]");
    const Field* priority = named("Scan Information / Priority");
    ASSERT_TRUE(lookBack && priority);
    EXPECT_EQ(fieldTip(*lookBack, lookupIn(english)),
              "Look Back Time A [s]\n0.50–5.00 s in steps of 0.05 s");
    EXPECT_EQ(fieldTip(*priority, lookupIn(english)), "Priority");
}

// Every field an editor shows has a tip, and every range reads as numbers in order.
TEST_F(FieldHintTest, EveryShownFieldHasATip) {
    for (const Field& f : all) {
        if (f.hidden)
            continue;
        const std::string tip = fieldTip(f, lookupIn(german));
        EXPECT_FALSE(tip.empty()) << f.name(lookupIn(english));
        EXPECT_EQ(tip.find('%'), std::string::npos) << tip;
        if (f.range)
            EXPECT_NE(rangeHint(f, lookupIn(english)).find("–"), std::string::npos)
                << f.name(lookupIn(english));
    }
}
