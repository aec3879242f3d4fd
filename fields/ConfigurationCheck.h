#pragma once
// Check Configuration: examines an image before it goes to a radio and says what is wrong, field
// by field, in the editors' words.
//
// A finding has a severity, the field it is about (from the field catalogue, so it reads as
// `tsw62m-cli diff` reads: "Channel 3 / RX Frequency [MHz]") and a sentence from the language
// file saying what is wrong and what the radio would do.
//
//   errors     a value no editor can show or would never store (frequency bytes that are no
//              decimal digits, a tone word outside the lists, a table number above 38, a list
//              code without an entry, a number outside its editor's range, characters the box
//              does not take), a DTMF code the DTMF editor refuses, a priority channel that is
//              not programmed, a setting Write to Radio refuses to go without
//   warnings   what a dealer wants to hear before a radio leaves the shop: frequencies outside
//              the model's band, channels without transmit frequency or transmitting elsewhere
//              than they receive, channels whose QT/DQT table entry would overwrite their
//              tones, a scan key without channels to scan, a radio without channels
//
// The rules are one table (checkRules()); each knows its id, severity, the message it gives
// and the function that examines the image. Ranges come from the editors themselves: a
// settings field is out of range when its form cannot show the stored value or would store
// another one when the shown text is committed again.
//
//   const auto findings = fields::checkConfiguration(image, tr);
//   if (fields::countFindings(findings, fields::Severity::Error) > 0) ...

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/RadioImage.h"
#include "app/StringIds.h"
#include "app/TextLookup.h"
#include "fields/FieldCatalogue.h"

namespace tsw::fields {

enum class Severity : std::uint8_t { Error, Warning };

enum class RuleId : std::uint8_t {
    FrequencyDigits,       // frequency bytes with a nibble above 9
    ReceiveMissing,        // a channel in use whose receive frequency is 00 00 00 00
    FrequencyStep,         // a frequency on no channel step
    ToneWord,              // a tone word outside the QT range and the DQT list
    TableNumber,           // a channel's QT/DQT table number above 38
    ListCode,              // a list code without an entry
    OutOfRange,            // a number its editor cannot show or would store otherwise
    Characters,            // characters the field's box does not accept
    ShortCode,             // a DTMF ID or stun code of one or two characters
    PriorityNotProgrammed, // the priority channel names a channel that is not programmed
    NeededForWrite,        // a setting without which Write to Radio refuses
    OutOfBand,             // a channel frequency outside the model's band
    NoTransmit,            // a channel in use without transmit frequency
    SplitFrequency,        // a channel transmitting on another frequency than it receives on
    TableToneDiffers,      // a channel's table entry holds other tones than the channel
    ScanKeyWithoutScan,    // a key starts scanning, no channel in use is marked for scan
    NoChannels,            // no channel in use at all
};

struct Finding {
    RuleId rule = RuleId::FrequencyDigits;
    Severity severity = Severity::Error;
    Field field;         // the field the finding is about (its name and place in the editors)
    std::string name;    // field.name(text)
    std::string message; // the rule's sentence with the details filled in
};

class CheckContext;

struct CheckRule {
    RuleId id;
    std::string_view key; // a short name for scripts and logs ("frequency-digits")
    Severity severity;
    StringId message; // a template; its %s are the details each rule names
    void (*examine)(CheckContext& context, const CheckRule& rule);
};

// Every rule, errors first, in the order their findings are listed.
std::span<const CheckRule> checkRules();
const CheckRule& checkRule(RuleId id);

// Every finding for `image`, in the order of the rules and, within a rule, of the catalogue.
std::vector<Finding> checkConfiguration(const RadioImage& image, const TextLookup& text);

std::size_t countFindings(std::span<const Finding> findings, Severity severity);

// "error" or "warning" as the command line prints them (never translated: scripts read them).
std::string_view severityKey(Severity severity);

} // namespace tsw::fields
