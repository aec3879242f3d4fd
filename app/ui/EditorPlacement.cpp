#include "app/ui/EditorPlacement.h"

#include <QMdiArea>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <string>

#include "app/Settings.h"
#include "app/WindowPlace.h"
#include "app/ui/EditorForm.h"
#include "app/ui/EditorFrame.h"

namespace tsw::ui {
namespace {

place::Rect toRect(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

std::string keyOf(const EditorFrame& frame) {
    return std::to_string(frame.command());
}

bool isOpenBeside(const QMdiSubWindow* sub, const EditorFrame& frame) {
    const auto* other = qobject_cast<const EditorFrame*>(sub);
    return other && other != &frame && !other->isClosing() && other->isVisible() &&
           !other->isMinimized();
}

// The Close and Help buttons of an open editor, in workspace coordinates.
place::Rect buttonsOf(const EditorFrame& frame, const QWidget* workspace) {
    QRect r;
    for (const QPushButton* b : {frame.form()->closeButton(), frame.form()->helpButton()})
        if (b->isVisible())
            r |= QRect(b->mapTo(workspace, QPoint(0, 0)), b->size());
    return toRect(r);
}

} // namespace

void placeNewEditor(QMdiArea& area, EditorFrame& frame, const SettingsStore& store) {
    QWidget* workspace = area.viewport();
    if (!workspace->isVisible() || workspace->size().isEmpty())
        return;
    const QSize own = frame.sizeHint().expandedTo(frame.minimumSizeHint());
    place::NewWindow w{
        .area = toRect(workspace->rect()), .width = own.width(), .height = own.height()};
    if (const auto stored = store.readString(kEditorWindowsSection, keyOf(frame)))
        w.remembered = place::parseRect(*stored);
    for (QMdiSubWindow* sub : area.subWindowList(QMdiArea::CreationOrder)) {
        if (!isOpenBeside(sub, frame))
            continue;
        const auto& other = static_cast<const EditorFrame&>(*sub);
        w.open.push_back(toRect(other.geometry()));
        w.keepClear.push_back(buttonsOf(other, workspace));
    }
    QStyleOptionTitleBar title;
    title.initFrom(&frame);
    w.cascadeStep = frame.style()->pixelMetric(QStyle::PM_TitleBarHeight, &title, &frame) + 4;
    const place::Rect r = place::placeNewWindow(w);
    frame.setGeometry(r.x, r.y, r.width, r.height);
}

void rememberEditorPlace(SettingsStore& store, const EditorFrame& frame) {
    if (frame.isMaximized() || frame.isMinimized() || !frame.isVisible())
        return;
    store.writeString(kEditorWindowsSection, keyOf(frame),
                      place::formatRect(toRect(frame.geometry())));
}

} // namespace tsw::ui
