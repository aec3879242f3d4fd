// The Communication Port dialog's devices: what each port maps to, the devices present with
// what the system says they are, a device taken from the list or typed for the selected port,
// Rescan; and a cable that came back under another device name, fixed without a restart.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtTest>
#include <set>

#include "link/ui/LinkCommands.h"
#include "link/ui/PortDialog.h"
#include "link/ui/RadioInfoDialog.h"
#include "tests/link/ui/LinkUiSupport.h"

using namespace tsw;
using namespace tsw::test;
using tsw::ui::PortDialog;

namespace {

class FakeCatalogue : public SerialDeviceCatalogue {
public:
    std::vector<SerialDeviceInfo> present;
    std::vector<SerialDeviceInfo> devices() const override { return present; }
};

const SerialDeviceInfo kFtdi{"/dev/ttyUSB1",    true,       "0403",    "6001", "FTDI",
                             "FT232R USB UART", "A50285BI", "ftdi_sio"};
const SerialDeviceInfo kBuiltin{"/dev/ttyS0", false, "", "", "", "", "", "serial8250"};

// A probe that opens the paths given.
PortDialog::Probe opens(std::set<std::string> paths) {
    return [paths](const std::string& p) { return paths.count(p) > 0; };
}

QTreeWidgetItem* listed(const PortDialog& d, const std::string& path) {
    for (int i = 0; i < d.deviceList()->topLevelItemCount(); ++i)
        if (d.deviceList()->topLevelItem(i)->text(0) == QString::fromStdString(path))
            return d.deviceList()->topLevelItem(i);
    return nullptr;
}

} // namespace

class PortDialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(loadTestLanguage(2)); }
    void init() { shell_ = std::make_unique<RecordingShell>(); }
    void cleanup() {
        shell_.reset();
        ui::RadioLink::instance().setDeviceCatalogue(nullptr);
        ui::RadioLink::instance().setPortMappingWriter(nullptr);
    }
    void portsShowTheirDevicesAndTheListWhatEachIs();
    void aDeviceFromTheListFixesThePortInUse();
    void aTypedDeviceIsAFullPathAndAnEmptyFieldIsTheAutomaticOrder();
    void rescanFindsADevicePluggedInLater();
    void aMovedCableIsFoundAgainWithoutARestart();

private:
    std::unique_ptr<RecordingShell> shell_;
};

void PortDialogTest::portsShowTheirDevicesAndTheListWhatEachIs() {
    FakeCatalogue catalogue;
    catalogue.present = {kFtdi, kBuiltin};
    PortDialog d(1, {{3, "/dev/gone"}}, catalogue, opens({"/dev/ttyUSB1"}));
    // COM1 and COM2 are the devices present in their order; COM3 is mapped.
    QCOMPARE(d.deviceLabel(1)->toolTip(),
             QString("/dev/ttyUSB1\nFTDI FT232R USB UART (0403:6001)"));
    QCOMPARE(d.deviceLabel(2)->toolTip(), QString("/dev/ttyS0\nserial8250"));
    QCOMPARE(d.deviceLabel(3)->toolTip(), QString("/dev/gone"));
    QCOMPARE(d.deviceLabel(4)->text(), uiText(StrId::PortNoDevice));
    QVERIFY(d.portButton(1)->isEnabled() && d.portButton(1)->isChecked());
    QVERIFY(!d.portButton(2)->isEnabled()); // no serial line
    QVERIFY(!d.portButton(3)->isEnabled());
    // The field holds only a port's own mapping; the automatic device is its hint.
    QCOMPARE(d.deviceField()->text(), QString());
    QCOMPARE(d.deviceField()->placeholderText(), QString("/dev/ttyUSB1"));
    QCOMPARE(d.deviceList()->topLevelItemCount(), 2);
    const QTreeWidgetItem* ftdi = listed(d, "/dev/ttyUSB1");
    QVERIFY(ftdi);
    QCOMPARE(ftdi->text(1), QString("FTDI FT232R USB UART (0403:6001)"));
    QCOMPARE(ftdi->text(2), QString("A50285BI"));
    screenshot(&d, "port-dialog");
}

