#pragma once
// Shared by the radio link widget tests: the program's image, a main-window stand-in that
// records what the link windows ask of it, the simulated radio on COM1 and its log.

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/AppGlobals.h"
#include "app/Settings.h"
#include "app/ui/MessagePrompt.h"
#include "app/ui/Shell.h"
#include "app/ui/UiText.h"
#include "link/PortNames.h"
#include "link/ui/RadioLink.h"
#include "tests/support/RadioSim.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/DialogScript.h"
#include "tests/support/ui/ShellFixture.h"

namespace tsw::test {

using ui::uiText;

// The program's image and its saved copy.
inline void setProgramImage(const RadioImage& image) {
    globals().image = image;
    takeOverIdentity(globals());
    markSaved(globals());
}

// Records what the link windows ask of the main window; questions are message boxes.
class RecordingShell : public ui::Shell {
public:
    RecordingShell() { ui::setShell(this); }
    ~RecordingShell() override { ui::setShell(nullptr); }
    QWidget* window() override { return nullptr; }
    UserPrompt& prompt() override { return prompt_; }
    void postCommand(int command) override { posted.push_back(command); }
    void runCommand(int) override {}
    ui::EditorForm* openEditor(int) override { return nullptr; }
    ui::EditorForm* openEditorOf(int) override { return nullptr; }
    void closeAllEditors() override { ++closeAllCount; }
    void refreshModelDisplay() override {}
    void refreshPortPane() override { ++portRefreshes; }
    void refreshMenus() override {}
    void showStatusMessage(const QString& text) override { statusMessages.push_back(text); }
    void editorFrameCreated() override {}
    void editorFrameDestroyed() override {}

    std::vector<int> posted;
    std::vector<QString> statusMessages;
    int closeAllCount = 0;
    int portRefreshes = 0;

private:
    ui::MessagePrompt prompt_;
};

// COM1 of the program is the simulated radio, mapped through the settings' "Ports" section.
inline void mapCom1(const std::string& device) {
    auto store = std::make_shared<MemorySettingsStore>();
    store->writeString("Ports", "COM1", device);
    globals().portNumber = 1;
    ui::RadioLink::instance().setPortMappingSource([store] { return readPortMapping(*store); });
}

// The simulated radio with `memory` on COM1, logging to dir/radio.log; `more` options follow.
inline RadioSim radioOnCom1(const TempDir& dir, const RadioImage& memory,
                            std::vector<std::string> more = {}) {
    more.insert(more.begin(), {"--log", dir.file("radio.log").string()});
    RadioSim radio = RadioSim::withImage(dir, memory, std::move(more));
    mapCom1(radio.port());
    return radio;
}

// The bytes the program sent, one string per burst ("1C 20 C8"), from the simulator's log.
inline std::vector<std::string> sentBursts(const std::filesystem::path& log) {
    std::vector<std::string> out;
    std::ifstream in(log);
    for (std::string line; std::getline(in, line);)
        if (const auto mark = line.find(" > "); mark != std::string::npos)
            out.push_back(line.substr(mark + 3));
    return out;
}

} // namespace tsw::test
