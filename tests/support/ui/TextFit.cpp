#include "tests/support/ui/TextFit.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTableView>
#include <QToolButton>

namespace tsw::test {
namespace {

// A few pixels of slack: styles round margins differently, and a text that touches its frame
// by a pixel or two still reads whole.
constexpr int kSlack = 2;

int textWidth(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.size(Qt::TextShowMnemonic, line).width());
    return widest;
}

QString quoted(const QString& text) {
    return QLatin1Char('\'') + QString(text).replace(QLatin1Char('\n'), QLatin1String("\\n")) +
           QLatin1Char('\'');
}

void report(QStringList& out, const QWidget* w, const QString& what, const QString& text, int needs,
            int has) {
    if (needs > has + kSlack)
        out << QStringLiteral("%1 %2 %3: needs %4 px, has %5")
                   .arg(describe(w), what, quoted(text))
                   .arg(needs)
                   .arg(has);
}

void checkLabel(QStringList& out, const QLabel* label) {
    if (label->text().isEmpty() || label->wordWrap())
        return;
    report(out, label, QString(), label->text(), label->sizeHint().width(), label->width());
}

void checkButton(QStringList& out, const QAbstractButton* button) {
    if (button->text().isEmpty() || qobject_cast<const QToolButton*>(button))
        return;
    if (qobject_cast<const QCheckBox*>(button) || qobject_cast<const QRadioButton*>(button)) {
        report(out, button, QString(), button->text(), button->sizeHint().width(), button->width());
        return;
    }
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect contents =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    report(out, button, QString(), button->text(),
           textWidth(button->fontMetrics(), button->text()) + icon, contents.width());
}

void checkGroupBox(QStringList& out, const QGroupBox* box) {
    if (box->title().isEmpty())
        return;
    report(out, box, QStringLiteral("title"), box->title(), box->minimumSizeHint().width(),
           box->width());
}

void checkComboBox(QStringList& out, const QComboBox* combo) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.frame = combo->hasFrame();
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxEditField, combo);
    const int margin = combo->isEditable() ? 4 : 2; // a line edit keeps 2 px each side
    for (int i = 0; i < combo->count(); ++i) {
        const QString text = combo->itemText(i);
        report(out, combo, QStringLiteral("entry"), text,
               combo->fontMetrics().horizontalAdvance(text) + margin, field.width());
    }
}

void checkLineEdit(QStringList& out, const QLineEdit* edit) {
    if (qobject_cast<const QComboBox*>(edit->parentWidget()))
        return; // measured as the drop-down list's field
    const QString text = edit->displayText();
    if (text.isEmpty())
        return;
    const QMargins margins = edit->textMargins();
    const int frame =
        edit->hasFrame() ? 2 * edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    const int room = edit->width() - frame - margins.left() - margins.right() - 4;
    report(out, edit, QString(), text, edit->fontMetrics().horizontalAdvance(text), room);
}

void checkTabBar(QStringList& out, const QTabBar* bar) {
    const int space = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
    for (int i = 0; i < bar->count(); ++i) {
        if (!bar->isTabVisible(i))
            continue;
        const QString text = bar->tabText(i);
        const QRect r = bar->tabRect(i);
        report(out, bar, QStringLiteral("tab"), text, textWidth(bar->fontMetrics(), text) + space,
               r.width());
        if (r.right() > bar->width() + kSlack)
            out << QStringLiteral("%1 tab %2: beyond the tab bar").arg(describe(bar), quoted(text));
    }
}

void checkHeader(QStringList& out, const QHeaderView* header) {
    if (header->isHidden() || !header->model())
        return;
    const int margin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const QFontMetrics metrics = header->fontMetrics();
    for (int s = 0; s < header->count(); ++s) {
        if (header->isSectionHidden(s))
            continue;
        const QString text =
            header->model()->headerData(s, header->orientation(), Qt::DisplayRole).toString();
        if (text.isEmpty())
            continue;
        const int has =
            header->orientation() == Qt::Horizontal ? header->sectionSize(s) : header->width();
        report(out, header, QStringLiteral("section"), text, textWidth(metrics, text) + margin,
               has);
    }
}

