#pragma once
// Opening help topics by context number. The desktop program installs its help window as the
// handler; widget tests install a recorder. Without a handler every request does nothing.
//
// Context numbers: a window's or dialog's number (152 for Optional Features), a control's id,
// or a command id. Tag widgets with them so that F1 finds them:
//   setHelpContext(dialog, 130);   // the window's own topic
//   setControlId(edit, 1239);      // (EditorForm.h) the control's topic, tried first

#include <functional>

class QWidget;

namespace tsw::ui {

class HelpHandler {
public:
    virtual ~HelpHandler() = default;
    // Opens the topic of `context`; false when the help book has no such topic. A missing
    // help book is reported to the user here and counts as handled (true).
    virtual bool openContext(int context) = 0;
    virtual void openDefault() = 0;
    virtual void closeAll() = 0;
};

void setHelpHandler(HelpHandler* handler);
HelpHandler* helpHandler();

// The topic of `context`, else the default topic.
void showHelp(int context);
// The default topic ("Help Topics").
void showDefaultHelp();
void closeAllHelp();

// The help context of a window or dialog (a dynamic property); 0 when none.
void setHelpContext(QWidget* widget, int context);
int helpContext(const QWidget* widget);

// F1 on `widget`: walks from it to its parents; each control id met on the way is tried in
// turn until a topic opens; the first window with a help context ends the walk and is tried
// last, falling back to the default topic.
void showContextHelp(QWidget* widget);

} // namespace tsw::ui
