#include "print/PageHeader.h"

#include <array>
#include <cstdio>

#include "app/ImageLayout.h"
#include "app/ModelTable.h"
#include "fields/FieldCatalogue.h"

namespace tsw::print {

namespace {

constexpr double kTitleLine = 0;
constexpr double kDateLine = 2;
constexpr double kDateRightGap = 1; // widths between the date and the right margin
constexpr double kTopRuleLine = 3;
constexpr double kFirstRowLine = 4;
constexpr double kBottomRuleLine = 9;
constexpr double kLeftValueX = 30;
constexpr double kRightLabelX = 50;
constexpr double kRightValueX = 67;

ModelIdentity identityOf(const RadioImage& image) {
    ModelIdentity identity{};
    for (std::size_t i = 0; i < identity.size(); ++i)
        identity[i] = image.byte(layout::kIdentity + i);
    return identity;
}

} // namespace

std::string formatPrintDateTime(const std::tm& local) {
    char date[64] = {};
    char time[64] = {};
    std::strftime(date, sizeof date, "%x", &local);
    std::strftime(time, sizeof time, "%X", &local);
    return std::string(date) + " " + time;
}

std::string modelCodeText(const RadioImage& image) {
    return fields::modelCodeText(image);
}

PrintItems headerItems(const HeaderInfo& info, const RadioImage& image, const TextLookup& lookup) {
    const ModelEntry& model = modelEntry(info.modelIndex);
    const BandEntry& band = bandEntry(info.modelIndex, lookupBand(identityOf(image)));
    struct Row {
        StringId label;
        std::string value;
    };
    // Left column top to bottom, then the right column.
    const std::array<Row, 8> rows{{
        {StrId::BandLabel, std::string(model.bandText)},
        {StrId::ModelVersionLabel, kModelVersionText},
        {StrId::ModelTypeLabel, std::string(model.displayName)},
        {StrId::FrequencyLabel, std::string(band.text)},
        {StrId::ModelCodeLabel, modelCodeText(image)},
        {StrId::SoftwareVersionLabel, info.softwareVersion},
        {StrId::BandCodeLabel, fields::bandCodeText(image)},
        {StrId::FileNameLabel, info.fileName},
    }};

    PrintItems items;
    items.push_back(
        textItem(0, kTitleLine, lookup(StrId::PrintTitle), Align::PageCentre, FontRole::Title));
    items.push_back(textItem(kDateRightGap, kDateLine, info.dateTime, Align::PageRight));
    items.push_back(ruleItem(kTopRuleLine));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const bool left = i < 4;
        const double line = kFirstRowLine + static_cast<double>(i % 4);
        items.push_back(textItem(left ? kHeaderIndent : kRightLabelX, line, lookup(rows[i].label)));
        items.push_back(textItem(left ? kLeftValueX : kRightValueX, line, rows[i].value));
    }
    items.push_back(ruleItem(kBottomRuleLine));
    return items;
}

PrintItems footerItems(int pageNumber) {
    char text[32];
    std::snprintf(text, sizeof text, "- %i -", pageNumber);
    PrintItem item = textItem(0, kFooterLinesAboveBottom, text, Align::PageCentre);
    item.fromBottom = true;
    return {item};
}

} // namespace tsw::print
