#include "app/ui/FileCommands.h"

#include <QFileInfo>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/DataFile.h"
#include "app/DefaultImage.h"
#include "app/FileText.h"
#include "app/TextTemplate.h"
#include "app/ui/DataFileDialog.h"
#include "app/ui/EditHistory.h"
#include "app/ui/Shell.h"
#include "app/ui/UiText.h"

namespace tsw::ui {
namespace {

constexpr char kCloseQuestionCaption[] = "TSW-62M";

// The language text `text` (followed by `extra`) to confirm with OK; Cancel is the default.
Prompt confirmation(StringId text, const std::string& extra = {}) {
    Prompt p = textPrompt(text, StrId::ConfirmCaption, PromptIcon::Exclamation, tr, extra);
    p.buttons = PromptButtons::OkCancel;
    p.defaultAnswer = PromptAnswer::Cancel;
    return p;
}

QString dataDirectory() {
    return fromStd(globals().dataDirectory);
}

} // namespace

std::string folderWithSeparator(const std::string& path) {
    const auto cut = path.find_last_of('/');
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string fileNameOf(const std::string& path) {
    const auto cut = path.find_last_of('/');
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

void FileCommands::showError(const std::string& text) {
    shell_.prompt().ask(composedErrorPrompt(text));
}

// "Opened a.dat": the status bar names the file the command used.
void FileCommands::tell(StringId text, const QString& path) {
    shell_.showStatusMessage(fromStd(fillTemplate(tr(text), {fileNameOf(toStd(path))})));
}

void FileCommands::newFile() {
    if (shell_.prompt().ask(confirmation(StrId::NewDataQuestion)) != PromptAnswer::Ok)
        return;
    resetImageToDefaults(globals());
    shell_.refreshModelDisplay();
    shell_.closeAllEditors();
    shell_.postCommand(cmd::ChannelInformation);
    shell_.showStatusMessage(plainText(StrId::StatusNewData));
}

FileCommands::OpenResult FileCommands::load(const QString& path) {
    AppGlobals& g = globals();
    g.currentFilePath = toStd(path);
    FileStatus why;
    switch (datafile::readDataFile(toStd(path), g.image, why)) {
    case datafile::ReadResult::CannotOpen:
        showError(fileProblemText(FileAction::Open, toStd(path), why));
        return OpenResult::CannotOpen;
    case datafile::ReadResult::WrongFormat:
        showError(tr(StrId::WrongFileFormat));
        return OpenResult::WrongFormat;
    case datafile::ReadResult::Ok:
        break;
    }
    g.currentFileName = fileNameOf(toStd(path));
    takeOverIdentity(g);
    shell_.refreshModelDisplay();
    markSaved(g);
    g.dataDirectory = folderWithSeparator(toStd(path));
    shell_.closeAllEditors();
    shell_.postCommand(cmd::ChannelInformation);
    if (fileUsed_)
        fileUsed_(path);
    tell(StrId::StatusOpened, path);
    return OpenResult::Opened;
}

// A file that cannot be opened brings the dialog back, within the same command: the
// unsaved-changes question is not asked twice and the file finally opened is one undo step.
void FileCommands::open() {
    globals().flags.fileActivity = true;
    OpenResult result = OpenResult::CannotOpen;
    while (result == OpenResult::CannotOpen) {
        DataFileDialog dialog(DataFileDialog::Kind::Open, dataDirectory(), QString(),
                              shell_.window());
        if (dialog.exec() != QDialog::Accepted)
            return;
        result = load(dialog.chosenPath());
    }
}

bool FileCommands::openPath(const QString& path) {
    return load(QFileInfo(path).absoluteFilePath()) == OpenResult::Opened;
}

void FileCommands::save() {
    AppGlobals& g = globals();
    g.flags.fileActivity = true;
    const std::string path = g.dataDirectory + g.currentFileName;
    if (g.currentFileName.empty() || !QFileInfo(fromStd(path)).isFile()) {
        saveAs();
        return;
    }
    if (shell_.prompt().ask(confirmation(StrId::OverwriteQuestion, g.currentFileName)) !=
        PromptAnswer::Ok)
        return;
    if (writeImage(fromStd(path))) {
        markSaved(g);
        fileSaved(fromStd(path));
    }
}

std::optional<QString> FileCommands::askSavePath() {
    DataFileDialog dialog(DataFileDialog::Kind::Save, dataDirectory(),
                          fromStd(globals().currentFileName), shell_.window());
    if (dialog.exec() != QDialog::Accepted || dialog.chosenPath().isEmpty())
        return std::nullopt;
    return dialog.chosenPath();
}

bool FileCommands::writeImage(const QString& path) {
    const FileWriteResult r = datafile::writeDataFile(toStd(path), globals().image);
    if (!r)
        showError(fileProblemText(FileAction::Write, toStd(path), r));
    return static_cast<bool>(r);
}

void FileCommands::adoptSavedFile(const QString& path) {
    AppGlobals& g = globals();
    g.currentFilePath = toStd(path);
    g.currentFileName = fileNameOf(toStd(path));
    g.dataDirectory = folderWithSeparator(toStd(path));
    markSaved(g);
    fileSaved(path);
    shell_.refreshModelDisplay();
}

// The undo history's states of this file now compare with what was written.
void FileCommands::fileSaved(const QString& path) {
    if (EditHistory* history = editHistory())
        history->documentSaved();
    if (fileUsed_)
        fileUsed_(path);
    tell(StrId::StatusSaved, path);
}

void FileCommands::saveAs() {
    globals().flags.fileActivity = true;
    const auto path = askSavePath();
    if (!path)
        return;
    const std::string target = toStd(*path);
    if (spaceCheck_ ? spaceCheck_(target) : datafile::targetNearlyFull(target)) {
        showError(datafile::diskFullText());
        return;
    }
    if (writeImage(*path))
        adoptSavedFile(*path);
}

bool FileCommands::askToSaveChanges() {
    AppGlobals& g = globals();
    if (!hasUnsavedChanges(g))
        return true;
    Prompt p;
    p.textId = StrId::SaveChangesQuestion;
    p.text = tr(StrId::SaveChangesQuestion) + " \"" + g.currentFileName + "\" ?";
    p.caption = kCloseQuestionCaption;
    p.icon = PromptIcon::Exclamation;
    p.buttons = PromptButtons::YesNoCancel;
    p.defaultAnswer = PromptAnswer::Yes;
    switch (shell_.prompt().ask(p)) {
    case PromptAnswer::No:
        return true;
    case PromptAnswer::Yes:
        break;
    default:
        return false;
    }
    const auto path = askSavePath();
    if (!path || !writeImage(*path))
        return false;
    adoptSavedFile(*path);
    return true;
}

} // namespace tsw::ui
