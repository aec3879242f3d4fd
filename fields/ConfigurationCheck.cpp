#include "fields/ConfigurationCheck.h"

#include <array>
#include <cstdio>

#include "app/ImageLayout.h"
#include "app/NumberText.h"
#include "app/TextTemplate.h"
#include "fields/CheckParts.h"

namespace tsw::fields {

namespace {

using enum Severity;

// What each rule checks: the comment beside its function in CheckParts.h and the header.
constexpr std::array kRules{
    CheckRule{RuleId::FrequencyDigits, "frequency-digits", Error, StrId::CheckFrequencyDigits,
              &rules::frequencyDigits},
    CheckRule{RuleId::ReceiveMissing, "receive-missing", Error, StrId::CheckReceiveMissing,
              &rules::receiveMissing},
    CheckRule{RuleId::FrequencyStep, "frequency-step", Error, StrId::CheckFrequencyStep,
              &rules::frequencyStep},
    CheckRule{RuleId::ToneWord, "tone-word", Error, StrId::CheckToneWord, &rules::toneWord},
    CheckRule{RuleId::TableNumber, "table-number", Error, StrId::CheckTableNumber,
              &rules::tableNumber},
    CheckRule{RuleId::ListCode, "list-code", Error, StrId::CheckListCode, &rules::listCode},
    CheckRule{RuleId::OutOfRange, "out-of-range", Error, StrId::CheckOutOfRange,
              &rules::outOfRange},
    CheckRule{RuleId::Characters, "characters", Error, StrId::CheckCharacters, &rules::characters},
    CheckRule{RuleId::ShortCode, "short-code", Error, StrId::CheckShortCode, &rules::shortCode},
    CheckRule{RuleId::PriorityNotProgrammed, "priority-not-programmed", Error,
              StrId::CheckPriorityNotProgrammed, &rules::priorityNotProgrammed},
    CheckRule{RuleId::NeededForWrite, "needed-for-write", Error, StrId::CheckNeededForWrite,
              &rules::neededForWrite},
    CheckRule{RuleId::OutOfBand, "out-of-band", Warning, StrId::CheckOutOfBand, &rules::outOfBand},
    CheckRule{RuleId::NoTransmit, "no-transmit", Warning, StrId::CheckNoTransmit,
              &rules::noTransmit},
    CheckRule{RuleId::SplitFrequency, "split-frequency", Warning, StrId::CheckSplitFrequency,
              &rules::splitFrequency},
    CheckRule{RuleId::TableToneDiffers, "table-tone-differs", Warning, StrId::CheckTableToneDiffers,
              &rules::tableToneDiffers},
    CheckRule{RuleId::ScanKeyWithoutScan, "scan-key-without-scan", Warning,
              StrId::CheckScanKeyWithoutScan, &rules::scanKeyWithoutScan},
    CheckRule{RuleId::NoChannels, "no-channels", Warning, StrId::CheckNoChannels,
              &rules::noChannels},
};

constexpr bool rulesInOrder() {
    for (std::size_t i = 0; i < kRules.size(); ++i) {
        if (static_cast<std::size_t>(kRules[i].id) >= kRules.size())
            return false;
        for (std::size_t j = i + 1; j < kRules.size(); ++j)
            if (kRules[i].id == kRules[j].id ||
                (kRules[i].severity == Warning && kRules[j].severity == Error))
                return false;
    }
    return true;
}
static_assert(rulesInOrder(), "each rule once, errors before warnings");

ModelIdentity identityOf(const RadioImage& image) {
    ModelIdentity identity{};
    for (std::size_t i = 0; i < identity.size(); ++i)
        identity[i] = image.byte(layout::kIdentity + i);
    return identity;
}

std::string plainText(const TextLookup& text, StringId id) {
    std::string t = text(id);
    std::erase(t, '&');
    return t;
}

} // namespace

CheckContext::CheckContext(const RadioImage& image, const TextLookup& text)
    : image_(image), text_(text), fields_(fieldCatalogue()) {
    const ModelIdentity identity = identityOf(image);
    const int model = lookupModel(identity);
    narrowSteps_ =
        tsw::narrowStepsOnly(model, identity[layout::kIdentityByte6 - layout::kIdentity]);
    band_ = bandEntry(model, lookupBand(identity));
}

const Field& CheckContext::field(std::size_t at) const {
    const Field* f = findField(fields_, at);
    return f != nullptr ? *f : fields_.front();
}

void CheckContext::report(const CheckRule& rule, const Field& field,
                          std::initializer_list<std::string_view> details) {
    Finding f;
    f.rule = rule.id;
    f.severity = rule.severity;
    f.field = field;
    f.name = field.name(text_);
    f.message = fillTemplate(plainText(text_, rule.message), details);
    findings_.push_back(std::move(f));
}

std::string fieldBytesText(const RadioImage& image, const Field& field) {
    return hexBytes(image.bytes().subspan(field.offset, field.size));
}

std::string megahertzText(long hz) {
    char text[48];
    std::snprintf(text, sizeof text, "%ld.%05ld", hz / 1'000'000, (hz % 1'000'000) / 10);
    return text;
}

std::span<const CheckRule> checkRules() {
    return kRules;
}

const CheckRule& checkRule(RuleId id) {
    for (const CheckRule& rule : kRules)
        if (rule.id == id)
            return rule;
    return kRules.front();
}

std::vector<Finding> checkConfiguration(const RadioImage& image, const TextLookup& text) {
    CheckContext context(image, text);
    for (const CheckRule& rule : kRules)
        rule.examine(context, rule);
    return context.takeFindings();
}

std::size_t countFindings(std::span<const Finding> findings, Severity severity) {
    std::size_t n = 0;
    for (const Finding& f : findings)
        n += f.severity == severity ? 1 : 0;
    return n;
}

std::string_view severityKey(Severity severity) {
    return severity == Error ? "error" : "warning";
}

} // namespace tsw::fields
