#include "app/ui/Help.h"

#include <QVariant>
#include <QWidget>
#include <vector>

#include "app/ui/EditorForm.h"
#include "app/ui/UiText.h"

namespace tsw::ui {
namespace {
HelpHandler* g_handler = nullptr;
constexpr char kHelpContextProperty[] = "tswHelpContext";
} // namespace

HelpWindowTexts currentHelpTexts() {
    return {QStringLiteral("TSW-62M - ") + plainText(StrId::MenuHelpTopics),
            uiText(StrId::HelpTabContents), uiText(StrId::HelpTabIndex),
            uiText(StrId::HelpTabSearch)};
}

void setHelpHandler(HelpHandler* handler) {
    g_handler = handler;
}
HelpHandler* helpHandler() {
    return g_handler;
}

void showHelp(int context) {
    if (g_handler && !g_handler->openContext(context))
        g_handler->openDefault();
}

void showDefaultHelp() {
    if (g_handler)
        g_handler->openDefault();
}

void closeAllHelp() {
    if (g_handler)
        g_handler->closeAll();
}

void setHelpContext(QWidget* widget, int context) {
    widget->setProperty(kHelpContextProperty, context);
}

int helpContext(const QWidget* widget) {
    return widget ? widget->property(kHelpContextProperty).toInt() : 0;
}

void showContextHelp(QWidget* widget) {
    if (!g_handler)
        return;
    std::vector<int> controls;
    int windowContext = 0;
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (const int ctx = helpContext(w)) {
            windowContext = ctx;
            break;
        }
        if (const int id = controlId(w))
            controls.push_back(id);
    }
    for (int id : controls)
        if (g_handler->openContext(id))
            return;
    if (windowContext)
        showHelp(windowContext);
    else
        g_handler->openDefault();
}

} // namespace tsw::ui
