#pragma once
// How the configuration check is assembled: the context every rule examines the image through,
// and the rules' functions, one file per group of windows. Only the check's own sources
// include this.

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "app/ModelTable.h"
#include "fields/ConfigurationCheck.h"

namespace tsw::fields {

class CheckContext {
public:
    CheckContext(const RadioImage& image, const TextLookup& text);

    const RadioImage& image() const { return image_; }
    const TextLookup& text() const { return text_; }
    const std::vector<Field>& fields() const { return fields_; }
    // The catalogue field holding image byte `at` (every offset a rule names has one).
    const Field& field(std::size_t at) const;
    bool narrowStepsOnly() const { return narrowSteps_; }
    const BandEntry& band() const { return band_; }

    // A finding of `rule` about `field`, its message filled with `details` in order.
    void report(const CheckRule& rule, const Field& field,
                std::initializer_list<std::string_view> details);
    std::vector<Finding> takeFindings() { return std::move(findings_); }

private:
    const RadioImage& image_;
    const TextLookup& text_;
    std::vector<Field> fields_;
    bool narrowSteps_ = false;
    BandEntry band_;
    std::vector<Finding> findings_;
};

// The bytes of a field in hex ("29", "FF 07").
std::string fieldBytesText(const RadioImage& image, const Field& field);
// A frequency in Hz as the editors show it, in MHz with five decimals ("446.00625").
std::string megahertzText(long hz);

namespace rules {
// Channels, test frequencies and the QT/DQT table (ChannelChecks.cpp).
void frequencyDigits(CheckContext& c, const CheckRule& rule);
void receiveMissing(CheckContext& c, const CheckRule& rule);
void frequencyStep(CheckContext& c, const CheckRule& rule);
void toneWord(CheckContext& c, const CheckRule& rule);
void tableNumber(CheckContext& c, const CheckRule& rule);
void outOfBand(CheckContext& c, const CheckRule& rule);
void noTransmit(CheckContext& c, const CheckRule& rule);
void splitFrequency(CheckContext& c, const CheckRule& rule);
void tableToneDiffers(CheckContext& c, const CheckRule& rule);
void noChannels(CheckContext& c, const CheckRule& rule);
// The settings editors, the keys and the message (SettingsChecks.cpp).
void listCode(CheckContext& c, const CheckRule& rule);
void outOfRange(CheckContext& c, const CheckRule& rule);
void characters(CheckContext& c, const CheckRule& rule);
void shortCode(CheckContext& c, const CheckRule& rule);
void priorityNotProgrammed(CheckContext& c, const CheckRule& rule);
void neededForWrite(CheckContext& c, const CheckRule& rule);
void scanKeyWithoutScan(CheckContext& c, const CheckRule& rule);
} // namespace rules

} // namespace tsw::fields
