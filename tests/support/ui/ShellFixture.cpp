#include "tests/support/ui/ShellFixture.h"

#include <QLineEdit>
#include <QVBoxLayout>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/DefaultImage.h"
#include "app/LanguageLoader.h"
#include "app/ModelTable.h"
#include "app/ui/EditorRegistry.h"

namespace tsw::test {

bool loadTestLanguage(int code) {
    AppGlobals& g = globals();
    g.language.setDirectory(TSW_BIN_DIR);
    g.languageCode = code;
    return tsw::loadLanguage(g.language, code) == 0;
}

void resetGlobals(const QString& dataDirectory) {
    AppGlobals& g = globals();
    ModelIdentity id{};
    parseIdentityText(kDefaultIdentityText, id);
    g.identity = id;
    g.modelIndex = lookupModel(id);
    g.flags = SharedFlags{};
    g.portNumber = 1;
    resetImageToDefaults(g);
    markSaved(g);
    g.currentFilePath.clear();
    g.dataDirectory = dataDirectory.toStdString();
    if (!g.dataDirectory.empty() && g.dataDirectory.back() != '/')
        g.dataDirectory += '/';
}

StandInEditor::StandInEditor(int helpContext, const QString& title) : ui::EditorForm(helpContext) {
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(body());
    auto* edit = new QLineEdit(body());
    layout->addWidget(edit);
}

void registerStandInEditors() {
    struct E {
        int command;
        int context;
        const char* title;
    };
    const E editors[] = {
        {cmd::ChannelInformation, 150, "Channel Information"},
        {cmd::OptionalFeatures, 152, "Optional Features"},
        {cmd::KeyAssignment, 153, "Key Assignment"},
        {cmd::ScanInformation, 154, "Scan"},
        {cmd::Dtmf, 155, "DTMF"},
        {cmd::CrewLink, 156, "CrewLink"},
        {cmd::TestFrequency, 157, "Test Frequency"},
        {cmd::EmbeddedMessage, 158, "Embedded Message"},
        {cmd::OpenChannelEdit, 159, "Channel Edit"},
    };
    for (const E& e : editors)
        ui::registerEditor(
            e.command, [e] { return new StandInEditor(e.context, QString::fromLatin1(e.title)); });
}

} // namespace tsw::test
