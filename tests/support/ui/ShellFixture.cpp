#include "tests/support/ui/ShellFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPixmap>
#include <QSettings>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <algorithm>

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

ui::MainWindow::Options quietFrameOptions() {
    ui::MainWindow::Options o;
    o.showSplash = false;
    return o;
}

ui::StartOptions testStartOptions() {
    ui::StartOptions o;
    o.programDirectory = TSW_BIN_DIR;
    o.showSplash = false;
    return o;
}

void screenshot(QWidget* w, const char* name) {
    const QByteArray dir = qgetenv("TSW_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        w->window()->grab().save(QString::fromLocal8Bit(dir) + "/" + name + ".png");
}

void writeTextFile(const QString& path, const QString& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(text.toUtf8());
}

TempSettingsHome::TempSettingsHome() {
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
}

QString TempSettingsHome::readIni() const {
    QFile f(iniPath());
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

bool RecordingHelp::openContext(int context) {
    if (known && std::find(known->begin(), known->end(), context) == known->end())
        return false;
    opened.push_back(context);
    return true;
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
