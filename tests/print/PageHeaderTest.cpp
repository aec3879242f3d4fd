#include <gtest/gtest.h>

#include <clocale>

#include "print/PageHeader.h"
#include "tests/print/PrintTestSupport.h"

using namespace tsw;
using namespace tsw::print;
using namespace tsw::print::test;

TEST(PageHeader, TitleDateRulesAndTheModelAndFileRows) {
    HeaderInfo info;
    info.dateTime = "06/14/24 09:05:00";
    info.softwareVersion = "1.00";
    info.fileName = "order 17.dat";
    const PrintItems items = headerItems(info, defaultImage(), &idText);

    EXPECT_EQ(items[0],
              textItem(0, 0, idOf(StrId::PrintTitle), Align::PageCentre, FontRole::Title));
    const PrintItem* date = findText(items, info.dateTime);
    ASSERT_TRUE(date);
    EXPECT_EQ(date->line, 2);
    EXPECT_EQ(date->align, Align::PageRight);
    std::vector<double> rules;
    for (const PrintItem& item : items)
        if (item.kind == ItemKind::Rule)
            rules.push_back(item.line);
    EXPECT_EQ(rules, (std::vector<double>{3, 9}));

    struct Row {
        StringId label;
        std::string value;
        double line;
        double x;
    };
    const Row rows[] = {
        {StrId::BandLabel, "UHF:446 MHz", 4, 15},
        {StrId::ModelVersionLabel, "(E)(T)", 5, 15},
        {StrId::ModelTypeLabel, "HX-5520 (UHF)", 6, 15},
        {StrId::FrequencyLabel, "446 MHz(E)(T)", 7, 15},
        {StrId::ModelCodeLabel, "H5520", 4, 50},
        {StrId::SoftwareVersionLabel, "1.00", 5, 50},
        {StrId::BandCodeLabel, "03", 6, 50},
        {StrId::FileNameLabel, "order 17.dat", 7, 50},
    };
    for (const Row& row : rows) {
        const PrintItem* label = findText(items, idOf(row.label));
        ASSERT_TRUE(label) << row.label;
        EXPECT_EQ(label->line, row.line) << row.label;
        EXPECT_EQ(label->x, row.x) << row.label;
        EXPECT_EQ(valueBeside(items, idOf(row.label)), row.value) << row.label;
    }
}

TEST(PageHeader, ModelCodeAndBandCodeComeFromTheImage) {
    RadioImage image = defaultImage();
    image.setByte(layout::kModelCode + 1, 'X');
    image.setByte(layout::kBandCode, 0x92);
    PrintItems items = headerItems({}, image, &idText);
    EXPECT_EQ(valueBeside(items, idOf(StrId::ModelCodeLabel)), "HX520");
    EXPECT_EQ(valueBeside(items, idOf(StrId::BandCodeLabel)), "92");

    image.setByte(layout::kModelCode + 3, 0x07); // a control byte ends the code
    EXPECT_EQ(modelCodeText(image), "HX5");

    items = headerItems({}, RadioImage{}, &idText); // all 0xFF: empty values, no garbage
    EXPECT_EQ(valueBeside(items, idOf(StrId::ModelCodeLabel)), "");
    EXPECT_EQ(valueBeside(items, idOf(StrId::BandCodeLabel)), "");
}

TEST(PageHeader, DateAndTimeInTheLocalesShortForms) {
    std::setlocale(LC_TIME, "C");
    std::tm t{};
    t.tm_year = 124;
    t.tm_mon = 5;
    t.tm_mday = 14;
    t.tm_hour = 9;
    t.tm_min = 5;
    t.tm_sec = 7;
    EXPECT_EQ(formatPrintDateTime(t), "06/14/24 09:05:07");
}
