#include "link/ui/PortDialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/ui/DialogParts.h"
#include "app/ui/EditorForm.h"
#include "app/ui/Help.h"
#include "app/ui/Shell.h"
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
constexpr int kListRows = 4;          // the device list shows this many devices without scrolling

enum ListColumn { kPathColumn, kDescriptionColumn, kSerialColumn };

} // namespace

int PortDialog::controlIdOf(int n) {
    return kButtonIds.at(static_cast<std::size_t>(n - 1));
}

PortDialog::PortDialog(int portInUse, PortMapping mapping, const SerialDeviceCatalogue& catalogue,
                       Probe probe, QWidget* parent)
    : QDialog(parent), portInUse_(portInUse), mapping_(std::move(mapping)), catalogue_(catalogue),
      probe_(std::move(probe)) {
    setUpDialog(this, kDialog);
    setWindowTitle(plainText(StrId::TitleCommunicationPort));
    setWindowIcon(QApplication::windowIcon());
    createControls();
    rescan();
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
    connect(group, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            showSelectedPort();
    });

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
    layout->addWidget(createDeviceRow());
    layout->addLayout(buttonRow({ok, cancel, help}));
}

// The device field with Rescan, and the list of the devices present below them.
QWidget* PortDialog::createDeviceRow() {
    auto* panel = new QWidget(this);
    auto* fieldLabel = new QLabel(uiText(StrId::PortDeviceLabel), panel);
    path_ = new QLineEdit(panel);
    path_->setClearButtonEnabled(true);
    fieldLabel->setBuddy(path_);
    rescan_ = new QPushButton(uiText(StrId::PortRescanButton), panel);
    rescan_->setAutoDefault(false);
    connect(rescan_, &QPushButton::clicked, this, &PortDialog::rescan);
    connect(path_, &QLineEdit::editingFinished, this, [this] {
        takeFieldText();
        probePort(shownPort_);
    });
    auto* listLabel = new QLabel(uiText(StrId::PortDevicesPresent), panel);
    list_ = new QTreeWidget(panel);
    listLabel->setBuddy(list_);
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({plainText(StrId::PortDeviceColumn),
                            plainText(StrId::PortDescriptionColumn),
                            plainText(StrId::PortSerialColumn)});
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->setMinimumHeight(list_->sizeHintForRow(0) * kListRows +
                            list_->header()->sizeHint().height() + 2 * list_->frameWidth());
    connect(list_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        if (item && !item->data(kPathColumn, Qt::UserRole).toString().isEmpty())
            useDevice(toStd(item->data(kPathColumn, Qt::UserRole).toString()));
    });
    auto* row = new QHBoxLayout;
    row->addWidget(fieldLabel);
    row->addWidget(path_, 1);
    row->addWidget(rescan_);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(row);
    layout->addWidget(listLabel);
    layout->addWidget(list_);
    return panel;
}

std::string PortDialog::devicePathOf(int n) const {
    std::vector<std::string> paths;
    for (const SerialDeviceInfo& d : present_)
        paths.push_back(d.path);
    return resolveComPort(n, mapping_, paths);
}

void PortDialog::rescan() {
    if (shownPort_ != 0)
        takeFieldText();
    present_ = catalogue_.devices();
    fillDeviceList();
    const int selected = selectedPort();
    for (int n = 1; n <= kPortDialogPorts; ++n)
        probePort(n);
    if (checkedPort() == 0 && selected >= 1 && selected <= kPortDialogPorts &&
        portButton(selected)->isEnabled())
        portButton(selected)->setChecked(true);
    showSelectedPort();
}

void PortDialog::fillDeviceList() {
    list_->clear();
    for (const SerialDeviceInfo& d : present_) {
        const QString description = fromStd(deviceDescription(d));
        auto* item =
            new QTreeWidgetItem(list_, {fromStd(d.path), description, fromStd(d.serialNumber)});
        item->setData(kPathColumn, Qt::UserRole, fromStd(d.path));
        item->setToolTip(kDescriptionColumn, description);
    }
    if (present_.empty()) {
        auto* none = new QTreeWidgetItem(list_, {plainText(StrId::PortNoDevicesFound)});
        none->setFlags(Qt::NoItemFlags);
    }
}

// Tries port n's device: the button is enabled only when it opens as a serial line. The port
// in use is checked when it is usable and no other is.
void PortDialog::probePort(int n) {
    if (n < 1 || n > kPortDialogPorts)
        return;
    const auto k = static_cast<std::size_t>(n - 1);
    const std::string path = devicePathOf(n);
    QString shown = path.empty() ? plainText(StrId::PortNoDevice) : fromStd(path);
    devices_[k]->setText(
        devices_[k]->fontMetrics().elidedText(shown, Qt::ElideMiddle, kDeviceTextWidth));
    for (const SerialDeviceInfo& d : present_)
        if (d.path == path && !deviceDescription(d).empty())
            shown += QStringLiteral("\n") + fromStd(deviceDescription(d));
    devices_[k]->setToolTip(shown);
    const bool usable = !path.empty() && probe_ && probe_(path);
    if (!usable && buttons_[k]->isChecked()) { // a checked button cannot be unchecked alone
        buttons_[k]->group()->setExclusive(false);
        buttons_[k]->setChecked(false);
        buttons_[k]->group()->setExclusive(true);
    }
    buttons_[k]->setEnabled(usable);
    if (usable && n == portInUse_ && checkedPort() == 0)
        buttons_[k]->setChecked(true);
}

int PortDialog::checkedPort() const {
    for (int n = 1; n <= kPortDialogPorts; ++n)
        if (buttons_[static_cast<std::size_t>(n - 1)]->isChecked())
            return n;
    return 0;
}

int PortDialog::selectedPort() const {
    const int checked = checkedPort();
    return checked != 0 ? checked : portInUse_;
}

// The field shows the selected port's own mapping; empty (the automatic device as a hint)
// when it has none. What was typed for the port shown before is kept first.
void PortDialog::showSelectedPort() {
    if (shownPort_ != 0 && shownPort_ != selectedPort())
        takeFieldText();
    shownPort_ = selectedPort();
    const auto it = mapping_.find(shownPort_);
    path_->setText(it == mapping_.end() ? QString() : fromStd(it->second));
    std::vector<std::string> paths;
    for (const SerialDeviceInfo& d : present_)
        paths.push_back(d.path);
    path_->setPlaceholderText(fromStd(resolveComPort(shownPort_, {}, paths)));
}

void PortDialog::takeFieldText() {
    const std::string text = toStd(path_->text().trimmed());
    if (text.empty())
        mapping_.erase(shownPort_);
    else
        mapping_[shownPort_] = text;
}

void PortDialog::useDevice(const std::string& path) {
    path_->setText(fromStd(path));
    takeFieldText();
    probePort(shownPort_);
}

// A typed device must be a full path; the dialog stays open until it is.
void PortDialog::accept() {
    takeFieldText();
    const auto it = mapping_.find(shownPort_);
    if (it != mapping_.end() && !isDevicePath(it->second)) {
        shell().prompt().ask(errorPrompt(StrId::PortPathNotAbsolute));
        path_->setFocus();
        path_->selectAll();
        return;
    }
    QDialog::accept();
}

} // namespace tsw::ui
