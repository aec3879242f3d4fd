#pragma once
// The Test Mode dialog (dialog 144), shown while the radio is in its tuning mode. Every control
// sends its command at once (link/TestMode.h: the PTT-off-first rule, the retry pattern, the
// lost link):
//
//   test channel list 1161 -> frequencies 1164 (RX) / 1165 (TX)    lamps 1185 RX, 1187 TX
//   signalling list 1168   -> names 1171 (RX) / 1172 (TX)          lamps 1186 RX, 1188 TX
//   PTT 1337               lamps 1189 RX, 1192 TX
//   Wide 1179 / Narrow 1180  lamps 1190 / 1191
//   tuning items 1177, Tuning Mode 1182 (or a double click): the item's adjustment dialog
//   Print 1184, Close 1183, Help 1386

#include <QDialog>
#include <functional>
#include <map>
#include <span>

#include "link/TestMode.h"
#include "link/TuningItems.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace tsw::ui {

class Indicator;

// Prints the tuning data with the radio's test channels; true when it went to the printer.
using TuningPrinter = std::function<bool(QWidget* parent, const TuningValues& values,
                                         std::span<const std::uint8_t> testChannels)>;
void setTuningPrinter(TuningPrinter printer); // none: the program's print-out

// Opens the adjustment dialog of an item that is selected in the radio; returns true when
// the user gave the radio up in it (the end command has been sent).
using AdjustmentRunner =
    std::function<bool(QWidget* parent, SerialLink& link, const TuningItem& item, int channel)>;
void setAdjustmentRunner(AdjustmentRunner runner); // none: the program's adjustment dialogs

class TestModeDialog : public QDialog {
    Q_OBJECT
public:
    explicit TestModeDialog(SerialLink& link, QWidget* parent = nullptr);

    // Sends the selected test channel and signalling; false when the user gave up.
    bool prepare();

    QComboBox* channelBox() const { return channel_; }
    QComboBox* signallingBox() const { return signalling_; }
    QListWidget* itemList() const { return items_; }
    QPushButton* button(int id) const;
    Indicator* indicator(int id) const;
    QLabel* field(int id) const;
    // The help topic F1 opens for a control.
    int helpTopicFor(const QWidget* control) const;

public slots:
    void reject() override; // Escape and the close box: as the Close button

private:
    void createControls();
    QLayout* createSelectionRows();
    QLayout* createTransmitterRow();
    QLayout* createTuningRows();
    QLayout* createButtonRow();
    QPushButton* addButton(int id, StringId text);
    QLabel* addField(int id);
    Indicator* addIndicator(int id, int kind);

    void channelChanged(int index);
    void signallingChanged(int index);
    void pttClicked();
    void wideClicked();
    void narrowClicked();
    void itemSelected();
    void openTuningItem();
    void printClicked();
    void closeClicked();
    void helpClicked();

    void showChannel();
    void showSignalling();
    void showTransmitter();
    // After each command: closes the dialog when the user gave the radio up.
    bool afterCommand();
    void finishLost();

    SerialLink& link_;
    TestModeSession session_;
    QComboBox* channel_ = nullptr;
    QComboBox* signalling_ = nullptr;
    QListWidget* items_ = nullptr;
    std::map<int, QPushButton*> buttons_;
    std::map<int, Indicator*> indicators_;
    std::map<int, QLabel*> fields_;
    bool finished_ = false;
    int busy_ = 0; // a command waits for the radio: a close request meanwhile is ignored
};

} // namespace tsw::ui
