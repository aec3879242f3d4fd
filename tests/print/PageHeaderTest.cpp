#include <gtest/gtest.h>

#include <clocale>

#include "print/PageHeader.h"
#include "tests/print/PrintTestSupport.h"

using namespace tsw;
using namespace tsw::print;
using namespace tsw::print::test;

TEST(PageHeader, TitleDateAndTheModelAndFileValues) {
    HeaderInfo info;
    info.dateTime = "06/14/24 09:05:00";
    info.softwareVersion = "1.00";
    info.fileName = "order 17.dat";
    const PrintItems items = headerItems(info, defaultImage(), &idText);
    EXPECT_EQ(items[0].text, idText(StrId::PrintTitle));
    const PrintItem* date = findText(items, info.dateTime);
    ASSERT_TRUE(date);
    EXPECT_EQ(date->align, Align::PageRight);
    const std::pair<StringId, std::string> values[] = {
        {StrId::BandLabel, "UHF:446 MHz"},
        {StrId::ModelVersionLabel, "(E)(T)"},
        {StrId::ModelTypeLabel, "HX-5520 (UHF)"},
        {StrId::FrequencyLabel, "446 MHz(E)(T)"},
        {StrId::ModelCodeLabel, "H5520"},
        {StrId::SoftwareVersionLabel, "1.00"},
        {StrId::BandCodeLabel, "03"},
        {StrId::FileNameLabel, "order 17.dat"},
    };
    for (const auto& [label, value] : values)
        EXPECT_EQ(valueBeside(items, idText(label)), value) << label;
}

TEST(PageHeader, ModelCodeAndBandCodeComeFromTheImage) {
    RadioImage image = defaultImage();
    image.setByte(layout::kModelCode + 1, 'X');
    image.setByte(layout::kBandCode, 0x92);
    PrintItems items = headerItems({}, image, &idText);
    EXPECT_EQ(valueBeside(items, idText(StrId::ModelCodeLabel)), "HX520");
    EXPECT_EQ(valueBeside(items, idText(StrId::BandCodeLabel)), "92");

    image.setByte(layout::kModelCode + 3, 0x07); // a control byte ends the code
    EXPECT_EQ(modelCodeText(image), "HX5");

    items = headerItems({}, RadioImage{}, &idText); // all 0xFF: empty values, no garbage
    EXPECT_EQ(valueBeside(items, idText(StrId::ModelCodeLabel)), "");
    EXPECT_EQ(valueBeside(items, idText(StrId::BandCodeLabel)), "");
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
