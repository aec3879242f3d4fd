#pragma once
// The MDI child window that holds one editor form. It reports its creation and destruction to
// the main frame (the open-editor count) and takes its title from the form's caption. An editor
// with a printed section has a Print entry in its window menu that prints that section.

#include <QMdiSubWindow>

namespace tsw::ui {

class EditorForm;

class EditorFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    // Takes ownership of `form`. `command` is the menu command that opened it.
    EditorFrame(int command, EditorForm* form, QWidget* parent = nullptr);
    ~EditorFrame() override;

    int command() const { return command_; }
    EditorForm* form() const { return form_; }
    // True once the frame has accepted a close (it is deleted when control returns to the
    // event loop).
    bool isClosing() const { return closing_; }

signals:
    // The frame accepted a close and is still in its place.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void addPrintEntry();
    void printOwnSection();

    bool closing_ = false;
    int command_;
    EditorForm* form_;
};

} // namespace tsw::ui
