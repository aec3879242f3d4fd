#pragma once
// The memory map (dialog template 161): the whole image as a hex table, bottom row offset
// 0x000. Cells are changed in the table; OK writes all of it into the image, closes every
// editor and reopens the channel table; Cancel leaves the image as it was.

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "app/ui/FilterEdit.h"
#include "editors/channel/MemoryMapForm.h"

namespace tsw::ui {

class TableGrid;
class CellOverlay;

class MemoryMapDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplate = 161;
    static constexpr int kGridId = 1232;
    static constexpr int kOffsetId = 1234;
    static constexpr int kEditId = 1236;

    explicit MemoryMapDialog(QWidget* parent = nullptr);

    TableGrid* grid() const { return grid_; }
    FilterEdit* editBox() const { return edit_; }
    QLabel* offsetLabel() const { return offset_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    void createGrid();
    void fillMemoryMap();
    void apply();

    MemoryMapForm form_;
    TableGrid* grid_ = nullptr;
    FilterEdit* edit_ = nullptr;
    CellOverlay* overlay_ = nullptr;
    QLabel* offset_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace tsw::ui
