#pragma once
// The channel edit window (form template 160): the channel selected in the channel table as a
// form. Shift+F3/Ctrl+E opens Channel Copy, Shift+F4/Ctrl+F Frequency Copy, Shift+F5/Ctrl+Q
// QT/DQT Copy; Escape closes the window.

#include <QCheckBox>
#include <QComboBox>

#include "app/ui/EditorForm.h"
#include "app/ui/FilterEdit.h"
#include "editors/channel/ChannelEditForm.h"

namespace tsw::ui {

class ChannelEditView : public EditorForm {
    Q_OBJECT
public:
    static constexpr int kTemplate = 160;
    static constexpr int kChannelNumberId = 1249;
    static constexpr int kChannelSpinId = 1250;
    static constexpr int kReceiveListId = ChannelEditForm::kReceiveListId;
    static constexpr int kTransmitListId = ChannelEditForm::kTransmitListId;
    static constexpr int kDecodeListId = ChannelEditForm::kDecodeListId;
    static constexpr int kEncodeListId = ChannelEditForm::kEncodeListId;
    static constexpr int kBeatShiftId = ChannelEditForm::kBeatShiftId;
    static constexpr int kBitmapBListId = ChannelEditForm::kBitmapBListId;
    static constexpr int kCompanderId = ChannelEditForm::kCompanderId;

    explicit ChannelEditView(QWidget* parent = nullptr);
    ~ChannelEditView() override;

    // Shows the selected channel (ChannelEditorState) in every field.
    void showChannel();
    bool showImageAgain() override;

    FilterEdit* channelNumber() const { return number_; }
    SpinButtons* channelSpin() const { return spin_; }
    QComboBox* receiveList() const { return receive_; }
    QComboBox* transmitList() const { return transmit_; }
    QComboBox* decodeList() const { return decode_; }
    QComboBox* encodeList() const { return encode_; }
    QCheckBox* beatShiftBox() const { return beatShift_; }
    QCheckBox* companderBox() const { return compander_; }
    QComboBox* bitmapBList() const { return bitmapB_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createFields();
    void connectFields();
    void enableFields(bool used);
    void showFrequency(QComboBox* list, const std::string& text);
    void showTone(QComboBox* list, const std::string& text);
    void commitChannelNumber();
    void commitFrequency(QComboBox* list);
    void commitTone(QComboBox* list, const QString& text);
    void afterCommit(bool changed);
    bool handleKey(const QKeyEvent& key);
    void openCopyDialog(int which);

    ChannelEditForm form_;
    FilterEdit* number_ = nullptr;
    SpinButtons* spin_ = nullptr;
    QComboBox* receive_ = nullptr;
    QComboBox* transmit_ = nullptr;
    QComboBox* decode_ = nullptr;
    QComboBox* encode_ = nullptr;
    QCheckBox* beatShift_ = nullptr;
    QComboBox* bitmapB_ = nullptr;
    QCheckBox* compander_ = nullptr;
    bool filling_ = false;
};

} // namespace tsw::ui
