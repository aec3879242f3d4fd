#pragma once
// New, Open, Save and Save As on the global image, and the unsaved-changes question when the
// program closes. Dialogs and message boxes go through the shell (its window and prompt).
//
// Save writes only after the overwrite question; with no current file yet, or when the file
// is gone, it runs Save As. Every write is atomic; a failed write shows the system's error
// text and leaves the image unsaved. Save As refuses a target whose file system has 9 KiB or
// less free. What was done is told in the status bar ("Opened a.dat", "Saved a.dat"), and
// every file opened or saved is reported to the file-used handler (the recent files).

#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "app/StringIds.h"

namespace tsw::ui {

class Shell;

class FileCommands {
public:
    explicit FileCommands(Shell& shell) : shell_(shell) {}

    void newFile();
    // Asks again for a file while the chosen one cannot be opened.
    void open();
    void save();
    void saveAs();
    // Opens a file without the dialog (a file named on the command line). Returns true when
    // the image was replaced; messages as for Open, but the dialog is not shown again.
    bool openPath(const QString& path);
    // The unsaved-changes question (Yes / No / Cancel) asked after the user confirmed closing,
    // and before a command replaces the data. True to go on: there was nothing to save, the
    // user chose No, or Yes and the file was written; false for Cancel, or when the save dialog
    // was cancelled or the file could not be written.
    bool askToSaveChanges();

    // Whether Save As must refuse a target for want of space (datafile::targetNearlyFull;
    // tests put a stand-in here).
    using SpaceCheck = std::function<bool(const std::string& path)>;
    void setSpaceCheck(SpaceCheck check) { spaceCheck_ = std::move(check); }

    // Called with the full path of every file opened or written.
    using FileUsed = std::function<void(const QString& path)>;
    void setFileUsedHandler(FileUsed handler) { fileUsed_ = std::move(handler); }

private:
    enum class OpenResult { Opened, CannotOpen, WrongFormat };
    OpenResult load(const QString& path);
    std::optional<QString> askSavePath();
    bool writeImage(const QString& path); // reports a failure; true when written
    void adoptSavedFile(const QString& path);
    void fileSaved(const QString& path);
    void showError(const std::string& text);
    void tell(StringId text, const QString& path);

    Shell& shell_;
    SpaceCheck spaceCheck_;
    FileUsed fileUsed_;
};

// The folder of a path with a trailing separator ("/data/a.dat" -> "/data/").
std::string folderWithSeparator(const std::string& path);
// The name and extension of a path.
std::string fileNameOf(const std::string& path);

} // namespace tsw::ui
