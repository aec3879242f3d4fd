#pragma once
// Opening help topics by context number. The desktop program installs its help window as the
// handler; widget tests install a recorder. Without a handler every request does nothing.
//
// Context numbers: a window's or dialog's number (152 for Optional Features), a control's id,
// or a command id. Tag widgets with them so that F1 finds them:
//   setHelpContext(dialog, 130);   // the window's own topic
//   setControlId(edit, 1239);      // (EditorForm.h) the control's topic, tried first

#include <QString>
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

// The texts of the help window itself, in the current language.
struct HelpWindowTexts {
    QString title;
    QString contentsTab;
    QString indexTab;
    QString searchTab;
};
// Asked each time a help window is built (the language may have changed since).
using HelpTextSource = std::function<HelpWindowTexts()>;
// From the LanguageTable.
HelpWindowTexts currentHelpTexts();

// The program's help: the handler, plus the book it opens (the current language's help file).
class HelpService : public HelpHandler {
public:
    // Another book closes the help window; the engine restarts on the next request.
    virtual void setHelpFile(const QString& path) = 0;
    virtual QString helpFile() const = 0;
    // The help engine runs (it starts on the first request, not at start-up).
    virtual bool engineStarted() const = 0;
};

// The literal message for a missing help book.
inline QString missingHelpFileMessage(const QString& path) {
    return QStringLiteral("Html Help File Does Not Exist\n\n   File Path [ %1 ]").arg(path);
}

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
