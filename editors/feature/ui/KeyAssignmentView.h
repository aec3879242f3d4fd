#pragma once
// The Key Assignment editor (form 153): one list of functions for each programmable key and a
// picture of the radio with the key being edited marked.

#include <QComboBox>

#include "app/ui/EditorForm.h"
#include "editors/feature/KeyForm.h"
#include "editors/feature/ui/RadioPicture.h"

namespace tsw::ui {

class KeyAssignmentView : public EditorForm {
    Q_OBJECT
public:
    explicit KeyAssignmentView(QWidget* parent = nullptr);

    QComboBox* list(feature::ProgrammableKey key) const;
    RadioPicture* picture() const { return picture_; }

    bool enterActsAsTab(const QWidget* focus) const override;
    bool showImageAgain() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* createList(feature::ProgrammableKey key);
    void showMarkedKey();
    bool keyPressOnList(QComboBox* list, const class QKeyEvent& key);

    feature::KeyForm form_;
    QComboBox* pf1_ = nullptr;
    QComboBox* pf2_ = nullptr;
    RadioPicture* picture_ = nullptr;
};

} // namespace tsw::ui
