#pragma once
// UserPrompt answered with a modal QMessageBox: the prompt's text, caption, icon, buttons and
// default button.

#include <QMessageBox>

#include "app/UserPrompt.h"

namespace tsw::ui {

class MessagePrompt : public UserPrompt {
public:
    explicit MessagePrompt(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    PromptAnswer ask(const Prompt& prompt) override;

private:
    QWidget* parent_;
};

// Shows a message box for the prompt and returns the answer (Escape gives the Cancel or No
// answer the buttons offer, else Ok).
PromptAnswer askWithMessageBox(QWidget* parent, const Prompt& prompt);

QMessageBox::Icon messageBoxIcon(PromptIcon icon);

} // namespace tsw::ui
