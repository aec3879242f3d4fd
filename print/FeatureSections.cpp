// The printed pages of the feature editors: Optional Features, Key Assignment, Scan and the
// Embedded Message. Rows print in the order of each editor's row table with its label texts;
// what a row shows (number, list entry, tick, enabling) is asked of the editor's form model,
// which reads a copy of the image.

#include <array>

#include "editors/feature/EmbeddedMessageForm.h"
#include "editors/feature/FeatureForm.h"
#include "editors/feature/KeyForm.h"
#include "editors/feature/ScanForm.h"
#include "print/SectionLayout.h"

namespace tsw::print {

namespace {

constexpr double kFirstRowLine = 2;
constexpr double kBlockGap = 0.5;
constexpr double kGroupIndent = 3; // rows inside a group box stand a little to the right

// A run of rows of a form table; a group row first makes the others its members.
struct RowBlock {
    int first;
    int last; // inclusive
};

template <class Visible>
double addRows(PrintItems& items, const feature::FieldForm& form, RowBlock block, double line,
               TextLookup lookup, Visible visible) {
    double indent = 0;
    for (int row = block.first; row <= block.last; ++row) {
        if (!visible(row))
            continue;
        const feature::FieldRow& r = form.rows()[static_cast<std::size_t>(row)];
        if (r.kind == feature::FieldKind::Group) {
            items.push_back(textItem(kLabelX, line++, lookup(r.label)));
            indent = kGroupIndent;
            continue;
        }
        const bool dimmed = !form.enabled(row);
        PrintItem label = textItem(kLabelX + indent, line, lookup(r.label));
        PrintItem value = r.kind == feature::FieldKind::Check
                              ? checkBoxItem(kValueX, line, form.checked(row))
                              : textItem(kValueX, line, feature::rowText(form, row, lookup));
        label.dimmed = value.dimmed = dimmed;
        items.push_back(std::move(label));
        items.push_back(std::move(value));
        ++line;
    }
    return line;
}

// Optional Features in blocks: the general rows, the VOX group, the Mode group, the tone and
// time-out companions. A landscape page holds the first block; the rest go on a second page.
constexpr std::array<RowBlock, 4> kFeatureBlocks{{
    {feature::feat::TimeOutTimer, feature::feat::ScramblerBackup},
    {feature::feat::VoxGroup, feature::feat::TxInhibitOnBusy},
    {feature::feat::ModeGroup, feature::feat::SelfProgramming},
    {feature::feat::CallingAlertTone, feature::feat::TotResetTime},
}};

} // namespace

PrintItems optionalFeaturesItems(const SectionPage& page, const RadioImage& image,
                                 const TextLookup& lookup) {
    RadioImage copy = image;
    const feature::FeatureForm form(copy, lookup);
    const auto visible = [&form](int row) { return form.visible(row); };
    std::size_t first = 0;
    std::size_t end = kFeatureBlocks.size();
    if (page.landscape) {
        first = page.subPage == 0 ? 0 : 1;
        end = page.subPage == 0 ? 1 : kFeatureBlocks.size();
    }
    PrintItems items{titleItem(StrId::TitleOptionalFeatures, lookup)};
    double line = kFirstRowLine;
    for (std::size_t b = first; b < end; ++b)
        line = addRows(items, form, kFeatureBlocks[b], line, lookup, visible) + kBlockGap;
    return items;
}

PrintItems keyAssignmentItems(const RadioImage& image, const TextLookup& lookup) {
    PrintItems items{titleItem(StrId::TitleKeyAssignment, lookup)};
    addLabelValue(items, 2, lookup(StrId::PrintPf1Label),
                  feature::keyFunctionName(image.byte(layout::kKeyPf1), lookup));
    addLabelValue(items, 3, lookup(StrId::PrintPf2Label),
                  feature::keyFunctionName(image.byte(layout::kKeyPf2), lookup));
    return items;
}

PrintItems scanItems(const RadioImage& image, const TextLookup& lookup) {
    RadioImage copy = image;
    feature::ScanForm form(copy);
    form.applyEnabling(); // what the editor shows once it has opened
    PrintItems items{titleItem(StrId::TitleScanInformation, lookup)};
    addRows(items, form, {0, feature::scan::RowCount - 1}, kFirstRowLine, lookup,
            [](int) { return true; });
    return items;
}

PrintItems embeddedMessageItems(const RadioImage& image, const TextLookup& lookup) {
    PrintItems items{titleItem(StrId::TitleEmbeddedMessage, lookup)};
    for (int line = 0; line < 2; ++line)
        items.push_back(textItem(kTitleX, 2 + line, feature::messageLineText(image, line),
                                 Align::Left, FontRole::Fixed));
    return items;
}

} // namespace tsw::print
