#include "app/LanguageLoader.h"

namespace tsw {

int loadLanguage(LanguageTable& table, int languageCode) {
    return table.load(kRequiredStringIds, languageCode);
}

std::optional<std::string_view> languageLoadMessage(int loadResult) {
    switch (loadResult) {
    case LanguageTable::Loaded:
        return std::nullopt;
    case LanguageTable::OpenFailed:
        return LanguageTable::kCannotReadMessage;
    default:
        return LanguageTable::kDamagedMessage;
    }
}

} // namespace tsw
