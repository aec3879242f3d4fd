#include "app/ui/main/Application.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/DefaultImage.h"
#include "app/LanguageLoader.h"
#include "app/ModelTable.h"
#include "app/ui/DeferredIconStyle.h"
#include "app/ui/EditHistory.h"
#include "app/ui/Help.h"
#include "app/ui/HelpModule.h"
#include "app/ui/IniSettingsStore.h"
#include "app/ui/MainWindow.h"
#include "app/ui/QtLanguage.h"
#include "app/ui/UiText.h"
#include "link/PortNames.h"
#include "link/ui/RadioLink.h"

namespace tsw::ui {
namespace {

// The start-up read spells the section this way; it is the same section as "Backup".
constexpr std::string_view kStartupSection = "BackUp";

QFont courierFont() {
    QFont f(QStringLiteral("Courier"));
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setPointSize(10);
    f.setWeight(QFont::Normal);
    return f;
}

} // namespace

Application::Application(StartOptions options) : options_(std::move(options)) {}

Application::~Application() {
    if (helpHandler() == help_.get())
        setHelpHandler(nullptr);
    mainWindow_.reset();
}

StartOptions Application::parseCommandLine(const QStringList& arguments) {
    StartOptions o;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (!a.startsWith(QLatin1Char('-')))
            o.files << a;
    }
    return o;
}

void Application::prepareData() {
    AppGlobals& g = globals();
    g.memoryMapWork.fill(0xFF);
    ModelIdentity identity{};
    parseIdentityText(kDefaultIdentityText, identity);
    g.modelIndex = lookupModel(identity);
    g.identity = identity;
    g.portNumber = settings::readComPort(*settings_);
    g.verifyAfterWrite = settings::readVerifyAfterWrite(*settings_);
    // COM<n> of the settings' "Ports" section names the device of port n.
    SettingsStore* store = settings_;
    RadioLink::instance().setPortMappingSource([store] { return readPortMapping(*store); });
    RadioLink::instance().setPortMappingWriter(
        [store](int n, const std::string& path) { writePortMapping(*store, n, path); });
    resetImageToDefaults(g);
    fixedFont_ = courierFont();
}

bool Application::loadLanguage(int languageCode) {
    const int result = tsw::loadLanguage(globals().language, languageCode);
    const auto message = languageLoadMessage(result);
    if (!message) {
        applyQtLanguage(languageCode);
        return true;
    }
    Prompt p;
    p.text = std::string(*message);
    p.caption = std::string(LanguageTable::kWrapperCaption);
    p.icon = PromptIcon::Stop;
    prompt_.ask(p);
    languageFailed_ = true;
    exitCode_ = kLanguageFailureExitCode;
    return false;
}

bool Application::initInstance() {
    AppGlobals& g = globals();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        colourDepth_ = screen->depth();
    installDeferredIconStyle();
    if (options_.settings) {
        settings_ = options_.settings;
    } else {
        ownSettings_ = std::make_unique<IniSettingsStore>();
        settings_ = ownSettings_.get();
    }
    g.dataDirectory = settings_->readString(kStartupSection, settings::kDirectory).value_or("");
    prepareData();

    programDirectory_ = options_.programDirectory.isEmpty() ? QCoreApplication::applicationDirPath()
                                                            : options_.programDirectory;
    g.programDirectory = toStd(programDirectory_);
    if (g.dataDirectory.empty())
        g.dataDirectory = settings::defaultDataDirectory(g.programDirectory);

    g.languageCode = settings::readLanguage(*settings_);
    help_ = makeHelpService(prompt_, programDirectory_);
    help_->setHelpFile(fromStd(settings::helpFilePath(g.programDirectory, g.languageCode)));
    setHelpHandler(help_.get());

    g.language.setDirectory(g.programDirectory);
    if (!loadLanguage(g.languageCode))
        return false;

    MainWindow::Options frameOptions;
    frameOptions.showSplash = options_.showSplash;
    frameOptions.help = help_.get();
    frameOptions.reloadLanguage = [this](int code) {
        if (loadLanguage(code))
            return true;
        QCoreApplication::exit(kLanguageFailureExitCode); // the running program ends
        return false;
    };
    mainWindow_ = std::make_unique<MainWindow>(*settings_, std::move(frameOptions));

    if (!options_.files.isEmpty() && mainWindow_->files().openPath(options_.files.first()))
        mainWindow_->editHistory().restart(); // the file named at start is where undo begins
    mainWindow_->showAtStoredPlacement();
    mainWindow_->closeAllEditors();
    mainWindow_->postCommand(cmd::ChannelInformation);
    return true;
}

int Application::exitInstance(int loopCode) {
    if (languageFailed_)
        return kLanguageFailureExitCode;
    if (!skipSettings_ && settings_) {
        const AppGlobals& g = globals();
        settings::ExitSettings values;
        values.saveSettings = saveSettings_;
        values.identity = g.identity;
        values.portNumber = g.portNumber;
        values.languageCode = g.languageCode;
        values.dataDirectory = g.dataDirectory;
        settings::writeExitSettings(*settings_, values);
        if (auto* ini = dynamic_cast<IniSettingsStore*>(settings_))
            ini->sync();
    }
    return loopCode;
}

} // namespace tsw::ui
