#include "link/ui/PortDialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/ui/DialogParts.h"
#include "app/ui/EditorForm.h"
#include "app/ui/Help.h"
#include "app/ui/UiText.h"

namespace tsw::ui {

namespace {

constexpr int kDialog = 140;
constexpr int kGroupBox = 1132;
constexpr std::array<int, kPortDialogPorts> kButtonIds = {1133, 1134, 1135, 1136, 1344, 1137, 1138,
                                                          1139, 1140, 1345, 1141, 1142, 1143, 1144,
                                                          1346, 1145, 1146, 1147, 1148, 1347};
constexpr std::array<StringId, kPortDialogPorts> kCaptions = {
    StrId::PortCom1,  StrId::PortCom2,  StrId::PortCom3,  StrId::PortCom4,  StrId::PortCom5,
    StrId::PortCom6,  StrId::PortCom7,  StrId::PortCom8,  StrId::PortCom9,  StrId::PortCom10,
    StrId::PortCom11, StrId::PortCom12, StrId::PortCom13, StrId::PortCom14, StrId::PortCom15,
    StrId::PortCom16, StrId::PortCom17, StrId::PortCom18, StrId::PortCom19, StrId::PortCom20};
constexpr int kRowsPerColumn = 10;
constexpr int kDeviceTextWidth = 220; // longer paths are shortened in the middle

} // namespace

int PortDialog::controlIdOf(int n) {
    return kButtonIds.at(static_cast<std::size_t>(n - 1));
}

PortDialog::PortDialog(SerialLink& link, QWidget* parent) : QDialog(parent) {
    setUpDialog(this, kDialog);
    setWindowTitle(plainText(StrId::TitleCommunicationPort));
    setWindowIcon(QApplication::windowIcon());
    createControls();
    probe(link);
}

void PortDialog::createControls() {
    auto* box = new QGroupBox(plainText(StrId::TitleCommunicationPort), this);
    setControlId(box, kGroupBox);
    auto* group = new QButtonGroup(this);
    auto* grid = new QGridLayout(box);
    for (int i = 0; i < kPortDialogPorts; ++i) {
        const auto k = static_cast<std::size_t>(i);
        auto* b = new QRadioButton(plainText(kCaptions[k]), box);
        setControlId(b, kButtonIds[k]);
        group->addButton(b, i + 1);
        auto* device = new QLabel(box);
        device->setEnabled(false); // shown greyed: a note, not a control
        buttons_[k] = b;
        devices_[k] = device;
        const int column = (i / kRowsPerColumn) * 2;
        grid->addWidget(b, i % kRowsPerColumn, column);
        grid->addWidget(device, i % kRowsPerColumn, column + 1);
    }
    grid->setColumnMinimumWidth(1, 120);
    grid->setHorizontalSpacing(12);

    auto* ok = new QPushButton(uiText(StrId::Ok), this);
    auto* cancel = new QPushButton(uiText(StrId::Cancel), this);
    auto* help = new QPushButton(uiText(StrId::HelpButton), this);
    ok->setDefault(true);
    setControlId(help, kHelpButtonId);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [] { showHelp(kDialog); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addLayout(buttonRow({ok, cancel, help}));
}

void PortDialog::probe(SerialLink& link) {
    const std::uint8_t remembered = link.portNumber();
    for (int n = 1; n <= kPortDialogPorts; ++n) {
        const auto k = static_cast<std::size_t>(n - 1);
        link.setPortNumber(static_cast<std::uint8_t>(n));
        const std::string path = link.devicePath();
        const QString shown = path.empty() ? plainText(StrId::PortNoDevice) : fromStd(path);
        devices_[k]->setText(
            devices_[k]->fontMetrics().elidedText(shown, Qt::ElideMiddle, kDeviceTextWidth));
        devices_[k]->setToolTip(shown);
        link.delay(50);
        bool usable = !path.empty() && link.setOpen(true);
        if (usable) {
            link.delay(10);
            usable = link.isSerialDevice();
            link.delay(10);
        }
        link.setOpen(false);
        buttons_[k]->setEnabled(usable);
        if (usable && n == remembered)
            buttons_[k]->setChecked(true);
    }
    link.setPortNumber(remembered);
}

int PortDialog::checkedPort() const {
    for (int n = 1; n <= kPortDialogPorts; ++n)
        if (buttons_[static_cast<std::size_t>(n - 1)]->isChecked())
            return n;
    return 0;
}

} // namespace tsw::ui
