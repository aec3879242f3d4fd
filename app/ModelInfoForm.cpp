#include "app/ModelInfoForm.h"

#include <algorithm>

#include "app/ImageLayout.h"

namespace tsw {

namespace {

constexpr int kLastModelOfFirstGroup = 2; // model entries 0..2 form the first group
constexpr std::uint8_t kByte6Cleared = 0x04;
constexpr std::uint8_t kByte6Set = 0x03;

} // namespace

ModelInfoForm::ModelInfoForm(AppGlobals& g, std::span<const ModelEntry> models)
    : g_(g), models_(models), image_(g.image), identity_(g.identity), modelIndex_(g.modelIndex) {
    g_.flags.modelGroup = g_.modelIndex <= kLastModelOfFirstGroup;
}

std::vector<std::string> ModelInfoForm::modelListEntries() const {
    std::vector<std::string> entries;
    for (const ModelEntry& model : models_)
        entries.emplace_back(model.displayName);
    return entries;
}

std::vector<std::string> ModelInfoForm::bandListEntries() const {
    std::vector<std::string> entries;
    for (int i = 0; i < bandCount(g_.modelIndex); ++i)
        entries.emplace_back(bandEntry(g_.modelIndex, i).text);
    return entries;
}

int ModelInfoForm::selectedBand() const {
    return lookupBand(g_.identity);
}

bool ModelInfoForm::chooseModel(int index) {
    if (index < 0 || index >= static_cast<int>(models_.size()) || index == g_.modelIndex)
        return false;
    g_.modelIndex = index;
    const std::string_view code = models_[static_cast<std::size_t>(index)].code;
    const std::size_t length = std::min(code.size(), layout::kModelCodeLength);
    for (std::size_t i = 0; i < length; ++i) {
        g_.identity[i] = static_cast<std::uint8_t>(code[i]);
        g_.image.setByte(layout::kModelCode + i, g_.identity[i]);
    }
    const std::uint8_t byte6 = g_.image.byte(layout::kIdentityByte6);
    g_.image.setByte(layout::kIdentityByte6,
                     static_cast<std::uint8_t>((byte6 & ~kByte6Cleared) | kByte6Set));
    g_.image.setByte(layout::kBandCode, kBandCodeOnModelChange);
    g_.flags.modelGroup = false;
    modelChanged_ = true;
    return true;
}

bool ModelInfoForm::chooseBand(int index) {
    if (index < 0 || index >= bandCount(g_.modelIndex))
        return false;
    g_.image.setByte(layout::kBandCode, kBandCodeOnBandChoice);
    return true;
}

void ModelInfoForm::restore() {
    for (std::size_t i = 0; i < kImageSize; ++i)
        if (g_.image.byte(i) != image_.byte(i))
            g_.image.setByte(i, image_.byte(i));
    g_.identity = identity_;
    g_.modelIndex = modelIndex_;
    g_.flags.modelGroup = modelIndex_ <= kLastModelOfFirstGroup;
    modelChanged_ = false;
}

} // namespace tsw
