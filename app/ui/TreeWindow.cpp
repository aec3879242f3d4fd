#include "app/ui/TreeWindow.h"
#include "app/ui/DialogParts.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/AppGlobals.h"
#include "app/CommandTable.h"
#include "app/ModelTable.h"
#include "app/ui/EditorForm.h"
#include "app/ui/Help.h"
#include "app/ui/KeyTests.h"
#include "app/ui/Shell.h"
#include "app/ui/SvgIcon.h"
#include "app/ui/UiText.h"

namespace tsw::ui {
namespace {

constexpr int kTreeId = 1332;
constexpr int kIconSize = 15;
constexpr int kCommandRole = Qt::UserRole + 1;

} // namespace

TreeWindow::TreeWindow(Shell& shell, QWidget* parent)
    : QDialog(parent), shell_(shell), tree_(new QTreeWidget(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(plainText(StrId::TitleTreeView));
    setWindowIcon(svgIcon(kAppIcon));
    setHelpContext(this, helpctx::TreeWindow);
    setControlId(tree_, kTreeId);
    tree_->setHeaderHidden(true);
    tree_->setIconSize(QSize(kIconSize, kIconSize));
    // Not itemActivated: with some styles that comes with a single click.
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, &TreeWindow::itemActivated);
    tree_->installEventFilter(this);

    auto* close = makeButton(this, kCloseButtonId, StrId::CloseButton);
    auto* help = makeButton(this, kHelpButtonId, StrId::HelpButton);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(help, &QPushButton::clicked, this, [] { showHelp(helpctx::TreeWindow); });

    auto* buttons = buttonRow({close, help});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tree_, 1);
    layout->addLayout(buttons);
    resize(260, 320);

    globals().flags.treeWindowOpen = true;
    fill();
}

TreeWindow::~TreeWindow() {
    globals().flags.treeWindowOpen = false;
}

void TreeWindow::fill() {
    tree_->clear();
    const QIcon modelIcon = svgIcon(kAppIcon);
    const QIcon editorIcon = svgIcon(kEditorIcon);
    const std::string_view name = modelEntry(globals().modelIndex).displayName;
    auto* root = new QTreeWidgetItem(tree_, {QString::fromUtf8(name.data(), name.size())});
    root->setIcon(0, modelIcon);
    for (const MenuListEntry& e : editMenuList()) {
        if (e.isSeparator())
            continue;
        auto* item = new QTreeWidgetItem(root, {plainText(e.secondTextId)});
        item->setIcon(0, editorIcon);
        item->setData(0, kCommandRole, e.command);
    }
    tree_->expandItem(root);
}

int TreeWindow::commandOf(const QTreeWidgetItem* item) {
    return item ? item->data(0, kCommandRole).toInt() : 0;
}

bool TreeWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tree_ && event->type() == QEvent::KeyPress &&
        isPlainEnter(static_cast<const QKeyEvent&>(*event))) {
        itemActivated(tree_->currentItem());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TreeWindow::itemActivated(QTreeWidgetItem* item) {
    if (const int command = commandOf(item))
        shell_.runCommand(command);
    activateWindow();
    tree_->setFocus();
}

} // namespace tsw::ui