void PortDialogTest::aDeviceFromTheListFixesThePortInUse() {
    // COM1 was tied to ttyUSB0; the cable came back as ttyUSB1.
    FakeCatalogue catalogue;
    catalogue.present = {kFtdi};
    PortDialog d(1, {{1, "/dev/ttyUSB0"}}, catalogue, opens({"/dev/ttyUSB1"}));
    QVERIFY(!d.portButton(1)->isEnabled());
    QCOMPARE(d.checkedPort(), 0);
    QCOMPARE(d.selectedPort(), 1);
    QCOMPARE(d.deviceField()->text(), QString("/dev/ttyUSB0"));
    emit d.deviceList()->itemActivated(listed(d, "/dev/ttyUSB1"), 0);
    QCOMPARE(d.deviceField()->text(), QString("/dev/ttyUSB1"));
    QVERIFY(d.portButton(1)->isEnabled() && d.portButton(1)->isChecked());
    d.accept();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(d.mapping(), (PortMapping{{1, "/dev/ttyUSB1"}}));
}

void PortDialogTest::aTypedDeviceIsAFullPathAndAnEmptyFieldIsTheAutomaticOrder() {
    FakeCatalogue catalogue;
    catalogue.present = {kFtdi, kBuiltin};
    PortDialog d(1, {{1, "/dev/ttyUSB1"}}, catalogue, opens({"/dev/ttyUSB1", "/dev/ttyS0"}));
    // COM1's mapping cleared: it falls back to the first device present.
    d.deviceField()->clear();
    // COM2 chosen; a name that is no path is refused and the dialog stays.
    d.portButton(2)->setChecked(true);
    QCOMPARE(d.deviceField()->text(), QString());
    d.deviceField()->setText("ttyACM0");
    DialogScript refused;
    refused.pressOnMessageBox(QMessageBox::Ok);
    d.accept();
    QVERIFY(refused.done());
    QCOMPARE(refused.messages().at(0).text, uiText(StrId::PortPathNotAbsolute));
    QCOMPARE(refused.messages().at(0).icon, QMessageBox::Critical);
    QVERIFY(d.result() != QDialog::Accepted);
    d.deviceField()->setText("/dev/ttyACM0");
    d.accept();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(d.mapping(), (PortMapping{{2, "/dev/ttyACM0"}}));
}

void PortDialogTest::rescanFindsADevicePluggedInLater() {
    FakeCatalogue catalogue;
    PortDialog d(1, {}, catalogue, opens({"/dev/ttyUSB1"}));
    QCOMPARE(d.deviceList()->topLevelItemCount(), 1);
    QCOMPARE(d.deviceList()->topLevelItem(0)->text(0), uiText(StrId::PortNoDevicesFound));
    QVERIFY(!d.portButton(1)->isEnabled());
    catalogue.present = {kFtdi};
    d.rescanButton()->click();
    QVERIFY(listed(d, "/dev/ttyUSB1"));
    QVERIFY(d.portButton(1)->isEnabled() && d.portButton(1)->isChecked());
}

void PortDialogTest::aMovedCableIsFoundAgainWithoutARestart() {
    RadioSim radio;
    auto store = std::make_shared<MemorySettingsStore>();
    store->writeString("Ports", "COM1", "/dev/ttyUSB0-gone");
    ui::RadioLink& link = ui::RadioLink::instance();
    link.setPortMappingSource([store] { return readPortMapping(*store); });
    link.setPortMappingWriter(
        [store](int n, const std::string& p) { writePortMapping(*store, n, p); });
    FakeCatalogue catalogue;
    catalogue.present = {
        {radio.port(), true, "0403", "6001", "FTDI", "FT232R USB UART", "A5", "ftdi_sio"}};
    link.setDeviceCatalogue(&catalogue);
    globals().portNumber = 1;

    DialogScript script;
    script.on<PortDialog>([&](PortDialog* d) {
        emit d->deviceList()->itemActivated(listed(*d, radio.port()), 0);
        d->accept();
    });
    ui::runCommunicationPort(*shell_);
    QVERIFY(script.done());
    QCOMPARE(store->readString("Ports", "COM1"), radio.port());
    QCOMPARE(globals().portNumber, 1);
    QString expected = uiText(StrId::StatusPortDevice);
    expected.replace(expected.indexOf("%s"), 2, "COM1");
    expected.replace("%s", QString::fromStdString(radio.port()));
    QCOMPARE(shell_->statusMessages.back(), expected);
    // The radio answers on COM1 at once.
    DialogScript info;
    info.on<ui::RadioInfoDialog>([](ui::RadioInfoDialog* d) { d->accept(); });
    ui::runRadioInformation(*shell_);
    QVERIFY(info.done());
}

QTEST_MAIN(PortDialogTest)
#include "PortDialogTest.moc"
