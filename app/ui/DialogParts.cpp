#include "app/ui/DialogParts.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

#include "app/ui/EditorForm.h"
#include "app/ui/Help.h"
#include "app/ui/UiText.h"

namespace tsw::ui {

QPushButton* makeButton(QWidget* parent, int id, StringId text) {
    auto* b = new QPushButton(uiText(text), parent);
    setControlId(b, id);
    b->setAutoDefault(false);
    return b;
}

QHBoxLayout* buttonRow(std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QWidget* w : widgets)
        row->addWidget(w);
    return row;
}

void setUpDialog(QDialog* dialog, int helpContext) {
    installKeyConventions();
    setHelpContext(dialog, helpContext);
    dialog->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

} // namespace tsw::ui
