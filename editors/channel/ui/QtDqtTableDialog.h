#pragma once
// The QT/DQT table (dialog template 212): the 38 tone entries that channels refer to by
// number. A click (or Enter) on an entry lays the tone list over it; leaving the list stores
// the entry and carries it into every channel that uses it.

#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <optional>
#include <vector>

#include "editors/channel/QtDqtTableForm.h"

namespace tsw::ui {

class TableGrid;
class CellOverlay;

class QtDqtTableDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplate = 212;
    static constexpr int kGridId = QtDqtTableForm::kGridId;
    static constexpr int kToneListId = 1374;
    static constexpr int kHelpButtonId = 1375;

    explicit QtDqtTableDialog(QWidget* parent = nullptr);
    ~QtDqtTableDialog() override;

    TableGrid* grid() const { return grid_; }
    QComboBox* toneList() const { return list_; }
    QPushButton* closeButton() const { return close_; }

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createGrid();
    void fillQtDqtTable();
    void editEntry(int row, int col);
    std::optional<QString> storeEntry(int row, int col);
    void showChangedChannels();

    QtDqtTableForm form_;
    TableGrid* grid_ = nullptr;
    QComboBox* list_ = nullptr;
    QPushButton* close_ = nullptr;
    CellOverlay* overlay_ = nullptr;
    std::vector<int> changedChannels_; // by the entry just stored
};

} // namespace tsw::ui
