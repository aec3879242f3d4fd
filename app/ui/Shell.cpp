#include "app/ui/Shell.h"

#include "app/ui/MessagePrompt.h"

namespace tsw::ui {
namespace {

// The stand-in without a main window: questions still reach the user, the rest does nothing.
class StandInShell : public Shell {
public:
    QWidget* window() override { return nullptr; }
    UserPrompt& prompt() override { return prompt_; }
    void postCommand(int) override {}
    void runCommand(int) override {}
    EditorForm* openEditor(int) override { return nullptr; }
    EditorForm* openEditorOf(int) override { return nullptr; }
    void closeAllEditors() override {}
    void refreshModelDisplay() override {}
    void refreshPortPane() override {}
    void refreshMenus() override {}
    void editorFrameCreated() override {}
    void editorFrameDestroyed() override {}

private:
    MessagePrompt prompt_;
};

StandInShell& standIn() {
    static StandInShell s;
    return s;
}

Shell* g_shell = nullptr;

} // namespace

void setShell(Shell* s) {
    g_shell = s;
}
Shell& shell() {
    return g_shell ? *g_shell : standIn();
}

} // namespace tsw::ui
