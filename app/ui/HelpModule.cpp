#include "app/ui/HelpModule.h"

#include "app/LanguageTable.h"
#include "app/ui/Modules.h"

namespace tsw::ui {
namespace {

class ModuleHelpService : public HelpService {
public:
    ModuleHelpService(UserPrompt& prompt, QString directory)
        : prompt_(prompt), directory_(std::move(directory)) {}

    void setHelpFile(const QString& path) override {
        helpFile_ = path;
        if (help_)
            help_->setHelpFile(path);
    }
    QString helpFile() const override { return helpFile_; }
    bool engineStarted() const override { return help_ && help_->engineStarted(); }

    bool openContext(int context) override {
        return !ensureHelp() || help_->openContext(context); // a missing module was reported
    }
    void openDefault() override {
        if (ensureHelp())
            help_->openDefault();
    }
    void closeAll() override {
        if (help_)
            help_->closeAll();
    }

private:
    bool ensureHelp() {
        if (help_)
            return true;
        const auto entry = reinterpret_cast<HelpServiceEntry>(
            moduleEntry(directory_, kHelpModuleFile, kHelpModuleEntry));
        if (!entry) {
            Prompt p;
            p.text = missingHelpFileMessage(directory_ + QLatin1Char('/') +
                                            QLatin1String(kHelpModuleFile))
                         .toStdString();
            p.caption = std::string(LanguageTable::kWrapperCaption);
            p.icon = PromptIcon::Exclamation;
            prompt_.ask(p);
            return false;
        }
        const HelpTextSource texts = currentHelpTexts;
        help_.reset(entry(&prompt_, &texts));
        help_->setHelpFile(helpFile_);
        return true;
    }

    UserPrompt& prompt_;
    QString directory_;
    QString helpFile_;
    std::unique_ptr<HelpService> help_;
};

} // namespace

std::unique_ptr<HelpService> makeHelpService(UserPrompt& prompt, const QString& moduleDirectory) {
    return std::make_unique<ModuleHelpService>(prompt, moduleDirectory);
}

} // namespace tsw::ui
