#include "editors/feature/WriteRefusal.h"

#include "app/ImageLayout.h"

namespace tsw {

namespace {

bool pttIdChannelPresent(const RadioImage& image) {
    for (int ch = 0; ch < layout::kChannelCount; ++ch) {
        const std::uint8_t v =
            image.bits(layout::channelOffset(ch) + layout::kChSteps, layout::kChFurtherMask14);
        if (v >= 1 && v <= 14)
            return true;
    }
    return false;
}

bool codeSet(const RadioImage& image, std::size_t offset) {
    return image.byte(offset) != 0xFF;
}

} // namespace

std::optional<WriteRefusal> checkBeforeWriting(const RadioImage& image) {
    const std::uint8_t pttIdType = image.byte(layout::kFeatPttIdType);
    if (pttIdType == 1 && image.byte(layout::kCrewOwnFleet) == 0xFF)
        return WriteRefusal{{StrId::CrewLinkOwnFleetLabel, StrId::CrewLinkOwnIdLabel}, false};
    if (pttIdType == 0 && pttIdChannelPresent(image)) {
        const std::uint8_t timing = image.byte(layout::kFeatPttId);
        const bool needBegin = timing == 0 || timing == 2;
        const bool needEnd = timing == 1 || timing == 2;
        WriteRefusal r;
        if (needBegin && !codeSet(image, layout::kPttIdBeginCode))
            r.named.push_back(StrId::PttIdBeginCodeName);
        if (needEnd && !codeSet(image, layout::kPttIdEndCode))
            r.named.push_back(StrId::PttIdEndCodeName);
        if (!r.named.empty())
            return r;
    }
    if (image.byte(layout::kScanPriority) == 1 && image.byte(layout::kPriorityChannel) == 0xFF)
        return WriteRefusal{{StrId::PriorityChannelName}, true};
    return std::nullopt;
}

std::string refusalText(const WriteRefusal& refusal, const TextLookup& text) {
    std::string out = text(StrId::WriteRefusedMissingSettings) + "\n";
    if (refusal.blankLine)
        out += "\n";
    for (std::size_t i = 0; i < refusal.named.size(); ++i) {
        if (i > 0)
            out += "\n";
        out += "\"" + text(refusal.named[i]) + "\"";
    }
    return out;
}

Prompt refusalPrompt(const WriteRefusal& refusal, const TextLookup& text) {
    return composedErrorPrompt(refusalText(refusal, text), StrId::WriteRefusedMissingSettings,
                               text);
}

} // namespace tsw
