#include "editors/channel/ui/ToneList.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include "app/ui/FilterEdit.h"
#include "editors/channel/GridKeys.h"

namespace tsw::ui {

ToneEdit::ToneEdit(QWidget* parent) : QLineEdit(parent) {
    setContextMenuPolicy(Qt::PreventContextMenu);
}

namespace {
// Control characters that act on the text already in the box: Backspace, select all, copy, cut.
// A paste (or undo) could bring in text that never passed the filter.
bool editsOnlyWhatIsThere(char32_t typed) {
    return typed == 0x08 || typed == 0x01 || typed == 0x03 || typed == 0x18;
}
} // namespace

void ToneEdit::keyPressEvent(QKeyEvent* event) {
    const char32_t typed = typedCharacter(*event);
    if (typed == 0 || editsOnlyWhatIsThere(typed)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const char32_t accepted = toneInputCharacter(typed);
    if (accepted != 0)
        insert(QString(QChar(static_cast<char16_t>(accepted))));
    event->accept();
}

void ToneEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    selectAllOnFocusIn(*this, *event);
}

void makeToneList(QComboBox* list) {
    list->setEditable(true);
    list->setLineEdit(new ToneEdit(list));
    list->lineEdit()->setContextMenuPolicy(Qt::PreventContextMenu);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setMaxVisibleItems(16);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
}

void setListEntries(QComboBox* list, const std::vector<std::string>& entries) {
    const QSignalBlocker block(list);
    const QString text = list->isEditable() ? list->currentText() : QString();
    list->clear();
    for (const std::string& entry : entries)
        list->addItem(QString::fromStdString(entry));
    list->setCurrentIndex(-1);
    if (list->isEditable())
        list->setEditText(text);
}

void showToneInList(QComboBox* list, int index, const QString& text) {
    const QSignalBlocker block(list);
    list->setCurrentIndex(index);
    if (index < 0 && list->isEditable())
        list->setEditText(text);
}

bool clearToneListOnDelete(QComboBox* list, const QKeyEvent& key) {
    if (key.key() != Qt::Key_Delete || key.modifiers() != Qt::NoModifier)
        return false;
    list->setCurrentIndex(-1);
    list->setEditText(QString());
    return true;
}

} // namespace tsw::ui
