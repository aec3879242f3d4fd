#pragma once
// Model Information: the Model Type and Frequency lists and what a choice in them writes into
// the model identity, in the image and in the identity buffer, at once.
//
//   0x1B8..0x1BC  model code     another model type: the model's 5-character code
//   0x1BD         band code      another model type: 0x93; any frequency choice: 0x92
//   0x1BE         identity byte  another model type: bit 2 cleared, bits 0-1 set
//
// The form takes a snapshot of the configuration (image, identity buffer, model) when it is
// made; restore() puts back every byte changed since, whoever changed it (Cancel).

#include <span>
#include <string>
#include <vector>

#include "app/AppGlobals.h"
#include "app/ModelTable.h"

namespace tsw {

class ModelInfoForm {
public:
    static constexpr std::uint8_t kBandCodeOnModelChange = 0x93;
    static constexpr std::uint8_t kBandCodeOnBandChoice = 0x92;

    // Opening: the snapshot, and the model group flag for the current model.
    explicit ModelInfoForm(AppGlobals& g, std::span<const ModelEntry> models = modelEntries());

    std::vector<std::string> modelListEntries() const; // display names
    int selectedModel() const { return g_.modelIndex; }
    std::vector<std::string> bandListEntries() const; // the bands of the current model
    int selectedBand() const;

    // A Model Type entry was chosen. Another model writes its code, the identity byte and the
    // band code, clears the model group flag and returns true (the band list is filled anew);
    // the model already selected, or an index outside the list, changes nothing.
    bool chooseModel(int index);
    // A Frequency entry was chosen: the band code becomes 0x92, also when it already was.
    // False (nothing written) for an index outside the list.
    bool chooseBand(int index);

    // Whether another model type has been chosen since the form was made.
    bool modelChanged() const { return modelChanged_; }
    // Cancel: every image byte that differs from the snapshot goes back, the identity buffer
    // and the model are as they were, and the model group flag is that of the model.
    void restore();

private:
    AppGlobals& g_;
    std::span<const ModelEntry> models_;
    RadioImage image_;
    ModelIdentity identity_;
    int modelIndex_;
    bool modelChanged_ = false;
};

} // namespace tsw
