// Widget tests of the Optional Features view: what it adds to the form model (typing and
// leaving a box, spin clicks and arrow keys, enabling, hidden rows, the preview toggle with a fake
// player).

#include <QCheckBox>
#include <QComboBox>
#include <QLocale>
#include <QPushButton>
#include <QtTest>

#include "app/ImageLayout.h"
#include "app/ui/FilterEdit.h"
#include "editors/feature/ui/FieldBinder.h"
#include "editors/feature/ui/OptionalFeaturesView.h"
#include "editors/feature/ui/ScanView.h"
#include "tests/editors/feature/FakeTonePlayer.h"
#include "tests/editors/feature/ui/FeatureUiSupport.h"

using namespace tsw;
using namespace tsw::ui;
using namespace tsw::feature;

namespace {

using Calls = std::vector<std::string>;

std::unique_ptr<test::FakeTonePlayer> fakePlayer(Calls* log) {
    return std::make_unique<test::FakeTonePlayer>(log);
}

} // namespace

class OptionalFeaturesViewTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::setUpGlobals(); }
    void init() { test::setUpGlobals(); }
    void typedTimeOutIsCorrectedWhenTheBoxIsLeft();
    void spinStepsAndSelectsTheText_data();
    void spinStepsAndSelectsTheText();
    void voxAndScramblerEnableTheirRows();
    void decimalNumbersShowAPointInDutch();
    void hiddenRowsAreNotShown();
    void offTextIsShownWholeButTypingKeepsTheLimit();
    void previewTogglesPlayAndStop();
    void realPlayerPlaysAToneToItsEnd();
    void previewReportsAMissingFile();
    void previewWithoutTheSoundModuleReportsTheTone();
    void closingTheWindowStopsThePreview();

private:
    test::MdiTestShell shell_;
    Calls log_;
};

void OptionalFeaturesViewTest::typedTimeOutIsCorrectedWhenTheBoxIsLeft() {
    OptionalFeaturesView view(fakePlayer(&log_));
    auto* tot = findControl<FilterEdit>(&view, 1239);
    QVERIFY(tot);
    QCOMPARE(tot->text(), QString("60")); // default image: 4 x 15 s
    test::showAndFocus(&view, tot);
    test::typeAndLeave(tot, "16");
    QCOMPARE(tot->text(), QString("30"));
    QCOMPARE(globals().image.byte(layout::kFeatTimeOutTimer), 2);

    // Leaving a box without typing stores nothing: a byte out of range stays as it is.
    globals().image.setByte(layout::kFeatTotResetTime, 0x63);
    auto* reset = findControl<FilterEdit>(&view, 1371);
    reset->setFocus();
    QTest::keyClick(reset, Qt::Key_Tab);
    QCOMPARE(globals().image.byte(layout::kFeatTotResetTime), 0x63);
}

void OptionalFeaturesViewTest::spinStepsAndSelectsTheText_data() {
    QTest::addColumn<bool>("byKey");
    QTest::newRow("spin button click") << false;
    QTest::newRow("arrow key in the box") << true;
}

// Up and Down in a box are clicks on its spin buttons.
void OptionalFeaturesViewTest::spinStepsAndSelectsTheText() {
    QFETCH(bool, byKey);
    globals().image.setByte(layout::kFeatTimeOutTimer, 40);
    OptionalFeaturesView view(fakePlayer(&log_));
    auto* tot = findControl<FilterEdit>(&view, 1239);
    auto* alert = findControl<FilterEdit>(&view, 1357);
    test::showAndFocus(&view, tot);
    const auto step = [&](FilterEdit* box, int spinId, int direction) {
        if (!byKey) {
            auto* spin = findControl<SpinButtons>(&view, spinId);
            (direction > 0 ? spin->upButton() : spin->downButton())->click();
            return;
        }
        box->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(box->hasFocus());
        QTest::keyClick(box, direction > 0 ? Qt::Key_Up : Qt::Key_Down);
    };
    QCOMPARE(tot->text(), QString("600"));
    step(tot, 1240, +1);
    QCOMPARE(tot->text(), QString("15"));
    QCOMPARE(tot->selectedText(), QString("15"));
    QCOMPARE(globals().image.byte(layout::kFeatTimeOutTimer), 1);
    step(alert, 1305, -1); // calling alert 1 -> 10
    QCOMPARE(alert->text(), QString("10"));
}

