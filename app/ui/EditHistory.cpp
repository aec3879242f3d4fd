#include "app/ui/EditHistory.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QKeySequence>
#include <QWidget>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/TextTemplate.h"
#include "app/ui/Shell.h"
#include "app/ui/SvgIcon.h"
#include "app/ui/UiText.h"
#include "fields/UndoStepName.h"

namespace tsw::ui {
namespace {

EditHistory* g_history = nullptr;

bool isUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}

// A menu text with a name in it: the name's own '&' must not become a mnemonic.
QString menuText(StringId pattern, const QString& name) {
    QString escaped = name;
    escaped.replace(QLatin1Char('&'), QLatin1String("&&"));
    return fromStd(fillTemplate(tsw::tr(pattern), {toStd(escaped)}));
}

// The widget that takes the focus back after an undo: `w` when it can, else its nearest
// ancestor that can (an overlay list that its commit hid hands it to its table).
QWidget* focusTarget(QWidget* w) {
    for (; w; w = w->parentWidget()) {
        QWidget* target = w->focusProxy() ? w->focusProxy() : w;
        if (target->isVisible() && target->isEnabled() && target->focusPolicy() != Qt::NoFocus)
            return target;
        if (w->isWindow())
            return nullptr;
    }
    return nullptr;
}

} // namespace

EditHistory* editHistory() {
    return g_history;
}

void setEditHistory(EditHistory* history) {
    g_history = history;
}

