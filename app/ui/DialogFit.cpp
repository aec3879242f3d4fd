#include "app/ui/DialogFit.h"

#include <QApplication>
#include <QDialog>
#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QVBoxLayout>

#include "app/ui/FitScrollArea.h"

namespace tsw::ui {
namespace {

constexpr char kFittedProperty[] = "tswFitted";

// Only the program's own dialogs: Qt's message boxes and file dialogs look after themselves.
bool isOwnDialog(const QObject* o) {
    return o->isWidgetType() && qobject_cast<const QDialog*>(o) &&
           QByteArray(o->metaObject()->className()).startsWith("tsw::");
}

QRect freeAreaOf(const QWidget* w) {
    const QWidget* anchor = w->parentWidget() ? w->parentWidget()->window() : w;
    const QScreen* screen = anchor->screen() ? anchor->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// The frame a window manager adds around a dialog, guessed: a title bar and thin borders.
QSize decoration(const QWidget* w) {
    const int title = w->fontMetrics().height() + 12;
    return {8, title + 8};
}

class DialogFitFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && isOwnDialog(watched))
            fitDialogToScreen(static_cast<QDialog*>(watched));
        return false;
    }
};

} // namespace

bool fitDialogToScreen(QDialog* dialog) {
    QLayout* layout = dialog->layout();
    const QRect free = freeAreaOf(dialog);
    if (free.isEmpty() || !layout)
        return false;
    const QSize room = free.size() - decoration(dialog);
    if (!dialog->property(kFittedProperty).toBool()) {
        const QSize minimum = layout->totalMinimumSize();
        if (minimum.width() <= room.width() && minimum.height() <= room.height())
            return false;
        // The dialog's own layout, with every control, moves into the scroll area.
        auto* contents = new QWidget;
        contents->setLayout(layout);
        auto* scroll = new FitScrollArea(dialog);
        scroll->setWidget(contents);
        dialog->setMinimumSize(0, 0); // the old layout's minimum, set on the dialog itself
        auto* outer = new QVBoxLayout(dialog);
        outer->setContentsMargins(0, 0, 0, 0);
        outer->addWidget(scroll);
        dialog->setProperty(kFittedProperty, true);
    }
    const QSize size = dialog->sizeHint().boundedTo(room).expandedTo(dialog->minimumSizeHint());
    dialog->resize(size);
    QRect r = dialog->frameGeometry();
    r.moveLeft(std::clamp(r.left(), free.left(), std::max(free.left(), free.right() - r.width())));
    r.moveTop(std::clamp(r.top(), free.top(), std::max(free.top(), free.bottom() - r.height())));
    dialog->move(r.topLeft());
    return true;
}

void installDialogFit() {
    static QPointer<DialogFitFilter> filter;
    if (filter || !qApp)
        return;
    filter = new DialogFitFilter(qApp);
    qApp->installEventFilter(filter);
}

} // namespace tsw::ui
