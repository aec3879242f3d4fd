#include "app/LanguageTable.h"

namespace tsw {

LanguageTable::LanguageTable() : pool_(kPoolSize, '\0'), entries_(kMaxEntries) {}

void LanguageTable::setDirectory(std::string directory) { directory_ = std::move(directory); }

int LanguageTable::load(std::span<const StringId> requiredIds, int languageCode) {
    (void)requiredIds;
    (void)languageCode;
    return OpenFailed; // not implemented yet
}

const char* LanguageTable::find(StringId id) const {
    (void)id;
    return "";
}

const char* LanguageTable::lookup(StringId id, int mode) {
    (void)mode;
    return find(id);
}

std::string LanguageTable::text(StringId id) const { return find(id); }
std::string LanguageTable::plainText(StringId id) const { return find(id); }

std::string_view LanguageTable::fileName(int languageCode) {
    (void)languageCode;
    return {};
}

char LanguageTable::helpLetter(int languageCode) {
    (void)languageCode;
    return 'e';
}

} // namespace tsw