void checkItems(QStringList& out, const QAbstractItemView* view) {
    const QAbstractItemModel* model = view->model();
    if (!model)
        return;
    const int margin =
        2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
    const QFontMetrics metrics = view->fontMetrics();
    // A table that wraps words shows a long text over several lines of a higher row.
    const auto* table = qobject_cast<const QTableView*>(view);
    const bool wraps = table != nullptr && table->wordWrap();
    std::vector<QModelIndex> pending{QModelIndex()};
    while (!pending.empty()) {
        const QModelIndex parent = pending.back();
        pending.pop_back();
        for (int r = 0; r < model->rowCount(parent); ++r)
            for (int c = 0; c < model->columnCount(parent); ++c) {
                const QModelIndex index = model->index(r, c, parent);
                if (c == 0 && model->hasChildren(index))
                    pending.push_back(index);
                const QString text = index.data(Qt::DisplayRole).toString();
                const QRect rect = view->visualRect(index);
                if (text.isEmpty() || rect.isEmpty())
                    continue; // collapsed or hidden
                int needs = textWidth(metrics, text) + margin;
                if (!index.data(Qt::DecorationRole).isNull())
                    needs += view->iconSize().width() + margin;
                if (wraps && needs > rect.width()) { // the lines its width gives must fit
                    const QRect lines = metrics.boundingRect(
                        QRect(0, 0, rect.width() - margin, 1 << 20), Qt::TextWordWrap, text);
                    report(out, view, QStringLiteral("wrapped item"), text, lines.height(),
                           rect.height());
                    continue;
                }
                report(out, view, QStringLiteral("item"), text, needs, rect.width());
            }
    }
}

void checkSubWindowTitle(QStringList& out, const QMdiSubWindow* sub) {
    if (sub->isMaximized() || sub->isMinimized())
        return;
    // Title bar: icon, text, then the three buttons.
    const int buttons = 3 * sub->style()->pixelMetric(QStyle::PM_TitleBarButtonSize, nullptr, sub);
    const int icon = sub->style()->pixelMetric(QStyle::PM_TitleBarButtonIconSize, nullptr, sub);
    QFont font = sub->font();
    font.setBold(true);
    report(out, sub, QStringLiteral("title"), sub->windowTitle(),
           QFontMetrics(font).horizontalAdvance(sub->windowTitle()) + buttons + icon + 16,
           sub->width());
}

bool shown(const QWidget* w, const QWidget* root) {
    return w->isVisibleTo(root) && w->width() > 0;
}

} // namespace

QString describe(const QWidget* w) {
    QStringList path;
    for (const QWidget* p = w; p; p = p->parentWidget()) {
        if (p != w && !p->windowTitle().isEmpty() && p->isWindow()) {
            path.prepend(p->windowTitle());
            break;
        }
        if (p == w || p->inherits("tsw::ui::EditorForm") || p->isWindow())
            path.prepend(QString::fromLatin1(p->metaObject()->className()));
    }
    return path.join(QLatin1Char('/'));
}

QStringList cutTexts(const QWidget* root) {
    QStringList out;
    QList<const QWidget*> widgets{root};
    for (const QWidget* w : root->findChildren<const QWidget*>())
        if (shown(w, root))
            widgets << w;
    for (const QWidget* w : widgets) {
        if (auto* label = qobject_cast<const QLabel*>(w))
            checkLabel(out, label);
        else if (auto* button = qobject_cast<const QAbstractButton*>(w))
            checkButton(out, button);
        else if (auto* box = qobject_cast<const QGroupBox*>(w))
            checkGroupBox(out, box);
        else if (auto* combo = qobject_cast<const QComboBox*>(w))
            checkComboBox(out, combo);
        else if (auto* edit = qobject_cast<const QLineEdit*>(w))
            checkLineEdit(out, edit);
        else if (auto* bar = qobject_cast<const QTabBar*>(w))
            checkTabBar(out, bar);
        else if (auto* header = qobject_cast<const QHeaderView*>(w))
            checkHeader(out, header);
        else if (auto* view = qobject_cast<const QAbstractItemView*>(w))
            checkItems(out, view);
        else if (auto* sub = qobject_cast<const QMdiSubWindow*>(w))
            checkSubWindowTitle(out, sub);
    }
    return out;
}

} // namespace tsw::test
