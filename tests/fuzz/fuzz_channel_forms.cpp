// Arbitrary typed text into the commits of the channel editor forms: the memory map's hex
// cells, the test frequencies, the channel table's lists (and any entry index into them), the
// channel edit window and the QT/DQT table. Each commit may change only the bytes of its own
// field.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/ImageLayout.h"
#include "editors/channel/ChannelEditForm.h"
#include "editors/channel/ChannelInfoForm.h"
#include "editors/channel/MemoryMapForm.h"
#include "editors/channel/QtDqtTableForm.h"
#include "editors/channel/TestFrequencyForm.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

using tsw::fuzz::check;

std::string offText(tsw::StringId) {
    return "Off";
}

// Every byte outside [from, to) is as before.
void checkOnlyChanged(const tsw::RadioImage& before, const tsw::RadioImage& after, std::size_t from,
                      std::size_t to) {
    for (std::size_t i = 0; i < tsw::kImageSize; ++i)
        if (i < from || i >= to)
            check(before.byte(i) == after.byte(i));
}

tsw::RadioImage startImage(std::uint8_t seed) {
    tsw::RadioImage image;
    for (std::size_t i = 0; i < tsw::kImageSize; ++i)
        image.setByte(i, static_cast<std::uint8_t>(i * 31 + seed));
    image.setByte(tsw::layout::channelOffset(1), 0xFF); // one empty channel
    return image;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tsw;
    const std::uint8_t seed = size > 0 ? data[0] : 0;
    const std::string text(reinterpret_cast<const char*>(data), size);
    const RadioImage before = startImage(seed);

    RadioImage image = before;
    MemoryMapForm map(image);
    const std::string cell = map.commitCell(10, 3, text);
    check(cell.size() == 2);
    map.applyTo(image);
    const std::size_t at = MemoryMapForm::offsetOf(10, 3);
    checkOnlyChanged(before, image, at, at + 1);
    check(MemoryMapForm::formatHex(image.byte(at), 2) == cell);
    (void)MemoryMapForm::parseHexCell(text);

    image = before;
    TestFrequencyForm test(image, (seed & 1) != 0, &offText);
    const std::string shown = test.commitCell(3, 2, text);
    check(shown.empty() || shown.size() == 9);
    const std::size_t freq = TestFrequencyForm::offsetOf(3, 2);
    checkOnlyChanged(before, image, freq, freq + 4);

    for (int channel : {0, 1}) {
        image = before;
        ChannelEditorState state;
        state.selectedChannel = channel;
        ChannelInfoForm info(image, state, (seed & 2) != 0, &offText);
        // The lists commit by entry index; any index, in a list's range or not, is fed.
        const int index = size > 1 ? static_cast<std::int8_t>(data[1]) : -1;
        info.commitFrequencyEntry(index);
        info.commitTone(text);
        info.toneEntrySelected(index);
        info.commitToneEntry(index);
        info.commitFlag(3 + (seed % 3), index);
        ChannelEditForm edit(image, state, (seed & 2) != 0, &offText);
        edit.commitReceive(text);
        edit.commitTransmit(text);
        edit.commitEncodeTone(text);
        const std::size_t record = layout::channelOffset(channel);
        for (std::size_t i = 0; i < kImageSize; ++i)
            if ((i < record || i >= record + layout::kChannelSize) && i != layout::kBitmapA &&
                i != layout::kBitmapA + 1 && i != layout::kBitmapB && i != layout::kBitmapB + 1)
                check(before.byte(i) == image.byte(i)); // the bitmaps hold used and scan add
    }

    image = before;
    ChannelEditorState state;
    QtDqtTableForm table(image, state, &offText);
    table.editTableEntry(7, 1);
    table.commitTableEntry(7, 1, text);
    for (std::size_t i = 0; i < kImageSize; ++i) {
        const bool entry = i == layout::qtDqtEntryOffset(7) || i == layout::qtDqtEntryOffset(7) + 1;
        const bool tones = i >= layout::kChannelBase && i < layout::kChannelEnd &&
                           (i - layout::kChannelBase) % layout::kChannelSize >= 8 &&
                           (i - layout::kChannelBase) % layout::kChannelSize < 12;
        if (!entry && !tones)
            check(before.byte(i) == image.byte(i));
    }
    return 0;
}
