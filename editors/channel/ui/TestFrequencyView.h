#pragma once
// The test frequency window (form template 157): the receive and transmit frequencies of the
// first eight test channels, which the test mode uses. Typed frequencies are stored at once.
// Closing the window while the test mode works with it (SharedFlags::testFrequencyInUse)
// reminds the user first.

#include "app/ui/EditorForm.h"
#include "app/ui/FilterEdit.h"
#include "editors/channel/TestFrequencyForm.h"

namespace tsw::ui {

class TableGrid;
class CellOverlay;

class TestFrequencyView : public EditorForm {
    Q_OBJECT
public:
    static constexpr int kTemplate = 157;
    static constexpr int kGridId = TestFrequencyForm::kGridId;
    static constexpr int kEditId = 1280;

    explicit TestFrequencyView(QWidget* parent = nullptr);

    TableGrid* grid() const { return grid_; }
    FilterEdit* editBox() const { return edit_; }
    void fillTestFrequencies();

    bool enterActsAsTab(const QWidget* focus) const override;
    bool showImageAgain() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createGrid();

    TestFrequencyForm form_;
    TableGrid* grid_ = nullptr;
    FilterEdit* edit_ = nullptr;
    CellOverlay* overlay_ = nullptr;
    QWidget* watchedFrame_ = nullptr;
};

} // namespace tsw::ui
