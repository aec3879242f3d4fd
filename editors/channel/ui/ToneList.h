#pragma once
// The tone drop-downs of the channel editors: editable lists whose edit part takes only what a
// tone text may hold (digits, '.', D, I, N; d, i and n typed as upper case) and shows no
// context menu. Like every edit box of the program, the edit part selects its whole text when
// it gains the focus, so that typing replaces it; Ctrl+A selects it again, copy and cut work,
// a paste is refused.

#include <QComboBox>
#include <QLineEdit>
#include <string>
#include <vector>

class QKeyEvent;

namespace tsw::ui {

class ToneEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit ToneEdit(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
};

// Makes `list` an editable tone list with a ToneEdit as its edit part.
void makeToneList(QComboBox* list);
// Replaces the entries of a list (no signals while it happens).
void setListEntries(QComboBox* list, const std::vector<std::string>& entries);
// Selects `index` when >= 0, else leaves no entry selected and types `text` into the edit part.
void showToneInList(QComboBox* list, int index, const QString& text);
// Delete on a tone list laid over a cell empties its text, entry and all; true when `key` was
// that Delete.
bool clearToneListOnDelete(QComboBox* list, const QKeyEvent& key);

} // namespace tsw::ui
