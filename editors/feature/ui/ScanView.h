#pragma once
// The Scan editor (form 154): the rows of kScanFieldTable bound to ScanForm.

#include "app/ui/EditorForm.h"
#include "editors/feature/ScanForm.h"

namespace tsw::ui {

class FieldBinder;
class ScanView : public EditorForm {
    Q_OBJECT
public:
    explicit ScanView(QWidget* parent = nullptr);
    FieldBinder& binder() const { return *binder_; }
    bool showImageAgain() override;

private:
    feature::ScanForm form_;
    FieldBinder* binder_ = nullptr;
};

} // namespace tsw::ui
