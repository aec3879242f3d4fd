#pragma once
// The Optional Features editor (form 152): the rows of kFeatureFieldTable bound to FeatureForm,
// and the calling alert tone preview button.

#include <QPushButton>
#include <memory>

#include "app/ui/EditorForm.h"
#include "editors/feature/CallTonePreview.h"
#include "editors/feature/FeatureForm.h"

namespace tsw::ui {

class FieldBinder;
class OptionalFeaturesView : public EditorForm {
    Q_OBJECT
public:
    // `player` plays the preview; null: the sound module beside the program.
    explicit OptionalFeaturesView(std::unique_ptr<feature::TonePlayer> player = nullptr,
                                  QWidget* parent = nullptr);
    ~OptionalFeaturesView() override;

    FieldBinder& binder() const { return *binder_; }
    QPushButton* previewButton() const { return preview_; }
    bool previewPlaying() const { return tone_->playing(); }
    bool showImageAgain() override;

private:
    void createRows();
    void createPreviewButton();
    void togglePreview();
    void showPreviewResult(const feature::CallTonePreview::Result& result);
    void showPreviewState();

    feature::FeatureForm form_;
    FieldBinder* binder_ = nullptr;
    QPushButton* preview_ = nullptr;
    std::unique_ptr<feature::TonePlayer> player_;
    std::unique_ptr<feature::CallTonePreview> tone_;
};

} // namespace tsw::ui
