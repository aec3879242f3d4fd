#include "print/SectionLayout.h"

namespace tsw::print {

namespace {
constexpr double kValueOffset = kValueX - kLabelX;
} // namespace

StringId sectionTitle(PrintSection section) {
    switch (section) {
    case PrintSection::OptionalFeatures:
        return StrId::TitleOptionalFeatures;
    case PrintSection::KeyAssignment:
        return StrId::TitleKeyAssignment;
    case PrintSection::Scan:
        return StrId::TitleScanInformation;
    case PrintSection::TestFrequency:
        return StrId::TitleTestFrequency;
    case PrintSection::EmbeddedMessage:
        return StrId::TitleEmbeddedMessage;
    case PrintSection::ChannelInformation:
    case PrintSection::ChannelTable:
        return StrId::TitleChannelInformation;
    case PrintSection::QtDqtTable:
        return StrId::TitleQtDqtTable;
    case PrintSection::RequestingEditor:
        break;
    }
    return 0;
}

void addLabelValue(PrintItems& items, double line, std::string label, std::string value, double x) {
    items.push_back(textItem(x, line, std::move(label)));
    items.push_back(textItem(x + kValueOffset, line, std::move(value)));
}

PrintItem titleItem(StringId title, const TextLookup& lookup) {
    return textItem(kTitleX, 0, lookup(title));
}

PrintItems sectionItems(const SectionPage& page, const RadioImage& image,
                        const TextLookup& lookup) {
    switch (page.section) {
    case PrintSection::OptionalFeatures:
        return optionalFeaturesItems(page, image, lookup);
    case PrintSection::KeyAssignment:
        return keyAssignmentItems(image, lookup);
    case PrintSection::Scan:
        return scanItems(image, lookup);
    case PrintSection::TestFrequency:
        return testFrequencyItems(image, lookup);
    case PrintSection::EmbeddedMessage:
        return embeddedMessageItems(image, lookup);
    case PrintSection::ChannelInformation:
        return channelInformationItems(page, image, lookup);
    case PrintSection::QtDqtTable:
        return qtDqtTableItems(image, lookup);
    case PrintSection::ChannelTable:
        return channelTableItems(page, image, lookup);
    case PrintSection::RequestingEditor:
        break;
    }
    return {};
}

PrintItems pageItems(const PageEntry& entry, int pageNumber, bool landscape,
                     const SectionPage& editorPage, const HeaderInfo& header,
                     const RadioImage& image, const TextLookup& lookup) {
    SectionPage page{entry.section, entry.subPage, landscape};
    if (entry.section == PrintSection::RequestingEditor)
        page = SectionPage{editorPage.section, editorPage.subPage, landscape};
    PrintItems items = headerItems(header, image, lookup);
    PrintItems body = sectionItems(page, image, lookup);
    shiftDown(body, kBodyStartLine);
    items.insert(items.end(), body.begin(), body.end());
    const PrintItems footer = footerItems(pageNumber);
    items.insert(items.end(), footer.begin(), footer.end());
    return items;
}

} // namespace tsw::print
