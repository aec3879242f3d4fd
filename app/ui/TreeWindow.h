#pragma once
// The tree window (dialog 194): a modeless window listing the current model and, under it,
// the editors of the Edit menu. A double click on an item, or Enter on the current one, opens
// that editor; the focus then returns here. One click only selects.

#include <QDialog>
#include <QTreeWidget>

namespace tsw::ui {

class Shell;

class TreeWindow : public QDialog {
    Q_OBJECT
public:
    explicit TreeWindow(Shell& shell, QWidget* parent = nullptr);
    ~TreeWindow() override;
    QTreeWidget* tree() const { return tree_; } // control 1332
    void fill();
    // The command of an item (0 for the root).
    static int commandOf(const QTreeWidgetItem* item);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void itemActivated(QTreeWidgetItem* item);
    Shell& shell_;
    QTreeWidget* tree_;
};

} // namespace tsw::ui
