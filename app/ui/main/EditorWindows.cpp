// What each menu command opens. The main frame handles its own commands itself (File New, Open,
// Save, Save As and Exit, Model Information, Language File Setup, the View, Window and Help
// menus: MainWindow::runBuiltIn); every other command is one line here.

#include "app/ui/main/EditorWindows.h"

#include "app/CommandIds.h"
#include "app/ui/ChannelCsvCommands.h"
#include "app/ui/EditorRegistry.h"
#include "app/ui/Modules.h"
#include "app/ui/Shell.h"
#include "editors/channel/ui/ChannelEditView.h"
#include "editors/channel/ui/ChannelInfoView.h"
#include "editors/channel/ui/ChannelWindows.h"
#include "editors/channel/ui/MemoryMapDialog.h"
#include "editors/channel/ui/QtDqtTableDialog.h"
#include "editors/channel/ui/TestFrequencyView.h"
#include "editors/feature/ui/CrewLinkView.h"
#include "editors/feature/ui/DtmfView.h"
#include "editors/feature/ui/EmbeddedMessageView.h"
#include "editors/feature/ui/KeyAssignmentView.h"
#include "editors/feature/ui/OptionalFeaturesView.h"
#include "editors/feature/ui/ScanView.h"
#include "fields/ui/CheckWindow.h"
#include "fields/ui/CompareWindow.h"
#include "fleet/ui/FleetDialog.h"
#include "link/ui/LinkCommands.h"

namespace tsw::ui {

namespace {

template <typename Dialog>
void runModal(Shell& shell) {
    Dialog dialog(shell.window());
    dialog.exec();
}

// A command on the open channel table; nothing without one (the menu enables it only then).
CommandHandler onChannelTable(void (ChannelInfoView::*act)()) {
    return [act](Shell&) {
        if (ChannelInfoView* view = channelInfoView())
            (view->*act)();
    };
}

} // namespace

void registerEditorWindows() {
    // Editor windows: MDI children of the main frame, each open at most once.
    registerEditor(cmd::ChannelInformation, [] { return new ChannelInfoView; });
    registerEditor(cmd::OpenChannelEdit, [] { return new ChannelEditView; }); // from the table
    registerEditor(cmd::OptionalFeatures, [] { return new OptionalFeaturesView; });
    registerEditor(cmd::KeyAssignment, [] { return new KeyAssignmentView; });
    registerEditor(cmd::ScanInformation, [] { return new ScanView; });
    registerEditor(cmd::Dtmf, [] { return new DtmfView; });         // in no menu of this model
    registerEditor(cmd::CrewLink, [] { return new CrewLinkView; }); // in no menu of this model
    registerEditor(cmd::TestFrequency, [] { return new TestFrequencyView; });
    registerEditor(cmd::EmbeddedMessage, [] { return new EmbeddedMessageView; });

    // The Edit menu's channel commands.
    registerCommand(cmd::InsertChannel, onChannelTable(&ChannelInfoView::insertChannel));
    registerCommand(cmd::DeleteChannel, onChannelTable(&ChannelInfoView::deleteChannel));
    registerCommand(cmd::CopyChannel, onChannelTable(&ChannelInfoView::copyChannel));
    registerCommand(cmd::CopyRows, onChannelTable(&ChannelInfoView::copyRows));
    registerCommand(cmd::PasteRows, onChannelTable(&ChannelInfoView::pasteRows));

    // Modal dialogs on the image.
    registerCommand(cmd::QtDqtTable, runModal<QtDqtTableDialog>);
    registerCommand(cmd::MemoryMap, runModal<MemoryMapDialog>);
    registerCommand(cmd::FileImportCsv, importChannelsCsv);
    registerCommand(cmd::FileExportCsv, exportChannelsCsv);

    // Check Configuration and the compare windows.
    registerCommand(cmd::CheckConfiguration, [](Shell& shell) { openCheckWindow(shell); });
    registerCommand(cmd::CompareWithFile, compareWithFile);
    registerCommand(cmd::CompareWithRadio, runCompareWithRadio);

    // The radio link: one at a time.
    registerCommand(cmd::ReadFromRadio, runReadFromRadio);
    registerCommand(cmd::WriteToRadio, runWriteToRadio);
    registerCommand(cmd::WriteToSeveralRadios, runWriteToSeveralRadios);
    registerCommand(cmd::TestMode, runTestModeCommand);
    registerCommand(cmd::RadioInformation, runRadioInformation);
    registerCommand(cmd::CommunicationPort, runCommunicationPort);

    // Printing: in the print module, which the first of them loads.
    registerCommand(cmd::FilePrint, printModuleCommand(cmd::FilePrint));
    registerCommand(cmd::FilePrintPreview, printModuleCommand(cmd::FilePrintPreview));
}

} // namespace tsw::ui
