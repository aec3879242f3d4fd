// Radio Information and Communication Port against the simulated radio on COM1.

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "link/ui/LinkCommands.h"
#include "link/ui/PortDialog.h"
#include "link/ui/RadioInfoDialog.h"
#include "tests/link/ui/LinkUiSupport.h"

using namespace tsw;
using namespace tsw::test;
using tsw::ui::PortDialog;
using tsw::ui::RadioInfoDialog;

class InfoDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void radioInformationShowsTheRadiosIdentity();
    void radioInformationArrowKeysMoveBetweenTheButtons();
    void aBadInformationBlockShowsNoDialog();
    void portDialogDisablesPortsThatAreGoneAndTakesTheCheckedPort();

private:
    std::unique_ptr<TempDir> dir_;
    std::unique_ptr<RecordingShell> shell_;
};

void InfoDialogsTest::initTestCase() {
    QVERIFY(loadTestLanguage(2));
}

void InfoDialogsTest::init() {
    shell_.reset();
    dir_ = std::make_unique<TempDir>();
    shell_ = std::make_unique<RecordingShell>();
    globals().flags = {};
}

void InfoDialogsTest::radioInformationShowsTheRadiosIdentity() {
    RadioSim radio({"--serial", "AB/12-34", "--version-text", "V2.345678"});
    mapCom1(radio.port());
    QStringList shown;
    DialogScript script;
    script.on<RadioInfoDialog>([&](RadioInfoDialog* d) {
        shown << d->modelField()->text() << d->frequencyField()->text() << d->serialField()->text()
              << d->versionField()->text();
        screenshot(d, "radio-information");
        d->okButton()->click();
    });
    ui::runRadioInformation(*shell_);
    QVERIFY(script.done());
    const QString band = uiText(StrId::BandLabel) + " : " + uiText(StrId::RadioInfoBandRange) +
                         " " + uiText(StrId::RadioInfoBandUnit);
    QCOMPARE(shown, (QStringList{"HX-5520", band, "AB 12-34", "V2.345"}));
}

void InfoDialogsTest::radioInformationArrowKeysMoveBetweenTheButtons() {
    RadioInfoDialog d(ui::RadioLink::instance().link());
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QApplication::setActiveWindow(&d);
    d.okButton()->setFocus();
    QTRY_VERIFY(d.okButton()->hasFocus());
    QTest::keyClick(d.okButton(), Qt::Key_Right);
    QVERIFY(d.helpButton()->hasFocus() && d.helpButton()->isDefault());
    QVERIFY(!d.okButton()->isDefault());
    QTest::keyClick(d.helpButton(), Qt::Key_Left);
    QVERIFY(d.okButton()->hasFocus() && d.okButton()->isDefault());
}

void InfoDialogsTest::aBadInformationBlockShowsNoDialog() {
    RadioSim radio({"--fault-info-checksum"});
    mapCom1(radio.port());
    DialogScript script;
    script.pressOnMessageBox(QMessageBox::Cancel);
    ui::runRadioInformation(*shell_);
    QVERIFY(script.done());
    QCOMPARE(script.messages().at(0).text, uiText(StrId::RadioLinkFailed));
    QCOMPARE(script.unexpected(), 0);
    QVERIFY(!ui::RadioLink::instance().link().isOpen());
}

void InfoDialogsTest::portDialogDisablesPortsThatAreGoneAndTakesTheCheckedPort() {
    RadioSim radio;
    const std::string gone = dir_->file("ttyGONE").string();
    auto store = std::make_shared<MemorySettingsStore>();
    store->writeString("Ports", "COM1", radio.port());
    store->writeString("ports", "COM3", gone); // section names match without regard to case
    ui::RadioLink::instance().setPortMappingSource([store] { return readPortMapping(*store); });
    globals().portNumber = 3;

    // OK with nothing checked keeps the port.
    bool com1 = false;
    bool com3 = true;
    QString com3Device;
    int checked = -1;
    DialogScript script;
    script.on<PortDialog>([&](PortDialog* d) {
        com1 = d->portButton(1)->isEnabled();
        com3 = d->portButton(3)->isEnabled();
        com3Device = d->deviceLabel(3)->toolTip();
        checked = d->checkedPort();
        screenshot(d, "communication-port");
        d->accept();
    });
    ui::runCommunicationPort(*shell_);
    QVERIFY(script.done());
    QVERIFY(com1 && !com3);
    QCOMPARE(com3Device, QString::fromStdString(gone));
    QCOMPARE(checked, 0);
    QCOMPARE(globals().portNumber, 3);

    // OK takes the checked port; next time it is the checked one, and Cancel changes nothing.
    DialogScript choose;
    choose
        .on<PortDialog>([](PortDialog* d) {
            d->portButton(1)->setChecked(true);
            d->accept();
        })
        .on<PortDialog>([&](PortDialog* d) {
            checked = d->checkedPort();
            d->reject();
        });
    ui::runCommunicationPort(*shell_);
    QCOMPARE(globals().portNumber, 1);
    QCOMPARE(int{ui::RadioLink::instance().link().portNumber()}, 1);
    QVERIFY(shell_->portRefreshes >= 1);
    ui::runCommunicationPort(*shell_);
    QVERIFY(choose.done());
    QCOMPARE(checked, 1);
    QCOMPARE(globals().portNumber, 1);
}

QTEST_MAIN(InfoDialogsTest)
#include "InfoDialogsTest.moc"
