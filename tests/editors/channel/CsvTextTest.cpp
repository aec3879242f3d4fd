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
