#include <gtest/gtest.h>

#include "editors/channel/CsvText.h"

using namespace tsw;

namespace {
using Fields = std::vector<std::string>;
} // namespace

TEST(CsvText, ReadsRecordsWithTheirLines) {
    const auto records =
        csv::read("\xEF\xBB\xBF"
                  "a,b\r\n# comment\n\"x, \"\"y\"\"\",\"two\nlines\"\r1,,3\n\n# end");
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].fields, (Fields{"a", "b"}));
    EXPECT_EQ(records[0].line, 1);
    EXPECT_EQ(records[1].fields, (Fields{"x, \"y\"", "two\nlines"}));
    EXPECT_EQ(records[1].line, 3);
    EXPECT_EQ(records[2].fields, (Fields{"1", "", "3"}));
    EXPECT_EQ(records[2].line, 5);
    EXPECT_TRUE(csv::isBlank(records[3]));
    EXPECT_EQ(records[3].line, 6);
}

TEST(CsvText, MarksBrokenQuotingAndGoesOnWithTheNextLine) {
    const auto records = csv::read("\"a\"b,c\nd,e\n\"open,f\ng\n");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_TRUE(records[0].broken);
    EXPECT_FALSE(records[1].broken);
    EXPECT_EQ(records[1].fields, (Fields{"d", "e"}));
    EXPECT_TRUE(records[2].broken); // never closed: runs to the end of the text
    EXPECT_EQ(records[2].line, 3);
}

TEST(CsvText, KeepsAtMostTheFieldLimit) {
    const auto records = csv::read(std::string(1000, ',') + "\nx");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].fields.size(), csv::kMaxFields);
}

TEST(CsvText, QuotesOnlyWhereNeededAndReadsItBack) {
    const Fields fields = {"plain", "a,b", "say \"hi\"", "two\nlines", " pad", "", "x; y"};
    const std::string line = csv::joinRecord(fields);
    EXPECT_EQ(line, "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\" pad\",,x; y\r\n");
    const auto records = csv::read(line);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].fields, fields);
}

// What spreadsheets put on the clipboard: the same rules with tabs; empty fields stay fields,
// and a tab is never taken for a blank before a quoted field.
TEST(CsvText, ReadsAndWritesTabSeparatedText) {
    struct Case {
        const char* text;
        std::vector<Fields> records;
    };
    const Case cases[] = {
        {"a\tb\tc\r\n1\t\t3\n", {{"a", "b", "c"}, {"1", "", "3"}}},
        {"x\t\t\"q, r\"\t  \"s\"  \n", {{"x", "", "q, r", "s"}}},
        {"\"tab\there\"\t\"two\nlines\"\n", {{"tab\there", "two\nlines"}}},
        {"a,b\tc\n", {{"a,b", "c"}}},
        {"\t\t\n", {{"", "", ""}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto records = csv::read(c.text, csv::kTab);
        ASSERT_EQ(records.size(), c.records.size());
        for (std::size_t i = 0; i < records.size(); ++i) {
            EXPECT_FALSE(records[i].broken);
            EXPECT_EQ(records[i].fields, c.records[i]);
        }
    }
    const Fields fields{"plain", "with\ttab", "a,comma", "", " lead", "say \"hi\""};
    const std::string line = csv::joinRecord(fields, csv::kTab);
    EXPECT_EQ(line, "plain\t\"with\ttab\"\ta,comma\t\t\" lead\"\t\"say \"\"hi\"\"\"\r\n");
    EXPECT_EQ(csv::read(line, csv::kTab).at(0).fields, fields);
}
