#include "app/CommandTable.h"

#include <array>

#include "app/CommandIds.h"

namespace tsw {
namespace {

using namespace std::string_view_literals;

constexpr CommandItem kFileItems[] = {
    {cmd::FileNew, StrId::MenuFileNew, "Ctrl+N"sv},
    {cmd::FileOpen, StrId::MenuFileOpen, "Ctrl+O"sv},
    {cmd::FileSave, StrId::MenuFileSave, "Ctrl+S"sv},
    {cmd::FileSaveAs, StrId::MenuFileSaveAs, {}},
    {},
    {cmd::FileImportCsv, StrId::MenuFileImportCsv, {}},
    {cmd::FileExportCsv, StrId::MenuFileExportCsv, {}},
    {cmd::CompareWithFile, StrId::MenuCompareWithFile, {}},
    {},
    {cmd::FilePrint, StrId::MenuFilePrint, "Ctrl+P"sv},
    {cmd::FilePrintPreview, StrId::MenuFilePrintPreview, {}},
    {},
    {cmd::FileExit, StrId::MenuFileExit, {}},
};
constexpr CommandItem kModelItems[] = {
    {cmd::ModelInformation, StrId::MenuModelInformation, {}},
};
constexpr CommandItem kToolsItems[] = {
    {cmd::RadioInformation, StrId::MenuRadioInformation, {}},
    {cmd::CheckConfiguration, StrId::MenuCheckConfiguration, {}},
};
constexpr CommandItem kSetupItems[] = {
    {cmd::CommunicationPort, StrId::MenuCommunicationPort, {}},
    {cmd::LanguageFileSetup, StrId::MenuLanguageFileSetup, {}},
    {},
    {cmd::VerifyAfterWriting, StrId::MenuVerifyAfterWriting, {}},
};
constexpr CommandItem kViewItems[] = {
    {cmd::TreeView, StrId::MenuTreeView, {}},
    {},
    {cmd::ViewToolbar, StrId::MenuToolbar, {}},
    {cmd::ViewStatusBar, StrId::MenuStatusBar, {}},
};
constexpr CommandItem kWindowItems[] = {
    {cmd::Cascade, StrId::MenuCascade, {}},
    {cmd::TileHorizontally, StrId::MenuTileHorizontally, {}},
    {cmd::TileVertically, StrId::MenuTileVertically, {}},
    {cmd::ArrangeIcons, StrId::MenuArrangeIcons, {}},
    {},
    {cmd::CloseAllWindows, StrId::MenuCloseAllWindows, {}},
};
constexpr CommandItem kHelpItems[] = {
    {cmd::HelpTopics, StrId::MenuHelpTopics, {}},
    {},
    {cmd::HelpAbout, StrId::MenuAbout, {}},
};

// Undo shows Ctrl+Z, Redo Ctrl+Y (Ctrl+Shift+Z works too); the channel commands show the keys
// that the channel table answers.
constexpr CommandItem kEditHead[] = {
    {cmd::EditUndo, StrId::MenuEditUndoNothing, "Ctrl+Z"sv},
    {cmd::EditRedo, StrId::MenuEditRedoNothing, "Ctrl+Y"sv},
    {cmd::EditClearUndoHistory, StrId::MenuEditClearUndoHistory, {}},
    {},
};
constexpr CommandItem kEditTail[] = {
    {},
    {cmd::InsertChannel, StrId::MenuEditInsertChannel, "Ctrl+I"sv},
    {cmd::DeleteChannel, StrId::MenuEditDeleteChannel, "Ctrl+D"sv},
    {cmd::CopyChannel, StrId::MenuEditCopyChannel, "Ctrl+E"sv},
    {},
    {cmd::CopyRows, StrId::MenuEditCopyRows, "Ctrl+C"sv},
    {cmd::PasteRows, StrId::MenuEditPasteRows, "Ctrl+V"sv},
};

constexpr CommandUndoStep kCommandSteps[] = {
    {cmd::FileNew, StrId::StepNewData, true},
    {cmd::FileOpen, StrId::StepOpenFile, true},
    {cmd::ReadFromRadio, StrId::TransferReadCaption, true},
    {cmd::FileImportCsv, StrId::StepImportChannels, true},
    {cmd::ModelInformation, StrId::TitleModelInformation, false}, // asks before a reset only
    {cmd::MemoryMap, StrId::TitleMemoryMap, false},
};

constexpr std::array<MenuDef, 9> kMenus{{
    {MenuId::File, StrId::MenuFile, kFileItems},
    {MenuId::Model, StrId::MenuModel, kModelItems},
    {MenuId::Edit, StrId::MenuEdit, {}},
    {MenuId::Program, StrId::MenuProgram, {}},
    {MenuId::Tools, StrId::MenuTools, kToolsItems},
    {MenuId::Setup, StrId::MenuSetup, kSetupItems},
    {MenuId::View, StrId::MenuView, kViewItems},
    {MenuId::Window, StrId::MenuWindow, kWindowItems},
    {MenuId::Help, StrId::MenuHelp, kHelpItems},
}};

// Commands of the Program menu (built from the model table) with their shortcuts.
struct Shortcut {
    int command;
    std::string_view keys;
};
constexpr Shortcut kListShortcuts[] = {
    {cmd::ReadFromRadio, "Ctrl+R"sv},
    {cmd::WriteToRadio, "Ctrl+W"sv},
    {cmd::TestMode, "Ctrl+T"sv},
    {cmd::MemoryMap, "Ctrl+M"sv},
};

struct SharedTopic {
    int command;
    int context;
};
constexpr SharedTopic kSharedTopics[] = {
    {cmd::ScanInformation, 154}, {cmd::FilePrint, 32900},        {cmd::ViewToolbar, 32902},
    {cmd::ViewStatusBar, 32903}, {cmd::TileHorizontally, 32905}, {cmd::TileVertically, 32906},
    {cmd::HelpTopics, 32908},    {cmd::HelpAbout, 32910},
};

} // namespace

std::span<const MenuDef> mainMenus() {
    return kMenus;
}

const MenuDef& menuDef(MenuId id) {
    return kMenus[static_cast<std::size_t>(id)];
}

std::string_view commandShortcut(int command) {
    for (const auto& s : kListShortcuts)
        if (s.command == command)
            return s.keys;
    for (const auto& menu : kMenus)
        for (const auto& item : menu.items)
            if (item.command == command)
                return item.shortcut;
    for (const auto items : {editMenuHead(), editMenuTail()})
        for (const auto& item : items)
            if (item.command == command)
                return item.shortcut;
    return {};
}

const CommandUndoStep* commandUndoStep(int command) {
    for (const auto& step : kCommandSteps)
        if (step.command == command)
            return &step;
    return nullptr;
}

std::span<const CommandItem> editMenuHead() {
    return kEditHead;
}

std::span<const CommandItem> editMenuTail() {
    return kEditTail;
}

int commandHelpContext(int command) {
    for (const auto& t : kSharedTopics)
        if (t.command == command)
            return t.context;
    return command;
}

bool OpenEditorCount::change(int delta) {
    if (count_ < 0) {
        count_ = 0;
        return false;
    }
    if (count_ > 8) {
        count_ = 8;
        return false;
    }
    count_ += delta;
    return count_ == 0 || (delta > 0 && count_ == 1);
}

} // namespace tsw
