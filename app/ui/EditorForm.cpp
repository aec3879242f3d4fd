#include "app/ui/EditorForm.h"
#include "app/ui/DialogParts.h"
#include "app/ui/FitScrollArea.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPointer>
#include <QStyle>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QVariant>

#include "app/AppGlobals.h"
#include "app/NumberText.h"
#include "app/ui/Help.h"
#include "app/ui/KeyTests.h"
#include "app/ui/UiText.h"

namespace tsw::ui {
namespace {

constexpr char kControlIdProperty[] = "tswControlId";

EditorForm* enclosingForm(QWidget* w) {
    for (QWidget* p = w; p; p = p->parentWidget())
        if (auto* form = qobject_cast<EditorForm*>(p))
            return form;
    return nullptr;
}

void sendTab(QWidget* w) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    QCoreApplication::sendEvent(w, &press);
    QCoreApplication::sendEvent(w, &release);
}

// Whether `w` is a control the user puts a value into (not a button or a tab bar).
bool takesInput(const QWidget* w) {
    if (qobject_cast<const QPushButton*>(w) || qobject_cast<const QToolButton*>(w) ||
        qobject_cast<const QTabBar*>(w))
        return false;
    const auto* edit = qobject_cast<const QLineEdit*>(w);
    return !edit || !edit->isReadOnly();
}

// Enter as Tab inside editor forms, F1 context help everywhere.
class KeyConventions : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        auto* w = static_cast<QWidget*>(watched);
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (key.key() == Qt::Key_F1 && key.modifiers() == Qt::NoModifier)
            return contextHelp(w);
        if (isPlainEnter(key))
            return enterInForm(w);
        return false;
    }

private:
    static bool contextHelp(QWidget* w) {
        if (w->inherits("QMenu") || w->inherits("QMenuBar"))
            return false; // the main frame answers F1 on menus itself
        showContextHelp(QApplication::focusWidget() ? QApplication::focusWidget() : w);
        return true;
    }

    static bool enterInForm(QWidget* w) {
        EditorForm* form = enclosingForm(w);
        if (!form || w->window() != form->window() || w == form)
            return false;
        if (w == form->closeButton() || w == form->helpButton()) {
            static_cast<QPushButton*>(w)->click();
            return true;
        }
        if (!form->enterActsAsTab(w))
            return false;
        sendTab(w);
        return true;
    }
};

} // namespace

void setControlId(QWidget* widget, int id) {
    widget->setProperty(kControlIdProperty, id);
}

int controlId(const QWidget* widget) {
    return widget ? widget->property(kControlIdProperty).toInt() : 0;
}

QWidget* findControl(const QWidget* root, int id) {
    if (!root)
        return nullptr;
    for (QWidget* w : root->findChildren<QWidget*>())
        if (controlId(w) == id)
            return w;
    return nullptr;
}

QString numberOrOff(int value) {
    return value == 0 ? uiText(StrId::OffText) : QString::number(value);
}

SpinButtons::SpinButtons(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const int h = style()->pixelMetric(QStyle::PM_IndicatorHeight);
    for (auto** b : {&up_, &down_}) {
        *b = new QPushButton(this);
        (*b)->setAutoRepeat(true);
        (*b)->setFocusPolicy(Qt::NoFocus);
        (*b)->setFixedSize(h + 4, h / 2 + 6);
        (*b)->setIconSize(QSize(h / 2 + 2, h / 2 + 2));
        layout->addWidget(*b);
    }
    up_->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    down_->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    connect(up_, &QPushButton::clicked, this, [this] { step(+1); });
    connect(down_, &QPushButton::clicked, this, [this] { step(-1); });
}

void SpinButtons::setRange(int min, int max) {
    min_ = min;
    max_ = max;
}

void SpinButtons::step(int direction) {
    value_ = stepValue(value_, max_, min_, step_, direction);
    emit stepped(value_, direction);
}

void SpinButtons::setBuddy(QWidget* box) {
    if (buddy_)
        buddy_->removeEventFilter(this);
    buddy_ = box;
    if (box)
        box->installEventFilter(this);
}

bool SpinButtons::eventFilter(QObject* watched, QEvent* event) {
    if (watched == buddy_ && event->type() == QEvent::KeyPress && isEnabled()) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        for (const auto& [k, direction] : {std::pair{Qt::Key_Up, +1}, std::pair{Qt::Key_Down, -1}})
            if (keyIs(key, k, Qt::NoModifier)) {
                step(direction);
                return true;
            }
    }
    return QWidget::eventFilter(watched, event);
}

EditorForm::EditorForm(int helpContext, QWidget* parent)
    : QWidget(parent), helpContext_(helpContext), body_(new QWidget(this)) {
    installKeyConventions();
    setHelpContext(this, helpContext);
    close_ = makeButton(this, kCloseButtonId, StrId::CloseButton);
    help_ = makeButton(this, kHelpButtonId, StrId::HelpButton);
    connect(close_, &QPushButton::clicked, this, &EditorForm::requestClose);
    connect(help_, &QPushButton::clicked, this, &EditorForm::showFormHelp);

    // The body scrolls where the window is too small for it; Close and Help stay in sight.
    scroll_ = new FitScrollArea(this);
    scroll_->setWidget(body_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll_, 1);
    layout->addLayout(buttonRow({close_, help_}));
}

bool EditorForm::enterActsAsTab(const QWidget* focus) const {
    return focus != close_ && focus != help_;
}

// A widget with a focus proxy (a tab control, a grid's frame) is passed over: the control it
// hands the focus to stands in the tab order itself.
QWidget* EditorForm::firstFocus() const {
    for (QWidget* w = body_->nextInFocusChain(); w && w != body_; w = w->nextInFocusChain())
        if (body_->isAncestorOf(w) && !w->focusProxy() && (w->focusPolicy() & Qt::TabFocus) &&
            w->isEnabled() && w->isVisibleTo(this) && takesInput(w))
            return w;
    return nullptr;
}

// Without a choice of its own the MDI child would give the first control in the tab order,
// the Close button, the focus, and Enter right after opening would close the window.
void EditorForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (opened_)
        return;
    opened_ = true;
    if (QWidget* first = firstFocus())
        first->setFocus(Qt::OtherFocusReason);
}

void EditorForm::requestClose() {
    emit closeRequested();
    QWidget* target = window();
    for (QWidget* p = parentWidget(); p; p = p->parentWidget())
        if (auto* sub = qobject_cast<QMdiSubWindow*>(p)) {
            target = sub;
            break;
        }
    QPointer<QWidget> guard(target);
    QMetaObject::invokeMethod(
        target,
        [guard] {
            if (guard)
                guard->close();
        },
        Qt::QueuedConnection);
}

void EditorForm::showFormHelp() {
    showHelp(helpContext_);
}

void installKeyConventions() {
    ensureResources();
    static QPointer<KeyConventions> filter;
    if (filter || !qApp)
        return;
    filter = new KeyConventions(qApp);
    qApp->installEventFilter(filter);
}

} // namespace tsw::ui
