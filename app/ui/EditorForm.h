#pragma once
// The base of every editor window's form, and the small widgets the forms share.
//
// ## For editor authors
//
// 1. Derive your view from EditorForm and pass your form's template number (152 for Optional
//    Features); it is the Help button's context. Set the window title to your caption string.
// 2. Put your controls into body() (give it a layout), or lay out a declarative row table with
//    buildFormRows() (app/ui/FormBuilder.h). Tag every control with its id (setControlId):
//    F1 on a control opens the topic of that id, else the form's.
// 3. Use FilterEdit (app/ui/FilterEdit.h) for typed values, SpinButtons for spin buttons
//    (their clicks step with wrap-around; give them their box with setBuddy() so that Up and
//    Down in the box step too; the row builder does), numberOrOff() for fields whose 0 means
//    "off".
// 4. Add the editor to the list of windows so that the main frame can open it for its command,
//    one line in app/ui/main/EditorWindows.cpp:
//        registerEditor(cmd::OptionalFeatures, [] { return new OptionalFeaturesView; });
//    The main frame opens it at most once, wraps it in an EditorFrame (an MDI child that
//    counts itself with the main frame), and closes it on Open, New, a language change and
//    Close All. Nothing in MainWindow needs editing.
// 5. Everything else you need from the main window (post a command, close all editors, the
//    dialog parent, the prompt for questions) is in app/ui/Shell.h.
//
// What the base does for you:
// - the body sits in a scroll area: a window smaller than the form scrolls it, never squeezes it.
// - close (control 1005, string 1001071) and Help (control 1004, string 1001073) buttons at the
//   bottom right; Close asks the MDI child frame to close (closeRequested() is emitted first).
// - Enter anywhere in the form moves the focus on like Tab, except on Close and Help, where it
//   presses the button. Override enterActsAsTab() to keep Enter for a control of your own.
// - F1 opens the help topic of the focused control's id, else the form's context.
// - The window opens with the focus on firstFocus(): the first enabled input control of the
//   body in the tab order (a grid, edit box, list or check box; no push button). Override it
//   to choose another. When the window is activated again later, the MDI child gives the focus
//   back to the control that had it.

#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QWidget>

class QHBoxLayout;
class QStyleOptionSpinBox;

namespace tsw::ui {

class FitScrollArea;

inline constexpr int kHelpButtonId = 1004;
inline constexpr int kCloseButtonId = 1005;

// Control ids (dynamic property): what F1 opens, and how views and tests find controls.
void setControlId(QWidget* widget, int id);
int controlId(const QWidget* widget); // 0 when untagged
QWidget* findControl(const QWidget* root, int id);
template <class T>
T* findControl(const QWidget* root, int id) {
    return qobject_cast<T*>(findControl(root, id));
}

// The number as decimal text, or string 1001039 ("Off") for 0.
QString numberOrOff(int value);

// A pair of up/down arrow buttons (the spin button beside an edit box). One click moves the
// value by one step; up from the maximum wraps to the minimum, down from the minimum wraps to
// the maximum. The up arrow always increases. The buttons take no focus: the arrow keys Up and
// Down in the buddy box are clicks on them (while they are enabled).
// They are drawn as the platform draws the arrows of a spin box, as tall as the box (the
// buddy, else a line edit), so that box and arrows side by side read as one control.
class SpinButtons : public QWidget {
    Q_OBJECT
public:
    explicit SpinButtons(QWidget* parent = nullptr);
    void setRange(int min, int max);
    void setStep(int step) { step_ = step; }
    void setValue(int value) { value_ = value; }
    int value() const { return value_; }
    int minimum() const { return min_; }
    int maximum() const { return max_; }
    // One click in `direction` (+1 up, -1 down): steps the value and emits stepped().
    void step(int direction);
    QPushButton* upButton() const { return up_; }
    QPushButton* downButton() const { return down_; }
    // The box the buttons step.
    void setBuddy(QWidget* box);
    QWidget* buddy() const { return buddy_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void stepped(int value, int direction);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void initStyleOption(QStyleOptionSpinBox* option) const;
    void placeButtons();

    QPointer<QWidget> buddy_;
    QPushButton* up_;
    QPushButton* down_;
    int min_ = 0;
    int max_ = 100;
    int step_ = 1;
    int value_ = 0;
};

// Lays `box` and its spin buttons side by side with no gap, as one control.
QHBoxLayout* boxWithSpin(QWidget* box, SpinButtons* spin);

class EditorForm : public QWidget {
    Q_OBJECT
public:
    explicit EditorForm(int helpContext, QWidget* parent = nullptr);

    int helpContext() const { return helpContext_; }
    QWidget* body() const { return body_; }
    // The scroll area around the body.
    FitScrollArea* scrollArea() const { return scroll_; }
    QPushButton* closeButton() const { return close_; }
    QPushButton* helpButton() const { return help_; }

    // Whether Enter on `focus` (a control of this form) moves the focus on like Tab.
    virtual bool enterActsAsTab(const QWidget* focus) const;
    // The control that has the focus when the window opens; null leaves it to Qt.
    virtual QWidget* firstFocus() const;
    // After Undo or Redo put another image in place: every control shows its value from the
    // image again, and a list or edit box laid over a cell is put away without committing.
    // False (the default) when the form cannot: the main window then opens it anew.
    virtual bool showImageAgain() { return false; }

    // The Close button: asks the MDI child frame holding this form to close.
    void requestClose();
    // The Help button: the form's topic, else the default topic.
    void showFormHelp();

signals:
    void closeRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool opened_ = false; // shown once: from then on the focus is the user's
    int helpContext_;
    QWidget* body_;
    FitScrollArea* scroll_;
    QPushButton* close_;
    QPushButton* help_;
};

// Installs, once per application, the key conventions of the program: Enter as Tab inside
// editor forms, F1 context help everywhere. EditorForm's constructor calls it; the main
// program calls it at start-up.
void installKeyConventions();

} // namespace tsw::ui
