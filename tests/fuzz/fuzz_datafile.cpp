// Bytes from outside as a data file: the parser and the open dialog's preview.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "app/DataFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    tsw::RadioImage image;
    image.fill(0x5A);
    const tsw::RadioImage before = image;
    const auto result = tsw::datafile::parseDataFile(bytes, image);
    if (result != tsw::datafile::ReadResult::Ok && !(image == before))
        std::abort(); // a refused file must leave the image alone
    if (result == tsw::datafile::ReadResult::Ok && size < tsw::datafile::kFileSize)
        std::abort();
    const auto preview = tsw::datafile::previewDataFileBytes(bytes);
    if (preview.line1.size() > 32 || preview.line2.size() > 32)
        std::abort();
    return 0;
}
