#include "editors/feature/ui/FormTabs.h"

#include <QShortcut>
#include <QTabWidget>

namespace tsw::ui {

void installTabKeys(QWidget* form, QTabWidget* tabs) {
    const auto step = [tabs](int by) {
        const int n = tabs->count();
        if (n > 0)
            tabs->setCurrentIndex((tabs->currentIndex() + by + n) % n);
    };
    for (const auto& [keys, by] :
         {std::pair{QKeySequence(Qt::CTRL | Qt::Key_Tab), +1},
          std::pair{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
          std::pair{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1}}) {
        auto* shortcut = new QShortcut(keys, form);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(shortcut, &QShortcut::activated, tabs, [step, by = by] { step(by); });
    }
}

} // namespace tsw::ui
