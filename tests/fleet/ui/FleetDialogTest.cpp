// Program > Write to Several Radios against the simulated radio on COM1, playing two radios
// connected one after the other (--fleet).

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

#include "app/ImageLayout.h"
#include "fleet/FleetLog.h"
#include "fleet/ui/FleetDialog.h"
#include "tests/link/ui/LinkUiSupport.h"

using namespace tsw;
using namespace tsw::test;
using tsw::ui::FleetDialog;

class FleetDialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void writesTwoRadiosAndLogsThem();
    void refusesValuesThatCannotBeStoredBeforeAnythingIsSent();
    void stopFinishesTheRadioAndEndsTheRun();

private:
    QStringList tableRow(FleetDialog* d, int row) const;
    std::unique_ptr<TempDir> dir_;
    std::unique_ptr<RecordingShell> shell_;
};

void FleetDialogTest::initTestCase() {
    QVERIFY(loadTestLanguage(2));
}

void FleetDialogTest::init() {
    shell_.reset();
    dir_ = std::make_unique<TempDir>();
    shell_ = std::make_unique<RecordingShell>();
    globals().flags = {};
    setProgramImage(defaultRadioImage());
    globals().currentFilePath = dir_->file("shop.dat").string();
}

QStringList FleetDialogTest::tableRow(FleetDialog* d, int row) const {
    QStringList cells;
    for (int c = 0; c < d->table()->columnCount(); ++c)
        cells << (d->table()->item(row, c) ? d->table()->item(row, c)->text() : QString());
    return cells;
}

void FleetDialogTest::writesTwoRadiosAndLogsThem() {
    RadioSim radio = radioOnCom1(*dir_, defaultRadioImage(), {"--fleet", "UNIT-A,UNIT-B"});
    QStringList during;
    QString endPhase;
    QStringList rows;
    int progress = -1;
    QString logShown;
    DialogScript script;
    script.on<FleetDialog>([&](FleetDialog* d) {
        logShown = d->logBox()->text();
        d->labelBox()->setText("UNIT {n:02}");
        d->dtmfBox()->setText("101");
        d->crewLinkBox()->setText("1001");
        d->countBox()->setValue(2);
        // While the run goes on: the first radio done, the window shows it.
        QTimer* look = new QTimer(d);
        connect(look, &QTimer::timeout, d, [&, d, look] {
            if (d->table()->rowCount() == 1 && during.isEmpty()) {
                during << d->phaseLabel()->text() << QString::number(d->progressBar()->value());
                screenshot(d, "fleet-running");
                look->stop();
            }
        });
        look->start(20);
        d->startButton()->click();
        endPhase = d->phaseLabel()->text();
        rows << tableRow(d, 0).join('|') << tableRow(d, 1).join('|');
        progress = d->progressBar()->value();
        screenshot(d, "fleet-finished");
        d->reject();
    });
    ui::runWriteToSeveralRadios(*shell_);
    QVERIFY(script.done());
    QCOMPARE(logShown, QString::fromStdString(dir_->file("shop-fleet.csv").string()));
    QCOMPARE(rows, (QStringList{"1|UNIT-A|UNIT 01|101|1001|OK|", "2|UNIT-B|UNIT 02|102|1002|OK|"}));
    QCOMPARE(progress, 2);
    QCOMPARE(endPhase, uiText(StrId::FleetFinished).replace("%s of %s", "2 of 2"));
    QVERIFY2(!during.isEmpty(), "the window did not show the first radio while the run went on");
    QCOMPARE(during.value(1), QString("1"));
    const auto log = fleet::parseLog(readText(dir_->file("shop-fleet.csv")));
    QVERIFY(log.summary);
    QCOMPARE(log.summary->okCount, 2);
    radio.stop();
    QCOMPARE(radio.image().byte(layout::kMessageLine2 + 6), std::uint8_t('2'));
}

void FleetDialogTest::refusesValuesThatCannotBeStoredBeforeAnythingIsSent() {
    RadioSim radio = radioOnCom1(*dir_, defaultRadioImage(), {"--fleet", "UNIT-A,UNIT-B"});
    DialogScript script;
    script.on<FleetDialog>([&](FleetDialog* d) {
        d->crewLinkBox()->setText("4999");
        d->countBox()->setValue(2);
        d->startButton()->click();
        QVERIFY(!d->running());
        QCOMPARE(d->table()->rowCount(), 0);
        d->reject();
    });
    script.pressOnMessageBox(QMessageBox::Ok);
    ui::runWriteToSeveralRadios(*shell_);
    QVERIFY(script.done());
    QCOMPARE(script.messages().size(), std::size_t(1));
    QCOMPARE(script.messages()[0].text,
             QString("The CrewLink ID for radio 2 would be 5000: CrewLink IDs run from 1000 to "
                     "4999."));
    QCOMPARE(script.messages()[0].caption, uiText(StrId::ErrorCaption));
    QVERIFY(!std::filesystem::exists(dir_->file("shop-fleet.csv")));
    radio.stop();
    QCOMPARE(radio.image().word(layout::kCrewOwnId), defaultRadioImage().word(layout::kCrewOwnId));
}

void FleetDialogTest::stopFinishesTheRadioAndEndsTheRun() {
    RadioSim radio = radioOnCom1(*dir_, defaultRadioImage(), {"--fleet", "UNIT-A,UNIT-B"});
    int rowsAtEnd = -1;
    std::optional<fleet::FleetEnd> end;
    QString phase;
    DialogScript script;
    script.on<FleetDialog>([&](FleetDialog* d) {
        d->labelBox()->setText("UNIT {n}");
        d->countBox()->setValue(5);
        // Stop while the first radio is being written: it is finished, then the run ends.
        QTimer::singleShot(300, d, [d] { d->stopButton()->click(); });
        d->startButton()->click();
        rowsAtEnd = d->table()->rowCount();
        end = d->lastEnd();
        phase = d->phaseLabel()->text();
        d->reject();
    });
    ui::runWriteToSeveralRadios(*shell_);
    QVERIFY(script.done());
    QCOMPARE(rowsAtEnd, 1);
    QVERIFY(end == fleet::FleetEnd::Stopped);
    QCOMPARE(phase, uiText(StrId::FleetStopped).replace("%s of %s", "1 of 5"));
}

QTEST_MAIN(FleetDialogTest)
#include "FleetDialogTest.moc"
