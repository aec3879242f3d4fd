#include "app/ui/CQb5812App.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/DefaultImage.h"
#include "app/LanguageLoader.h"
#include "app/ModelTable.h"
#include "app/ui/CMainFrame.h"
#include "app/ui/DeferredIconStyle.h"
#include "app/ui/Help.h"
#include "app/ui/HelpModule.h"
#include "app/ui/IniSettingsStore.h"
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

CQb5812App::CQb5812App(StartOptions options) : options_(std::move(options)) {}

CQb5812App::~CQb5812App() {
    if (helpHandler() == help_.get())
        setHelpHandler(nullptr);
    mainFrame_.reset();
}

StartOptions CQb5812App::parseCommandLine(const QStringList& arguments) {
    StartOptions o;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (!a.startsWith(QLatin1Char('-')))
            o.files << a;
    }
    return o;
}

void CQb5812App::prepareData() {
    AppGlobals& g = globals();
    g.memoryMapWork.fill(0xFF);
    g.spareWork48.fill(0xFF);
    ModelIdentity identity{};
    parseIdentityText(kDefaultIdentityText, identity);
    g.modelIndex = lookupModel(identity);
    g.identity = identity;
    g.portNumber = settings::readComPort(*settings_);
    // COM<n> of the settings' "Ports" section names the device of port n.
    SettingsStore* store = settings_;
    RadioLink::instance().setPortMappingSource([store] { return readPortMapping(*store); });
    resetImageToDefaults(g);
    fixedFont_ = courierFont();
}

bool CQb5812App::loadLanguage(int languageCode) {
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

bool CQb5812App::initInstance() {
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

    CMainFrame::Options frameOptions;
    frameOptions.showSplash = options_.showSplash;
    frameOptions.help = help_.get();
    frameOptions.reloadLanguage = [this](int code) {
        if (loadLanguage(code))
            return true;
        QCoreApplication::exit(kLanguageFailureExitCode); // the running program ends
        return false;
    };
    mainFrame_ = std::make_unique<CMainFrame>(*settings_, std::move(frameOptions));

    if (!options_.files.isEmpty())
        mainFrame_->files().openPath(options_.files.first());
    mainFrame_->showAtStoredPlacement();
    mainFrame_->closeAllEditors();
    mainFrame_->postCommand(cmd::ChannelInformation);
    return true;
}

int CQb5812App::exitInstance(int loopCode) {
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
