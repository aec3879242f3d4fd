#include "app/ui/MessagePrompt.h"

#include <QPushButton>

namespace tsw::ui {
namespace {

QMessageBox::StandardButtons standardButtons(PromptButtons b) {
    switch (b) {
    case PromptButtons::Ok:
        return QMessageBox::Ok;
    case PromptButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case PromptButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    case PromptButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case PromptButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton standardButton(PromptAnswer a) {
    switch (a) {
    case PromptAnswer::Ok:
        return QMessageBox::Ok;
    case PromptAnswer::Cancel:
        return QMessageBox::Cancel;
    case PromptAnswer::Retry:
        return QMessageBox::Retry;
    case PromptAnswer::Yes:
        return QMessageBox::Yes;
    case PromptAnswer::No:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

PromptAnswer answerOf(int button, PromptButtons offered) {
    switch (button) {
    case QMessageBox::Ok:
        return PromptAnswer::Ok;
    case QMessageBox::Retry:
        return PromptAnswer::Retry;
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::No:
        return PromptAnswer::No;
    case QMessageBox::Cancel:
        return PromptAnswer::Cancel;
    default: // closed without a button
        if (offered == PromptButtons::YesNo)
            return PromptAnswer::No;
        return offered == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::Cancel;
    }
}

} // namespace

QMessageBox::Icon messageBoxIcon(PromptIcon icon) {
    switch (icon) {
    case PromptIcon::Stop:
        return QMessageBox::Critical;
    case PromptIcon::Exclamation:
        return QMessageBox::Warning;
    case PromptIcon::Question:
        return QMessageBox::Question;
    case PromptIcon::Information:
        return QMessageBox::Information;
    case PromptIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

PromptAnswer askWithMessageBox(QWidget* parent, const Prompt& prompt) {
    QMessageBox box(messageBoxIcon(prompt.icon), QString::fromStdString(prompt.caption),
                    QString::fromStdString(prompt.text), standardButtons(prompt.buttons), parent);
    box.setTextFormat(Qt::PlainText);
    for (const ButtonText& own : prompt.buttonTexts)
        if (QAbstractButton* button = box.button(standardButton(own.answer)))
            button->setText(QString::fromStdString(own.text));
    if (QAbstractButton* def = box.button(standardButton(prompt.defaultAnswer)))
        box.setDefaultButton(static_cast<QPushButton*>(def));
    return answerOf(box.exec(), prompt.buttons);
}

PromptAnswer MessagePrompt::ask(const Prompt& prompt) {
    return askWithMessageBox(parent_, prompt);
}

} // namespace tsw::ui