void OptionalFeaturesViewTest::voxAndScramblerEnableTheirRows() {
    OptionalFeaturesView view(fakePlayer(&log_));
    const int voxValues[] = {1021, 1022, 1267, 1268, 1270, 1269};
    auto* vox = findControl<QCheckBox>(&view, 1266);
    QVERIFY(!vox->isChecked()); // default image: VOX off
    for (int id : voxValues)
        QVERIFY2(!findControl(&view, id)->isEnabled(), qPrintable(QString::number(id)));
    vox->click();
    QCOMPARE(globals().image.byte(layout::kFeatVoxFunction), 1);
    for (int id : voxValues)
        QVERIFY(findControl(&view, id)->isEnabled());

    globals().image.setByte(layout::kFeatScramblerBackup, 1);
    OptionalFeaturesView again(fakePlayer(&log_));
    auto* backup = findControl<QCheckBox>(&again, 1286);
    QVERIFY(backup->isChecked() && backup->isEnabled());
    findControl<QCheckBox>(&again, 1280)->click();
    QVERIFY(!backup->isChecked() && !backup->isEnabled());
    QCOMPARE(globals().image.byte(layout::kFeatScramblerBackup), 1);
}

// Numbers with decimals show a point in every language, enabled or not, as the radio shows
// them: the VOX delays (list texts of the language file) like the look-back times (texts of
// the form model).
void OptionalFeaturesViewTest::decimalNumbersShowAPointInDutch() {
    QVERIFY(globals().language.load(kRequiredStringIds, 1) == LanguageTable::Loaded);
    QLocale::setDefault(QLocale(QLocale::Dutch));
    const auto english = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
    const QStringList delays{"0.5", "1.0", "1.5", "2.0", "2.5", "3.0"};
    OptionalFeaturesView view(fakePlayer(&log_));
    auto* delay = findControl<QComboBox>(&view, 1267);
    QVERIFY(!delay->isEnabled());
    QCOMPARE(delay->currentText(), QString("1.0"));
    findControl<QCheckBox>(&view, 1266)->click(); // VOX on
    QVERIFY(delay->isEnabled());
    QStringList shown;
    for (int i = 0; i < delay->count(); ++i)
        shown << delay->itemText(i);
    QCOMPARE(shown, delays);
    delay->setCurrentIndex(2);
    QCOMPARE(delay->currentText(), QString("1.5"));
    test::saveScreenshot(&view, "optional-features-dutch");

    globals().image.setByte(layout::kScanPriority, 1);
    globals().image.setByte(layout::kScanLookBackA, 41);
    ScanView scan;
    auto* lookBack = findControl<FilterEdit>(&scan, 1052);
    QVERIFY(lookBack->isEnabled());
    QCOMPARE(lookBack->text(), QString("2.50"));
    test::saveScreenshot(&scan, "scan-dutch");
}

void OptionalFeaturesViewTest::hiddenRowsAreNotShown() {
    OptionalFeaturesView view(fakePlayer(&log_));
    view.show();
    for (int id : {1030, 1331, 1032, 1034, 1284})
        QVERIFY(!findControl(&view, id));
    auto* clone = findControl<QCheckBox>(&view, 1341);
    QVERIFY(clone && !clone->isVisible() && !clone->isEnabled());
    QCOMPARE(view.windowTitle(), uiText(StrId::TitleOptionalFeatures));
}

