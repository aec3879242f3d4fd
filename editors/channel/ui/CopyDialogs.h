#pragma once
// The copy dialogs of the channel editors (modal):
//   ChannelCopyDialog    (template 179)  copies the selected channel onto another channel;
//   FrequencyCopyDialog  (template 180)  sets the transmit frequency from a typed text;
//   QtDqtCopyDialog      (template 181)  sets the encode tone.
// Each works on the channel selected in ChannelEditorState and refreshes the channel windows.

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "app/ui/EditorForm.h"
#include "app/ui/FilterEdit.h"
#include "editors/channel/CopyDialogForms.h"

namespace tsw::ui {

class ChannelCopyDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplate = 179;
    static constexpr int kCopyButtonId = 1306;
    static constexpr int kSourceId = 1309;
    static constexpr int kDestinationId = 1310;
    static constexpr int kSpinId = 1311;

    explicit ChannelCopyDialog(QWidget* parent = nullptr);

    FilterEdit* destination() const { return destination_; }
    QPushButton* copyButton() const { return copy_; }
    SpinButtons* spin() const { return spin_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void copy();

    ChannelCopyForm form_;
    QLabel* source_ = nullptr;
    FilterEdit* destination_ = nullptr;
    SpinButtons* spin_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* close_ = nullptr;
    QPushButton* help_ = nullptr;
};

class FrequencyCopyDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplate = 180;
    static constexpr int kOkButtonId = 1312;
    static constexpr int kReceiveTextId = 1194;
    static constexpr int kEditId = 1315;

    explicit FrequencyCopyDialog(QWidget* parent = nullptr);

    FilterEdit* edit() const { return edit_; }
    QPushButton* okButton() const { return ok_; }

private:
    void commit();

    FrequencyCopyForm form_;
    FilterEdit* edit_ = nullptr;
    QPushButton* ok_ = nullptr;
};

class QtDqtCopyDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplate = 181;
    static constexpr int kOkButtonId = 1005;
    static constexpr int kDecodeTextId = 1317;
    static constexpr int kToneListId = 1201;

    explicit QtDqtCopyDialog(QWidget* parent = nullptr);

    QComboBox* toneList() const { return list_; }
    QPushButton* okButton() const { return ok_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void commit();

    QtDqtCopyForm form_;
    QComboBox* list_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* close_ = nullptr;
    QPushButton* help_ = nullptr;
    bool listHadFocus_ = false;
};

} // namespace tsw::ui
