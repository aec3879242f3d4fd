#include "editors/feature/ui/EmbeddedMessageView.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "app/AppGlobals.h"
#include "app/CharacterFilter.h"
#include "app/CommandIds.h"
#include "app/ui/FilterEdit.h"
#include "app/ui/UiText.h"
#include "editors/feature/ui/FieldBinder.h"

namespace tsw::ui {

using namespace feature;

namespace {

// The characters a line takes: those the radio stores as typed. A line holding any other
// character would be stored empty, so they are refused as they come in.
constexpr std::uint8_t kLineFilter = filter::PrintableAscii;

// A key press that would put a character the radio cannot store into the line (with or
// without Alt or AltGr held); control characters (Backspace, Ctrl+C ...) are not typed text.
bool typesRefusedCharacter(const QKeyEvent& key) {
    for (const char32_t c : key.text().toUcs4())
        if (c >= 0x20 && filterCharacter(kLineFilter, c, {}) == FilterVerdict::Reject)
            return true;
    return false;
}

bool isPaste(const QKeyEvent& key) {
    return key.matches(QKeySequence::Paste) ||
           (key.key() == Qt::Key_Insert && key.modifiers() == Qt::ShiftModifier);
}

} // namespace

EmbeddedMessageView::EmbeddedMessageView(QWidget* parent)
    : EditorForm(kMessageHelpContext, parent), form_(globals().image) {
    setWindowTitle(uiText(StrId::TitleEmbeddedMessage));
    auto* layout = new QVBoxLayout(body());
    const int columns = static_cast<int>(layout::kMessageLineLength) + 2;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        auto* edit = new QLineEdit(body());
        // Untagged: F1 over any control of this form opens the form's topic.
        edit->setObjectName(QStringLiteral("line%1").arg(kMessageLineIds[i]));
        edit->setMaxLength(static_cast<int>(layout::kMessageLineLength));
        edit->setFont(fixedPitchFont());
        edit->setMinimumWidth(QFontMetrics(edit->font()).horizontalAdvance(QString(columns, 'W')));
        edit->setContextMenuPolicy(Qt::NoContextMenu); // no paste
        edit->setAcceptDrops(false);
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, [this] { edited_ = true; });
        layout->addWidget(edit, 0, Qt::AlignLeft);
        lines_[i] = edit;
    }
    layout->addStretch(1);
    connect(this, &EditorForm::closeRequested, this, &EmbeddedMessageView::commit);
    showLines();
}

void EmbeddedMessageView::showLines() {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        lines_[i]->setText(QString::fromLatin1(form_.line(static_cast<int>(i))));
    edited_ = false;
}

void EmbeddedMessageView::commit() {
    if (!edited_)
        return;
    // Typing takes only what the radio stores; a character beyond ASCII that still got in
    // becomes bytes of 0x80 and more in UTF-8, which empty the line.
    form_.commit(lines_[0]->text().toUtf8().toStdString(),
                 lines_[1]->text().toUtf8().toStdString());
    showLines();
}

bool EmbeddedMessageView::eventFilter(QObject* watched, QEvent* event) {
    auto* line =
        watched == lines_[0] || watched == lines_[1] ? static_cast<QLineEdit*>(watched) : nullptr;
    if (line == nullptr)
        return EditorForm::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isPaste(*key) || typesRefusedCharacter(*key))
            return true;
        break;
    }
    case QEvent::InputMethod:
        filterInputMethodCommit(kLineFilter, *line, static_cast<QInputMethodEvent*>(event));
        break;
    case QEvent::MouseButtonRelease: // the middle button pastes the X11 selection
        if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton)
            return true;
        break;
    case QEvent::FocusOut:
        commit();
        break;
    default:
        break;
    }
    return EditorForm::eventFilter(watched, event);
}

bool EmbeddedMessageView::showImageAgain() {
    showLines();
    return true;
}

} // namespace tsw::ui