EditHistory::EditHistory(QObject* parent)
    : QObject(parent), undo_(new QAction(this)), redo_(new QAction(this)),
      clear_(new QAction(this)) {
    const auto keys = [](int command) {
        const std::string_view k = commandShortcut(command);
        return QKeySequence(QString::fromLatin1(k.data(), static_cast<qsizetype>(k.size())));
    };
    undo_->setShortcut(keys(cmd::EditUndo));
    redo_->setShortcuts({keys(cmd::EditRedo), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    undo_->setData(cmd::EditUndo);
    redo_->setData(cmd::EditRedo);
    clear_->setData(cmd::EditClearUndoHistory);
    undo_->setIcon(svgIcon(QStringLiteral(":/icons/undo.svg")));
    redo_->setIcon(svgIcon(QStringLiteral(":/icons/redo.svg")));
    connect(undo_, &QAction::triggered, this, &EditHistory::undo);
    connect(redo_, &QAction::triggered, this, &EditHistory::redo);
    connect(clear_, &QAction::triggered, this, &EditHistory::askToClear);
    check_.setSingleShot(true);
    check_.setInterval(0);
    connect(&check_, &QTimer::timeout, this, &EditHistory::recordPendingChange);
    qApp->installEventFilter(this);
    if (QAbstractEventDispatcher* loop = QAbstractEventDispatcher::instance())
        connect(loop, &QAbstractEventDispatcher::aboutToBlock, this,
                &EditHistory::recordPendingChange);
    restart();
}

EditHistory::~EditHistory() {
    if (g_history == this)
        g_history = nullptr;
}

EditState EditHistory::currentState() const {
    const AppGlobals& g = globals();
    return {g.image, g.identity};
}

DocumentInfo EditHistory::currentDocument() const {
    const AppGlobals& g = globals();
    return {g.currentFileName, g.currentFilePath, g.dataDirectory, g.savedCopy};
}

void EditHistory::restart() {
    history_.reset(currentState(), currentDocument());
    updateActions();
    emit changed();
}

bool EditHistory::eventFilter(QObject* watched, QEvent* event) {
    if (isUserInput(event->type()) && !check_.isActive())
        check_.start();
    return QObject::eventFilter(watched, event);
}

void EditHistory::recordPendingChange() {
    if (holds_ == 0)
        record({}, false);
}

void EditHistory::recordChange(StepLabel label) {
    if (holds_ == 0)
        record(label, false);
}

// A command held as one step that leaves another file name or saved copy behind (Open, New,
// Read from Radio) replaced the file: its state starts a document of its own, even when the
// image is the same. Any other change of the file (Save, Save As; the path alone after an Open
// that failed) belongs to the current document.
void EditHistory::record(StepLabel label, bool endOfCommand) {
    const EditState state = currentState();
    const DocumentInfo document = currentDocument();
    const DocumentInfo& known = history_.document();
    const bool replaced = endOfCommand && (document.fileName != known.fileName ||
                                           !(document.savedCopy == known.savedCopy));
    bool changedSomething = false;
    if (replaced) {
        history_.recordNewDocument(state, label, document);
        changedSomething = true;
    } else {
        changedSomething = history_.record(state, label);
        if (!(document == history_.document())) {
            history_.updateDocument(document);
            changedSomething = true;
        }
    }
    if (changedSomething) {
        updateActions();
        emit changed();
    }
}

void EditHistory::documentSaved() {
    history_.updateDocument(currentDocument());
    emit changed();
}

void EditHistory::hold(StepLabel label) {
    if (holds_++ == 0) {
        record({}, false); // what came before is a step of its own
        heldLabel_ = label;
    }
}

void EditHistory::release() {
    if (holds_ == 0 || --holds_ > 0)
        return;
    const StepLabel label = heldLabel_;
    heldLabel_ = {};
    record(label, true);
}

// The control being typed into commits as leaving it would, so that Undo takes back the
// user's last change, including the one not yet committed.
void EditHistory::finishEditing() {
    QWidget* focus = QApplication::focusWidget();
    if (!focus)
        return;
    focus->clearFocus();
    recordPendingChange();
    if (QWidget* target = focusTarget(focus))
        target->setFocus(Qt::OtherFocusReason);
}

bool EditHistory::undo() {
    return move(false);
}

bool EditHistory::redo() {
    return move(true);
}

// A list still open over a cell holds its step: finishing the edit closes it first.
bool EditHistory::move(bool forward) {
    finishEditing();
    if (holds_ > 0) // a command is still running
        return false;
    const QString name = forward ? redoName() : undoName();
    if (!(forward ? history_.redo() : history_.undo()))
        return false;
    putCurrentState();
    updateActions();
    emit applied(fromStd(
        fillTemplate(tsw::tr(forward ? StrId::StatusRedone : StrId::StatusUndone), {toStd(name)})));
    emit changed();
    return true;
}

// The globals take the current state and its document; never the radio.
void EditHistory::putCurrentState() {
    AppGlobals& g = globals();
    const EditState& state = history_.current();
    g.image = state.image;
    g.identity = state.identity;
    g.modelIndex = lookupModel(g.identity);
    g.narrowStepsOnly = narrowStepsOnly(g.modelIndex, g.identity[6]);
    const DocumentInfo& document = history_.document();
    g.currentFileName = document.fileName;
    g.currentFilePath = document.filePath;
    g.dataDirectory = document.directory;
    g.savedCopy = document.savedCopy;
}

void EditHistory::askToClear() {
    recordPendingChange();
    Prompt p = textPrompt(StrId::ClearUndoHistoryQuestion, StrId::ConfirmCaption,
                          PromptIcon::Exclamation, tsw::tr);
    p.buttons = PromptButtons::OkCancel;
    p.defaultAnswer = PromptAnswer::Cancel;
    if (shell().prompt().ask(p) == PromptAnswer::Ok)
        clear();
}

void EditHistory::clear() {
    history_.clear();
    updateActions();
}

QString EditHistory::undoName() const {
    const auto step = history_.nextUndo();
    return step ? fromStd(fields::undoStepName(step->label, step->before, step->after)) : QString();
}

QString EditHistory::redoName() const {
    const auto step = history_.nextRedo();
    return step ? fromStd(fields::undoStepName(step->label, step->before, step->after)) : QString();
}

void EditHistory::updateActions() {
    const QString undoStep = undoName();
    const QString redoStep = redoName();
    undo_->setText(undoStep.isEmpty() ? uiText(StrId::MenuEditUndoNothing)
                                      : menuText(StrId::MenuEditUndo, undoStep));
    redo_->setText(redoStep.isEmpty() ? uiText(StrId::MenuEditRedoNothing)
                                      : menuText(StrId::MenuEditRedo, redoStep));
    undo_->setEnabled(history_.canUndo());
    redo_->setEnabled(history_.canRedo());
    clear_->setText(uiText(StrId::MenuEditClearUndoHistory));
    clear_->setEnabled(history_.canUndo() || history_.canRedo());
}

UndoStep::UndoStep(StepLabel label) : history_(editHistory()) {
    if (history_)
        history_->hold(label);
}

UndoStep::~UndoStep() {
    if (history_ && history_ == editHistory())
        history_->release();
}

void recordUndoStep(StepLabel label) {
    if (EditHistory* history = editHistory())
        history->recordChange(label);
}

} // namespace tsw::ui
