#include "editors/channel/ui/ToneList.h"

#include <QKeyEvent>

#include "app/ui/FilterEdit.h"
#include "editors/channel/GridKeys.h"

namespace tsw::ui {

ToneEdit::ToneEdit(QWidget* parent) : QLineEdit(parent) {
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void ToneEdit::keyPressEvent(QKeyEvent* event) {
    const char32_t typed = typedCharacter(*event);
    if (typed == 0 || typed == 8) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const char32_t accepted = ToneInputCharacter(typed);
    if (accepted != 0)
        insert(QString(QChar(static_cast<char16_t>(accepted))));
    event->accept();
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

} // namespace tsw::ui
