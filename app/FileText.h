#pragma once
// Messages about a file that name it and say why: "Cannot open file /data/x.dat: Permission
// denied." The template is a language text; the reason is the system's text for the error, or
// the program's own for a file it refuses (not a regular file, read-only).

#include <string>

#include "app/AtomicFile.h"
#include "app/TextLookup.h"

namespace tsw {

enum class FileAction { Open, Write };

// The whole message for a failed open or write of `path`. A lookup that knows no text (no
// language file loaded) gives the English message.
std::string fileProblemText(FileAction action, const std::string& path, const FileStatus& status,
                            const TextLookup& lookup = tr);

// Only the reason.
std::string fileProblemReason(const FileStatus& status, const TextLookup& lookup = tr);

} // namespace tsw
