#include "app/ui/EditorForm.h"
#include "app/ui/DialogParts.h"
#include "app/ui/FitScrollArea.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOption>
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

namespace {

// A spin button half: it takes the clicks (with auto-repeat) and is drawn by its SpinButtons.
class SpinHalf : public QPushButton {
public:
    explicit SpinHalf(QWidget* parent) : QPushButton(parent) {
        setAutoRepeat(true);
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_Hover);
        connect(this, &QAbstractButton::pressed, parent, qOverload<>(&QWidget::update));
        connect(this, &QAbstractButton::released, parent, qOverload<>(&QWidget::update));
    }

protected:
    void paintEvent(QPaintEvent*) override {}
    bool event(QEvent* e) override {
        if (e->type() == QEvent::HoverEnter || e->type() == QEvent::HoverLeave)
            parentWidget()->update();
        return QPushButton::event(e);
    }
};

// The height of a line edit in the current style, for arrows without a box.
int lineEditHeight(const QWidget* w) {
    QStyleOptionFrame option;
    option.initFrom(w);
    option.lineWidth = w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, w);
    const QSize text(w->fontMetrics().averageCharWidth(), w->fontMetrics().height() + 2);
    return w->style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, w).height();
}

} // namespace

SpinButtons::SpinButtons(QWidget* parent) : QWidget(parent) {
    up_ = new SpinHalf(this);
    down_ = new SpinHalf(this);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(up_, &QPushButton::clicked, this, [this] { step(+1); });
    connect(down_, &QPushButton::clicked, this, [this] { step(-1); });
}

void SpinButtons::initStyleOption(QStyleOptionSpinBox* option) const {
    option->initFrom(this);
    option->rect = rect();
    option->frame = true;
    option->buttonSymbols = QAbstractSpinBox::UpDownArrows;
    option->subControls = QStyle::SC_SpinBoxFrame | QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
    option->stepEnabled = isEnabled()
                              ? QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled
                              : QAbstractSpinBox::StepNone;
    option->activeSubControls = QStyle::SC_None;
    option->state &= ~QStyle::State_Sunken;
    for (const auto& [button, control] :
         {std::pair{up_, QStyle::SC_SpinBoxUp}, std::pair{down_, QStyle::SC_SpinBoxDown}}) {
        if (button->isDown()) {
            option->activeSubControls = control;
            option->state |= QStyle::State_Sunken;
        } else if (button->underMouse() && option->activeSubControls == QStyle::SC_None) {
            option->activeSubControls = control;
            option->state |= QStyle::State_MouseOver;
        }
    }
}

// As wide as the style makes the arrows of a spin box, as tall as the box.
QSize SpinButtons::sizeHint() const {
    const int height = buddy_ ? buddy_->sizeHint().height() : lineEditHeight(this);
    QStyleOptionSpinBox option;
    option.initFrom(this);
    option.frame = true;
    option.rect = QRect(0, 0, 200, height);
    const QRect up =
        style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, this);
    return {std::max(12, 200 - up.left()), height};
}

void SpinButtons::placeButtons() {
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    up_->setGeometry(
        style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, this));
    down_->setGeometry(
        style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxDown, this));
}

void SpinButtons::resizeEvent(QResizeEvent*) {
    placeButtons();
}

// The style draws a spin box without its edit field: its frame and the two arrows.
void SpinButtons::paintEvent(QPaintEvent*) {
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    QPainter painter(this);
    style()->drawComplexControl(QStyle::CC_SpinBox, &option, &painter, this);
}

QHBoxLayout* boxWithSpin(QWidget* box, SpinButtons* spin) {
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(box);
    row->addWidget(spin);
    return row;
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
    updateGeometry();
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
