#include "editors/feature/ui/CEmbView.h"

#include <QKeyEvent>
#include <QVBoxLayout>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/ui/EditorRegistry.h"
#include "app/ui/UiText.h"
#include "editors/feature/ui/FieldBinder.h"

namespace tsw::ui {

using namespace feature;

CEmbView::CEmbView(QWidget* parent)
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
    connect(this, &EditorForm::closeRequested, this, &CEmbView::commit);
    showLines();
}

void CEmbView::showLines() {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        lines_[i]->setText(QString::fromLatin1(form_.line(static_cast<int>(i))));
    edited_ = false;
}

void CEmbView::commit() {
    if (!edited_)
        return;
    // UTF-8: any character beyond ASCII becomes bytes of 0x80 and more, which empty the line.
    form_.commit(lines_[0]->text().toUtf8().toStdString(),
                 lines_[1]->text().toUtf8().toStdString());
    showLines();
}

bool CEmbView::eventFilter(QObject* watched, QEvent* event) {
    const bool isLine = watched == lines_[0] || watched == lines_[1];
    if (isLine && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Paste) ||
            (key->key() == Qt::Key_Insert && key->modifiers() == Qt::ShiftModifier))
            return true; // no paste
    }
    if (isLine && event->type() == QEvent::FocusOut)
        commit();
    return EditorForm::eventFilter(watched, event);
}

TSW_REGISTER_EDITOR(cmd::EmbeddedMessage, [] { return new CEmbView; });

} // namespace tsw::ui
