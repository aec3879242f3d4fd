#include "editors/feature/ui/OptionalFeaturesView.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QStyle>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/ui/Shell.h"
#include "app/ui/UiText.h"
#include "editors/feature/ui/FieldBinder.h"
#include "editors/feature/ui/TonePlayerModule.h"

namespace tsw::ui {

using namespace feature;

namespace {

// Display order: the timers and levels in the first column, switches, VOX and mode in the
// second. The PTT ID rows are hidden and built not at all.
constexpr int kFirstColumn[] = {
    feat::TimeOutTimer, feat::TotPreAlert,    feat::TotRekeyTime,      feat::TotResetTime,
    feat::SquelchLevel, feat::MicSensitivity, feat::VoiceAnnunciation, feat::CallingAlertTone};
constexpr int kSecondColumn[] = {
    feat::BatterySave,   feat::Beep,           feat::ScramblerActivation, feat::ScramblerBackup,
    feat::VoxGroup,      feat::VoxFunction,    feat::VoxGainLevel,        feat::VoxDelayTime,
    feat::CanceledByPtt, feat::VoxProceedTone, feat::TxInhibitOnBusy,     feat::ModeGroup,
    feat::CloneMode,     feat::SelfProgramming};

int groupOf(int row) {
    if (row > feat::VoxGroup && row <= feat::TxInhibitOnBusy)
        return kFeatureFieldTable[feat::VoxGroup].labelId;
    if (row > feat::ModeGroup && row <= feat::SelfProgramming)
        return kFeatureFieldTable[feat::ModeGroup].labelId;
    return 0;
}

std::filesystem::path programDirectory() {
    const std::string& dir = globals().programDirectory;
    return dir.empty() ? QCoreApplication::applicationDirPath().toStdString() : dir;
}

} // namespace

OptionalFeaturesView::OptionalFeaturesView(std::unique_ptr<TonePlayer> player, QWidget* parent)
    : EditorForm(kFeatureHelpContext, parent), form_(globals().image),
      player_(player ? std::move(player) : makeTonePlayer(programDirectory().string())),
      tone_(std::make_unique<CallTonePreview>(*player_, programDirectory())) {
    setWindowTitle(uiText(StrId::TitleOptionalFeatures));
    createRows();
    createPreviewButton();
}

OptionalFeaturesView::~OptionalFeaturesView() {
    tone_.reset(); // closing the window stops the sound
}

bool OptionalFeaturesView::showImageAgain() {
    binder_->showAll();
    binder_->applyEnabling();
    return true;
}

void OptionalFeaturesView::createRows() {
    std::vector<int> order(std::begin(kFirstColumn), std::end(kFirstColumn));
    order.insert(order.end(), std::begin(kSecondColumn), std::end(kSecondColumn));
    const auto firstColumnRows = std::size(kFirstColumn);
    auto built = buildRowsInOrder(body(), kFeatureFieldTable, order, [&](int row) {
        const bool second = std::find(order.begin() + static_cast<long>(firstColumnRows),
                                      order.end(), row) != order.end();
        return formRowOf(kFeatureFieldTable[static_cast<std::size_t>(row)], groupOf(row),
                         second ? 1 : 0);
    });
    keepRowsCompact(body());
    binder_ = new FieldBinder(form_, std::move(built), this);
    binder_->hiddenRow = [this](int row) { return !form_.visible(row); };
    binder_->setUp();
}

void OptionalFeaturesView::createPreviewButton() {
    preview_ = new QPushButton(body());
    setControlId(preview_, kCallTonePreviewButton);
    preview_->setAutoDefault(false);
    // The button goes at the end of the tone's row (its label is the row's first cell).
    QLabel* tone = binder_->built(feat::CallingAlertTone).label;
    for (auto* grid : body()->findChildren<QGridLayout*>()) {
        const int at = grid->indexOf(tone);
        if (at < 0)
            continue;
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(at, &row, &column, &rowSpan, &columnSpan);
        grid->addWidget(preview_, row, 3);
    }
    connect(preview_, &QPushButton::clicked, this, &OptionalFeaturesView::togglePreview);
    player_->onFinished = [this] {
        tone_->finished();
        showPreviewState();
    };
    player_->onFailed = [this] {
        showPreviewResult(tone_->failed());
        showPreviewState();
    };
    showPreviewState();
}

void OptionalFeaturesView::togglePreview() {
    const QString text = binder_->built(feat::CallingAlertTone).edit->text();
    showPreviewResult(tone_->toggle(text.toStdString()));
    showPreviewState();
}

void OptionalFeaturesView::showPreviewResult(const CallTonePreview::Result& result) {
    if (result.message != 0)
        shell().prompt().ask(errorPrompt(result.message, tsw::tr, result.fileName));
}

void OptionalFeaturesView::showPreviewState() {
    preview_->setIcon(
        style()->standardIcon(tone_->playing() ? QStyle::SP_MediaStop : QStyle::SP_MediaPlay));
    preview_->setProperty("playing", tone_->playing());
}

} // namespace tsw::ui
