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
    void radioInformationShowsTheRadiosIdentity_data();
    void radioInformationShowsTheRadiosIdentity();
    void radioInformationArrowKeysMoveBetweenTheButtons();
    void badInformationBlockAsksRetryAndShowsNothingOnCancel();
    void portDialogDisablesPortsThatAreGone();
    void portDialogOkTakesTheCheckedPort();

private:
    std::unique_ptr<TempDir> dir_;
    std::unique_ptr<RecordingShell> shell_;
};

void InfoDialogsTest::initTestCase() {
    QVERIFY(loadEnglish());
}

void InfoDialogsTest::init() {
    shell_.reset();
    dir_ = std::make_unique<TempDir>();
    shell_ = std::make_unique<RecordingShell>();
    globals().flags = {};
}

void InfoDialogsTest::radioInformationShowsTheRadiosIdentity_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("version");
    QTest::newRow("factory") << QStringList{} << "S5520-000001"
                             << "V1.000";
    QTest::newRow("text and odd serial")
        << QStringList{"--info-text", "SHOP12345678AB", "--serial",
                       "AB/CD",       "--version-text", "V2.345678"}
        << "SHOP12345678 AB AB CD"
        << "V2.345";
}

void InfoDialogsTest::radioInformationShowsTheRadiosIdentity() {
    QFETCH(QStringList, options);
    QFETCH(QString, serial);
    QFETCH(QString, version);
    std::vector<std::string> args;
    for (const QString& o : options)
        args.push_back(o.toStdString());
    RadioSim radio(args);
    mapCom1(radio.port());
    QStringList shown;
    ModalScript script;
    script.then(postTo<RadioInfoDialog>([&](RadioInfoDialog* d) {
        shown << d->windowTitle() << d->modelField()->text() << d->frequencyField()->text()
              << d->serialField()->text() << d->versionField()->text();
        screenshot(d, "radio-information");
        d->okButton()->click();
    }));
    ui::runRadioInformation(*shell_);
    QVERIFY(script.done());
    QCOMPARE(shown.at(0), langText(StrId::TitleRadioInformation));
    QCOMPARE(shown.at(1), QString("HX-5520"));
    QCOMPARE(shown.at(2), langText(StrId::BandLabel) + " : " + langText(StrId::RadioInfoBandRange) +
                              " " + langText(StrId::RadioInfoBandUnit));
    QCOMPARE(shown.at(3), serial);
    QCOMPARE(shown.at(4), version);
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
    RecordingHelp help;
    d.helpButton()->click();
    QCOMPARE(help.opened, std::vector<int>{143});
}

void InfoDialogsTest::badInformationBlockAsksRetryAndShowsNothingOnCancel() {
    RadioSim radio({"--fault-info-checksum"});
    mapCom1(radio.port());
    ModalScript script;
    script.then(script.press(QMessageBox::Retry)).then(script.press(QMessageBox::Cancel));
    ui::runRadioInformation(*shell_);
    QVERIFY(script.done());
    QCOMPARE(script.boxes.size(), std::size_t{2});
    QCOMPARE(script.boxes[1].text, langText(StrId::RadioLinkFailed));
    QVERIFY(!ui::RadioLink::instance().link().isOpen());
}

void InfoDialogsTest::portDialogDisablesPortsThatAreGone() {
    RadioSim radio;
    mapCom1(radio.port());
    const std::string gone = dir_->file("ttyGONE").string();
    auto store = std::make_shared<MemorySettingsStore>();
    store->writeString("Ports", "COM1", radio.port());
    store->writeString("ports", "COM3", gone); // section names match without regard to case
    ui::RadioLink::instance().setPortMappingSource([store] { return readPortMapping(*store); });
    globals().portNumber = 3;
    ui::RadioLink::instance().link();

    bool com1 = false;
    bool com3 = true;
    QString com1Device;
    QString com3Device;
    int checked = -1;
    ModalScript script;
    script.then(postTo<PortDialog>([&](PortDialog* d) {
        com1 = d->portButton(1)->isEnabled();
        com3 = d->portButton(3)->isEnabled();
        com1Device = d->deviceLabel(1)->toolTip();
        com3Device = d->deviceLabel(3)->toolTip();
        checked = d->checkedPort();
        screenshot(d, "communication-port");
        d->accept();
    }));
    ui::runCommunicationPort(*shell_);
    QVERIFY(script.done());
    QVERIFY(com1);
    QVERIFY(!com3);
    QCOMPARE(com1Device, QString::fromStdString(radio.port()));
    QCOMPARE(com3Device, QString::fromStdString(gone));
    QCOMPARE(checked, 0);
    QCOMPARE(globals().portNumber, 3); // OK with nothing checked keeps the port
    QCOMPARE(int{ui::RadioLink::instance().link().portNumber()}, 3);
}

void InfoDialogsTest::portDialogOkTakesTheCheckedPort() {
    RadioSim radio;
    mapCom1(radio.port());
    globals().portNumber = 4;
    ModalScript script;
    script.then(postTo<PortDialog>([](PortDialog* d) {
        d->portButton(1)->setChecked(true);
        d->accept();
    }));
    ui::runCommunicationPort(*shell_);
    QVERIFY(script.done());
    QCOMPARE(globals().portNumber, 1);
    QCOMPARE(int{ui::RadioLink::instance().link().portNumber()}, 1);
    QVERIFY(shell_->portRefreshes >= 1);

    // With the port in use usable, its button is checked; Cancel changes nothing.
    int checked = 0;
    ModalScript again;
    again.then(postTo<PortDialog>([&](PortDialog* d) {
        checked = d->checkedPort();
        d->reject();
    }));
    ui::runCommunicationPort(*shell_);
    QCOMPARE(checked, 1);
    QCOMPARE(globals().portNumber, 1);
}

QTEST_MAIN(InfoDialogsTest)
#include "InfoDialogsTest.moc"
