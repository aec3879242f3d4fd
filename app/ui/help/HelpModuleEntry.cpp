// The help module's entry point: the program loads this library (Qt Help, Qt SQL and Qt Network
// with it) at the first help request, not at start-up.

#include "app/ui/HelpModule.h"
#include "app/ui/help/HelpWindow.h"

extern "C" Q_DECL_EXPORT tsw::ui::HelpService*
tsw62m_create_help_service(tsw::UserPrompt* prompt, const tsw::ui::HelpTextSource* texts) {
    return new tsw::ui::HelpSystem(*prompt, *texts);
}
