#pragma once
// What the transfer dialog says after a write that did not simply complete: the radio holds
// other values than written (each field in the editors' words), the read-back failed, or the
// write failed part way and left the radio with old and new data mixed (with the offer to
// write again, or to write the radio's latest backup instead).

#include <optional>
#include <string>

#include "app/UserPrompt.h"
#include "link/ReadBackup.h"
#include "link/WrittenAreas.h"

namespace tsw::ui {

// At most this many differing fields are listed; a line says how many more there are.
inline constexpr std::size_t kMaxVerifyLines = 12;

// The error box after a check that found differences: the heading, one line per field, and
// `savedText` (where what the radio holds was kept, or why it could not be).
Prompt verifyFailedPrompt(const RadioImage& written, const VerifyResult& verify,
                          const std::string& savedText, const TextLookup& text);

// "2026-12-06 14:03:59"
std::string backupTimeText(const LocalDateTime& when);

enum class AfterPartialWrite { WriteAgain, WriteBackup, Leave };
// The question after a write that left the radio mixed: Write Again (the default) or Cancel,
// and Write Backup when a backup of the radio is known. Its answer, as afterPartialWrite
// reads it.
Prompt partialWritePrompt(const std::optional<FoundBackup>& backup, const TextLookup& text);
AfterPartialWrite afterPartialWrite(PromptAnswer answer);

} // namespace tsw::ui
