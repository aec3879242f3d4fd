#pragma once
// The body of each printed section as placed items, and whole pages (header, body, footer).
//
// Every body starts with the section title at 15 w on line 0 and lists the section's fields
// below it, labels at 20 w and values at 50 w, in the order and with the texts of the editor
// that owns them: every value text comes from that editor's form model, never from a rule of
// our own. The Key Assignment page is the pattern:
//
//   line 0   Key Assignment                           (15 w)
//   line 2        PF1 Key (20 w)           name of the PF1 function (50 w)
//   line 3        PF2 Key (20 w)           name of the PF2 function (50 w)
//
// Tables (test frequencies, QT/DQT table) print their header row and cells in columns;
// Channel Information prints four channels per page as blocks of the channel's fields.
// Landscape pages are lower, so some sections arrange their blocks side by side there.

#include <vector>

#include "app/RadioImage.h"
#include "editors/channel/FrequencyCodec.h"
#include "print/PageHeader.h"
#include "print/PagePlan.h"
#include "print/PrintItem.h"

namespace tsw::print {

inline constexpr double kTitleX = 15;
inline constexpr double kLabelX = 20;
inline constexpr double kValueX = 50;

struct SectionPage {
    PrintSection section = PrintSection::KeyAssignment;
    int subPage = 0;
    bool landscape = false;
};

// The string id of a section's title (the texts of the Print Out List boxes).
StringId sectionTitle(PrintSection section);

// The channels (0..15) a Channel Information sub-page shows: the used channels in order,
// four per page. A table without a used channel shows channel 1, empty, on its one page.
std::vector<int> channelsOfPage(const RadioImage& image, int subPage);
// The Channel Information sub-page that shows `channel` (0 for an unused channel).
int channelPageOf(const RadioImage& image, int channel);

// The body of one page, lines counted from the body start. The image is only read.
PrintItems sectionItems(const SectionPage& page, const RadioImage& image, const TextLookup& lookup);

// A whole page: header, the body below it, the page number at the foot. A requesting
// editor's page prints `editorPage` (its section and sub-page).
PrintItems pageItems(const PageEntry& entry, int pageNumber, bool landscape,
                     const SectionPage& editorPage, const HeaderInfo& header,
                     const RadioImage& image, const TextLookup& lookup);

// Section bodies, one per file of this folder.
PrintItems channelInformationItems(const SectionPage& page, const RadioImage& image,
                                   const TextLookup& lookup);
PrintItems channelTableItems(const SectionPage& page, const RadioImage& image,
                             const TextLookup& lookup);
PrintItems testFrequencyItems(const RadioImage& image, const TextLookup& lookup);
PrintItems qtDqtTableItems(const RadioImage& image, const TextLookup& lookup);
PrintItems optionalFeaturesItems(const SectionPage& page, const RadioImage& image,
                                 const TextLookup& lookup);
PrintItems keyAssignmentItems(const RadioImage& image, const TextLookup& lookup);
PrintItems scanItems(const RadioImage& image, const TextLookup& lookup);
PrintItems embeddedMessageItems(const RadioImage& image, const TextLookup& lookup);

// Two items on one line: a label at 20 w and its value at 50 w (or at x and x + 30).
void addLabelValue(PrintItems& items, double line, std::string label, std::string value,
                   double x = kLabelX);
PrintItem titleItem(StringId title, const TextLookup& lookup);

} // namespace tsw::print
