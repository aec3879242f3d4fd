// Bytes from outside as a language file, loaded with a small required-id list, then looked
// up in both modes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "app/LanguageTable.h"

namespace {
constexpr tsw::StringId kIds[] = {1001001, 1001003, 1001019, 3002021, 3002023, 3420244};
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static tsw::LanguageTable table;
    const std::string_view contents(reinterpret_cast<const char*>(data), size);
    const int result = table.loadFromText(contents, kIds);
    if (result < 0 || result > 2)
        std::abort();
    if (table.poolUsed() > tsw::LanguageTable::kPoolSize ||
        table.entryCount() > tsw::LanguageTable::kMaxEntries)
        std::abort();
    for (tsw::StringId id : kIds) {
        const char* plain = table.lookup(id, 1);
        if (std::strlen(plain) > tsw::LanguageTable::kPlainTextLimit || std::strchr(plain, '&'))
            std::abort();
        if (table.plainText(id) != plain)
            std::abort();
        (void)table.lookup(id, 0);
    }
    return 0;
}
