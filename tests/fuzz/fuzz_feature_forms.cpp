// Arbitrary typed text into every row of the feature forms (optional features, scan, DTMF,
// CrewLink with its table, the embedded message): each commit and spin click may change only
// the bytes of its own row and of the rows it is coupled with.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/ImageLayout.h"
#include "editors/feature/CrewLinkForm.h"
#include "editors/feature/DtmfForm.h"
#include "editors/feature/EmbeddedMessageForm.h"
#include "editors/feature/FeatureForm.h"
#include "editors/feature/ScanForm.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

using tsw::fuzz::check;

using namespace tsw;
using namespace tsw::feature;

std::string fakeText(StringId id) {
    return id == StrId::OffText ? "Off" : "All";
}

// Every changed byte lies in [from, from + count) or in the second range.
void checkOnly(const RadioImage& before, const RadioImage& after, std::size_t from,
               std::size_t count, std::size_t from2 = 0, std::size_t count2 = 0) {
    for (std::size_t i = 0; i < kImageSize; ++i)
        if (before.byte(i) != after.byte(i))
            check((i >= from && i < from + count) || (i >= from2 && i < from2 + count2));
}

RadioImage startImage(std::uint8_t seed) {
    RadioImage image;
    for (std::size_t i = 0; i < kImageSize; ++i)
        image.setByte(i, static_cast<std::uint8_t>(i * 37 + seed));
    return image;
}

void fuzzForm(FieldForm& form, RadioImage& image, const std::string& text, std::uint8_t seed) {
    for (int row = 0; row < static_cast<int>(form.rows().size()); ++row) {
        const FieldRow& r = form.rows()[static_cast<std::size_t>(row)];
        const RadioImage before = image;
        form.commitText(row, text);
        form.step(row, (seed & 1) ? 1 : -1, text);
        form.commitList(row, seed % 8);
        form.commitCheck(row, (seed & 2) != 0);
        (void)form.text(row);
        std::size_t from2 = 0, count2 = 0; // coupled bytes
        if (r.offset == layout::kScanPriority)
            from2 = layout::kScanPriority, count2 = 5;
        if (r.offset == layout::kDtmfStunCode)
            from2 = layout::kDtmfStunType, count2 = 1;
        if (r.offset == layout::kCrewOwnFleet || r.offset == layout::kCrewOwnId)
            from2 = layout::kCrewOwnFleet, count2 = 3;
        checkOnly(before, image, r.size ? r.offset : 0, r.size, from2, count2);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::uint8_t seed = size > 0 ? data[0] : 0;
    const std::string text(reinterpret_cast<const char*>(data), size);

    RadioImage image = startImage(seed);
    FeatureForm features(image, &fakeText);
    fuzzForm(features, image, text, seed);
    ScanForm scan(image);
    fuzzForm(scan, image, text, seed);
    DtmfForm dtmf(image, &fakeText);
    fuzzForm(dtmf, image, text, seed);
    dtmf.setGridCode(seed % 9, text);
    CrewLinkForm crew(image, &fakeText);
    fuzzForm(crew, image, text, seed);

    const RadioImage before = image;
    const int entry = seed % layout::kCrewEntryCount;
    crew.commitCell(entry, (seed & 1) ? crew::Column::Fleet : crew::Column::Id, text);
    (void)crew.cellText(entry, crew::Column::Id);
    checkOnly(before, image, layout::crewEntryOffset(entry + 1), layout::kCrewEntrySize);

    const RadioImage beforeMessage = image;
    EmbeddedMessageForm message(image);
    message.commit(text, text.substr(text.size() / 2));
    checkOnly(beforeMessage, image, layout::kMessageLine1, 2 * layout::kMessageLineLength);
    check(message.line(0).size() <= layout::kMessageLineLength);
    return 0;
}