void OptionalFeaturesViewTest::offTextIsShownWholeButTypingKeepsTheLimit() {
    OptionalFeaturesView view(fakePlayer(&log_));
    auto* preAlert = findControl<FilterEdit>(&view, 1241);
    QCOMPARE(preAlert->text(), uiText(StrId::OffText));
    test::showAndFocus(&view, preAlert);
    preAlert->selectAll();
    QTest::keyClicks(preAlert, "123");
    QCOMPARE(preAlert->text(), QString("12"));
    QTest::keyClick(preAlert, Qt::Key_Tab);
    QCOMPARE(globals().image.byte(layout::kFeatTotPreAlert), 10);
}

void OptionalFeaturesViewTest::previewTogglesPlayAndStop() {
    log_.clear();
    auto player = fakePlayer(&log_);
    test::FakeTonePlayer* fake = player.get();
    OptionalFeaturesView view(std::move(player));
    QPushButton* button = view.previewButton();
    QVERIFY(!button->property("playing").toBool());
    button->click();
    QVERIFY(view.previewPlaying());
    QVERIFY(button->property("playing").toBool());
    QCOMPARE(log_, (Calls{"open Call Tone 1.wav", "play"})); // stored 0 shows 1
    button->click();
    QVERIFY(!view.previewPlaying());
    QCOMPARE(log_, (Calls{"open Call Tone 1.wav", "play", "stop", "close"}));

    button->click();
    fake->onFinished(); // the end of the file
    QVERIFY(!button->property("playing").toBool());
    button->click();
    fake->onFailed();
    QVERIFY(!view.previewPlaying());
    QCOMPARE(shell_.scripted.asked.back().textId, StrId::CallTonePlayFailed);
}

void OptionalFeaturesViewTest::realPlayerPlaysAToneToItsEnd() {
    const std::size_t messages = shell_.scripted.asked.size();
    // The sound module (Qt Multimedia) and the generated "Call Tone 1.wav" beside the program.
    OptionalFeaturesView view;
    view.previewButton()->click();
    QVERIFY(view.previewPlaying());
    QTRY_VERIFY_WITH_TIMEOUT(!view.previewPlaying(), 10000);
    QCOMPARE(shell_.scripted.asked.size(), messages);
}

void OptionalFeaturesViewTest::previewReportsAMissingFile() {
    OptionalFeaturesView
        view; // the real player: the tone in the box, "Call Tone 77.wav", is missing
    findControl<FilterEdit>(&view, 1357)->setText("77");
    view.previewButton()->click();
    QVERIFY(!view.previewPlaying());
    QVERIFY(QString::fromStdString(shell_.scripted.asked.back().text).endsWith("Call Tone 77.wav"));
}

void OptionalFeaturesViewTest::previewWithoutTheSoundModuleReportsTheTone() {
    // A program directory that holds the tone but not the sound module.
    test::TempDir dir;
    QVERIFY(QFile::copy(TSW_BIN_DIR "/Call Tone 1.wav",
                        QString::fromStdString((dir.path() / "Call Tone 1.wav").string())));
    globals().programDirectory = dir.path().string();
    OptionalFeaturesView view;
    view.previewButton()->click();
    QVERIFY(!view.previewPlaying());
    const Prompt& p = shell_.scripted.asked.back();
    QCOMPARE(p.textId, StrId::CallToneOpenFailed);
    QVERIFY(QString::fromStdString(p.text).endsWith("Call Tone 1.wav"));
}

void OptionalFeaturesViewTest::closingTheWindowStopsThePreview() {
    log_.clear();
    {
        OptionalFeaturesView view(fakePlayer(&log_));
        view.previewButton()->click();
    }
    QCOMPARE(log_, (Calls{"open Call Tone 1.wav", "play", "stop", "close"}));
}

QTEST_MAIN(OptionalFeaturesViewTest)
#include "OptionalFeaturesViewTest.moc"
