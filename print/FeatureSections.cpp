// The printed pages of the feature editors: Optional Features, Key Assignment, Scan and the
// Embedded Message.

#include "print/SectionLayout.h"

namespace tsw::print {

PrintItems optionalFeaturesItems(const SectionPage&, const RadioImage&, TextLookup lookup) {
    return {titleItem(StrId::TitleOptionalFeatures, lookup)};
}

PrintItems keyAssignmentItems(const RadioImage&, TextLookup lookup) {
    return {titleItem(StrId::TitleKeyAssignment, lookup)};
}

PrintItems scanItems(const RadioImage&, TextLookup lookup) {
    return {titleItem(StrId::TitleScanInformation, lookup)};
}

PrintItems embeddedMessageItems(const RadioImage&, TextLookup lookup) {
    return {titleItem(StrId::TitleEmbeddedMessage, lookup)};
}

} // namespace tsw::print
