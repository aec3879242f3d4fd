#pragma once
// Shared by the radio link widget tests: the program's texts, a main-window stand-in that
// records what the link windows ask of it, the simulated radio on COM1, its log, and a script
// that answers the modal dialogs and message boxes one after the other.

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "app/AppGlobals.h"
#include "app/DefaultImage.h"
#include "app/LanguageLoader.h"
#include "app/ModelTable.h"
#include "app/Settings.h"
#include "app/ui/Help.h"
#include "app/ui/MessagePrompt.h"
#include "app/ui/Shell.h"
#include "link/PortNames.h"
#include "link/ui/RadioLink.h"
#include "tests/support/RadioSim.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/ModalAnswerer.h"

namespace tsw::test {

// The English texts, as the program loads them.
inline bool loadEnglish() {
    globals().language.setDirectory(TSW_BIN_DIR);
    return loadLanguage(globals().language, 2) == 0;
}

// A language text as the windows show it.
inline QString langText(StringId id) {
    return QString::fromStdString(tsw::tr(id));
}

// The image New gives, with the radio's identity "H5520".
inline RadioImage defaultImage() {
    ModelIdentity identity{};
    parseIdentityText(kDefaultIdentityText, identity);
    RadioImage image;
    buildDefaultImage(image, identity);
    return image;
}

// The program's image and its saved copy.
inline void setProgramImage(const RadioImage& image) {
    globals().image = image;
    takeOverIdentity(globals());
    markSaved(globals());
}

// Screenshots go to $TSW_SCREENSHOT_DIR when it is set.
inline void screenshot(QWidget* w, const char* name) {
    const QByteArray dir = qgetenv("TSW_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        w->window()->grab().save(QString::fromLocal8Bit(dir) + "/" + name + ".png");
}

// Records what the link windows ask of the main window; questions are message boxes.
class RecordingShell : public ui::Shell {
public:
    RecordingShell() { ui::setShell(this); }
    ~RecordingShell() override { ui::setShell(nullptr); }
    QWidget* window() override { return nullptr; }
    UserPrompt& prompt() override { return prompt_; }
    void postCommand(int command) override { posted.push_back(command); }
    void runCommand(int command) override { ran.push_back(command); }
    ui::EditorForm* openEditor(int) override { return nullptr; }
    ui::EditorForm* openEditorOf(int) override { return nullptr; }
    void closeAllEditors() override { ++closeAllCount; }
    void refreshModelDisplay() override { ++modelRefreshes; }
    void refreshPortPane() override { ++portRefreshes; }
    void refreshMenus() override {}
    void editorFrameCreated() override {}
    void editorFrameDestroyed() override {}

    std::vector<int> posted;
    std::vector<int> ran;
    int closeAllCount = 0;
    int modelRefreshes = 0;
    int portRefreshes = 0;

private:
    ui::MessagePrompt prompt_;
};

// Records help requests; every context opens.
class RecordingHelp : public ui::HelpHandler {
public:
    RecordingHelp() { ui::setHelpHandler(this); }
    ~RecordingHelp() override { ui::setHelpHandler(nullptr); }
    bool openContext(int context) override {
        opened.push_back(context);
        return true;
    }
    void openDefault() override { opened.push_back(-1); }
    void closeAll() override {}
    std::vector<int> opened;
};

// COM1 of the program is the simulated radio, mapped through the settings' "Ports" section.
inline void mapCom1(const std::string& device) {
    auto store = std::make_shared<MemorySettingsStore>();
    store->writeString("Ports", "COM1", device);
    globals().portNumber = 1;
    ui::RadioLink::instance().setPortMappingSource([store] { return readPortMapping(*store); });
}

// The bytes the program sent, one string per burst ("1C 20 C8"), from the simulator's log.
inline std::vector<std::string> sentBursts(const std::filesystem::path& log) {
    std::vector<std::string> out;
    std::ifstream in(log);
    std::string line;
    while (std::getline(in, line)) {
        const auto mark = line.find(" > ");
        if (mark != std::string::npos)
            out.push_back(line.substr(mark + 3));
    }
    return out;
}

inline std::vector<std::string> notes(const std::filesystem::path& log) {
    std::vector<std::string> out;
    std::ifstream in(log);
    std::string line;
    while (std::getline(in, line)) {
        const auto mark = line.find(" # ");
        if (mark != std::string::npos)
            out.push_back(line.substr(mark + 3));
    }
    return out;
}

// Answers modal windows in order: each step acts on the active modal widget and says whether
// it dealt with it. Long work (a transfer started from a dialog) must be posted, not run
// inside the step, so that the next steps can answer what it shows.
class ModalScript {
public:
    using Step = std::function<bool(QWidget*)>;
    ModalScript() : answerer_([this](QWidget* m) { return run(m); }, 10) {}
    ModalScript& then(Step s) {
        steps_.push_back(std::move(s));
        return *this;
    }
    bool done() const { return steps_.empty(); }
    std::size_t left() const { return steps_.size(); }
    std::vector<MessageBoxRecord> boxes; // every message box answered, in order

    // A step that presses `button` on a message box and records it.
    Step press(QMessageBox::StandardButton button) {
        return [this, button](QWidget* m) {
            MessageBoxRecord r;
            if (!pressMessageBoxButton(button, &r)(m))
                return false;
            boxes.push_back(r);
            return true;
        };
    }

    // Modal windows no step was written for (closed after a while, so a test fails instead
    // of hanging).
    int unexpected = 0;

private:
    static constexpr int kUnexpectedAfterMs = 3000;
    bool run(QWidget* modal) {
        if (!steps_.empty() && steps_.front()(modal)) {
            steps_.pop_front();
            waiting_.invalidate();
            return true;
        }
        if (waitingFor_ != modal || !waiting_.isValid()) {
            waitingFor_ = modal;
            waiting_.start();
            return false;
        }
        if (waiting_.elapsed() < kUnexpectedAfterMs)
            return false;
        ++unexpected;
        waiting_.invalidate();
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            box->reject();
        else if (auto* dialog = qobject_cast<QDialog*>(modal))
            QTimer::singleShot(0, dialog, [dialog] { dialog->done(QDialog::Rejected); });
        return true;
    }
    std::deque<Step> steps_;
    QPointer<QWidget> waitingFor_;
    QElapsedTimer waiting_;
    ModalAnswerer answerer_;
};

// A step for a dialog of type T: runs `act` on it later (posted), so that it may block.
template <class T>
ModalScript::Step postTo(std::function<void(T*)> act) {
    return [act](QWidget* m) {
        auto* d = qobject_cast<T*>(m);
        if (!d)
            return false;
        QTimer::singleShot(0, d, [d, act] { act(d); });
        return true;
    };
}

} // namespace tsw::test
