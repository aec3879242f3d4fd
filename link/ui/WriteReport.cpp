#include "link/ui/WriteReport.h"

#include <cstdio>

#include "app/TextTemplate.h"
#include "fields/ImageDiff.h"

namespace tsw::ui {

Prompt verifyFailedPrompt(const RadioImage& written, const VerifyResult& verify,
                          const std::string& savedText, const TextLookup& text) {
    std::string body = text(StrId::VerifyFailedHeading);
    const auto lines =
        fields::diffImages(written, heldAtWrittenOffsets(written, verify.readBack), text);
    for (std::size_t i = 0; i < lines.size() && i < kMaxVerifyLines; ++i)
        body += "\n" + fillTemplate(text(StrId::VerifyFailedLine),
                                    {lines[i].field, lines[i].a, lines[i].b});
    if (lines.size() > kMaxVerifyLines)
        body += "\n" + fillTemplate(text(StrId::VerifyMoreDifferences),
                                    {std::to_string(lines.size() - kMaxVerifyLines)});
    if (!savedText.empty())
        body += "\n\n" + savedText;
    return composedErrorPrompt(std::move(body), StrId::VerifyFailedHeading, text);
}

std::string backupTimeText(const LocalDateTime& when) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", when.year, when.month,
                  when.day, when.hour, when.minute, when.second);
    return buffer;
}

Prompt partialWritePrompt(const std::optional<FoundBackup>& backup, const TextLookup& text) {
    std::string question = backup ? fillTemplate(text(StrId::WriteAgainOrBackupQuestion),
                                                 {backupTimeText(backup->when), backup->path})
                                  : text(StrId::WriteAgainQuestion);
    Prompt p = composedErrorPrompt(text(StrId::WriteLeftRadioMixed) + "\n\n" + question,
                                   StrId::WriteLeftRadioMixed, text);
    // Without a backup: Write Again (OK) or Cancel; with one: Write Again (Yes), Write Backup
    // (No) or Cancel.
    const PromptAnswer again = backup ? PromptAnswer::Yes : PromptAnswer::Ok;
    p.buttons = backup ? PromptButtons::YesNoCancel : PromptButtons::OkCancel;
    p.defaultAnswer = again;
    p.buttonTexts.push_back({again, text(StrId::WriteAgainButton)});
    if (backup)
        p.buttonTexts.push_back({PromptAnswer::No, text(StrId::WriteBackupButton)});
    return p;
}

AfterPartialWrite afterPartialWrite(PromptAnswer answer) {
    switch (answer) {
    case PromptAnswer::Ok:
    case PromptAnswer::Yes:
        return AfterPartialWrite::WriteAgain;
    case PromptAnswer::No:
        return AfterPartialWrite::WriteBackup;
    default:
        return AfterPartialWrite::Leave;
    }
}

} // namespace tsw::ui
