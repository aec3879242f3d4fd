#pragma once
// The Print Out List (dialog 183): which sections to print. Nine boxes, of which DTMF and
// CrewLink stay hidden and disabled; OK is enabled, and the default button, only while a box
// is checked; All Clear and Select All act on the enabled boxes only; Print Setup opens the
// page set-up of the program's printer; Help opens topic 183.
//
// Below the boxes, the layout of the channels: four channels per page (the default, each
// time the dialog opens) or all 16 as one table on one page. The choice is offered while the
// Channel Information box is checked.

#include <QDialog>
#include <array>
#include <cstdint>

#include "app/StringIds.h"

class QCheckBox;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace tsw::print::ui {

class PrintOutListDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 183;
    static constexpr int kPrintSetupId = 4;
    static constexpr int kAllClearId = 5;
    static constexpr int kSelectAllId = 6;
    static constexpr int kOkId = 1;
    static constexpr int kCancelId = 2;
    static constexpr int kHelpId = 1004;

    struct Box {
        std::uint16_t bit;
        int controlId;
        StringId text;
        bool offered; // false: hidden and disabled
    };
    static const std::array<Box, 9> kBoxes;

    explicit PrintOutListDialog(QWidget* parent = nullptr);

    // The selection bits of the checked boxes.
    std::uint16_t mask() const;
    QCheckBox* box(int index) const { return boxes_[static_cast<std::size_t>(index)]; }
    QPushButton* okButton() const { return ok_; }
    QRadioButton* blocksLayoutButton() const { return blocks_; }
    QRadioButton* tableLayoutButton() const { return table_; }
    // The channel table layout is chosen (and the Channel Information box checked).
    bool channelTable() const;

    void clearAll();
    void selectAll();

private:
    QVBoxLayout* createBoxes();
    QVBoxLayout* createButtons();
    void createLayoutChoice(QVBoxLayout* column);
    void updateOk();
    void openPrintSetup();

    std::array<QCheckBox*, 9> boxes_{};
    QPushButton* ok_ = nullptr;
    QRadioButton* blocks_ = nullptr;
    QRadioButton* table_ = nullptr;
};

} // namespace tsw::print::ui
