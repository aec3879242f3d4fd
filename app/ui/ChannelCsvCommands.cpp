#include "app/ui/ChannelCsvCommands.h"

#include <QFileDialog>
#include <QFileInfo>

#include "app/AppGlobals.h"
#include "app/AtomicFile.h"
#include "app/CommandIds.h"
#include "app/FileText.h"
#include "app/TextTemplate.h"
#include "app/ui/Shell.h"
#include "app/ui/UiText.h"
#include "editors/channel/ChannelCsv.h"
#include "editors/channel/ChannelRecord.h"

namespace tsw::ui {
namespace {

constexpr char kCsvExtension[] = "csv";

void showError(Shell& shell, const std::string& text, StringId textId = 0) {
    shell.prompt().ask(composedErrorPrompt(text, textId));
}

// The chosen path, or none when the dialog was cancelled.
std::optional<QString> askCsvPath(Shell& shell, StringId title, bool save) {
    QFileDialog dialog(shell.window(), plainText(title));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setNameFilter(plainText(StrId::CsvFileFilter));
    dialog.setDefaultSuffix(QString::fromLatin1(kCsvExtension));
    dialog.setDirectory(fromStd(globals().dataDirectory));
    dialog.setFileMode(QFileDialog::AnyFile); // a name that does not open is answered afterwards
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (save) // the data file's name with the CSV extension
        dialog.selectFile(QFileInfo(fromStd(globals().currentFileName)).completeBaseName() + "." +
                          kCsvExtension);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

// "Exported 16 channels to x.csv" in the status bar.
void tell(Shell& shell, StringId text, int channels, const QString& path) {
    shell.showStatusMessage(fromStd(
        fillTemplate(tr(text), {std::to_string(channels), toStd(QFileInfo(path).fileName())})));
}

} // namespace

std::string csvProblemsText(StringId heading, const std::vector<CsvProblem>& problems) {
    std::string text = tr(heading) + "\n";
    int shown = 0;
    for (const CsvProblem& problem : problems) {
        if (shown++ == kShownCsvProblems) {
            text += "\n" + tr(StrId::CsvProblemMore);
            break;
        }
        text += "\n" + formatCsvProblem(problem);
    }
    return text;
}

void importChannelsCsv(Shell& shell) {
    const auto path = askCsvPath(shell, StrId::MenuFileImportCsv, false);
    if (!path)
        return;
    const FileReadResult file = readFileContents(toStd(*path), kMaxCsvBytes + 1);
    if (!file) {
        showError(shell, fileProblemText(FileAction::Open, toStd(*path), file.status),
                  StrId::FileCannotOpen);
        return;
    }
    AppGlobals& g = globals();
    const CsvImportResult result = importChannelsCsv(file.contents, g.image, g.narrowStepsOnly);
    if (!result.imported()) {
        showError(shell, csvProblemsText(StrId::CsvImportRefused, result.problems),
                  StrId::CsvImportRefused);
        return;
    }
    shell.closeAllEditors();
    shell.postCommand(cmd::ChannelInformation);
    tell(shell, StrId::StatusImported, result.channels, *path);
}

void exportChannelsCsv(Shell& shell) {
    const auto path = askCsvPath(shell, StrId::MenuFileExportCsv, true);
    if (!path)
        return;
    const std::string csv = exportChannelsCsv(globals().image);
    const FileWriteResult r = writeFileAtomically(
        toStd(*path), {reinterpret_cast<const std::uint8_t*>(csv.data()), csv.size()});
    if (!r) {
        showError(shell, fileProblemText(FileAction::Write, toStd(*path), r),
                  StrId::FileCannotWrite);
        return;
    }
    tell(shell, StrId::StatusExported, countUsedChannels(globals().image), *path);
}

} // namespace tsw::ui
