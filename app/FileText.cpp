#include "app/FileText.h"

#include "app/TextTemplate.h"

namespace tsw {

namespace {

// The English texts, for a lookup without the language file.
constexpr char kCannotOpen[] = "Cannot open file %s: %s.";
constexpr char kCannotWrite[] = "Cannot write file %s: %s.";
constexpr char kNotRegular[] = "not a regular file (a folder, device or pipe)";
constexpr char kReadOnly[] = "the file is read-only";

std::string textOr(const TextLookup& lookup, StringId id, const char* english) {
    std::string text = lookup(id);
    return text.empty() ? std::string(english) : text;
}

} // namespace

std::string fileProblemReason(const FileStatus& status, const TextLookup& lookup) {
    switch (status.fault) {
    case FileFault::NotRegularFile:
        return textOr(lookup, StrId::FileNotRegular, kNotRegular);
    case FileFault::ReadOnlyFile:
        return textOr(lookup, StrId::FileReadOnly, kReadOnly);
    case FileFault::None:
    case FileFault::System:
        break;
    }
    return status.message.empty() ? systemErrorText(status.error) : status.message;
}

std::string fileProblemText(FileAction action, const std::string& path, const FileStatus& status,
                            const TextLookup& lookup) {
    const std::string pattern = action == FileAction::Open
                                    ? textOr(lookup, StrId::FileCannotOpen, kCannotOpen)
                                    : textOr(lookup, StrId::FileCannotWrite, kCannotWrite);
    return fillTemplate(pattern, {path, fileProblemReason(status, lookup)});
}

} // namespace tsw
