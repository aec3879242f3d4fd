// The rules about the settings editors (Optional Features, Scan, DTMF, CrewLink), the keys and
// the embedded message. Their ranges are the editors' own: each row is put through its form on
// a copy of the image, as the window would show it and take it back.

#include <memory>

#include "app/CharacterFilter.h"
#include "app/CommandIds.h"
#include "app/ImageLayout.h"
#include "editors/channel/ChannelFields.h"
#include "editors/feature/CrewLinkForm.h"
#include "editors/feature/DtmfForm.h"
#include "editors/feature/EmbeddedMessageForm.h"
#include "editors/feature/FeatureForm.h"
#include "editors/feature/KeyForm.h"
#include "editors/feature/ScanForm.h"
#include "editors/feature/WriteRefusal.h"
#include "fields/CheckParts.h"

namespace tsw::fields::rules {

namespace {

using feature::FieldKind;
using feature::FieldRow;

// The form of a settings editor over `image`, or null for any other command.
std::unique_ptr<feature::FieldForm> formOf(int command, RadioImage& image, const TextLookup& text) {
    switch (command) {
    case cmd::OptionalFeatures:
        return std::make_unique<feature::FeatureForm>(image, text);
    case cmd::ScanInformation:
        return std::make_unique<feature::ScanForm>(image);
    case cmd::Dtmf:
        return std::make_unique<feature::DtmfForm>(image, text);
    case cmd::CrewLink:
        return std::make_unique<feature::CrewLinkForm>(image, text);
    default:
        return nullptr;
    }
}

// A field with a row of its own in a settings form (not a table cell, not a hidden row).
bool isFormRow(const Field& f) {
    return !f.hidden && f.place.column < 0 && f.place.row >= 0 &&
           (f.place.command == cmd::OptionalFeatures || f.place.command == cmd::ScanInformation ||
            f.place.command == cmd::Dtmf || f.place.command == cmd::CrewLink);
}

bool sameBytes(const RadioImage& a, const RadioImage& b, const Field& f) {
    for (std::size_t i = 0; i < f.size; ++i) {
        const std::uint8_t bits = f.size == 1 ? f.mask : 0xFF;
        if ((a.byte(f.offset + i) & bits) != (b.byte(f.offset + i) & bits))
            return false;
    }
    return true;
}

// What a settings row does with its own value, as its window would: shown (or not), then taken
// back as shown.
enum class RowVerdict {
    Kept,    // shown and stored again unchanged
    Skipped, // not enabled (the window takes no input there), or not this rule's kind
    NoEntry, // a list with no entry for the stored code
    Changed, // the form shows nothing, or stores another value when the shown text returns
    Refused, // the form refuses its own text with a message (other rules say why)
};

struct RowProbe {
    RowVerdict verdict = RowVerdict::Skipped;
    std::string shown; // what the row shows ("" when nothing)
};

RowProbe probeRow(const CheckContext& c, const Field& f) {
    RadioImage work = c.image();
    const auto form = formOf(f.place.command, work, c.text());
    const int row = f.place.row;
    if (!form || !form->enabled(row))
        return {};
    const FieldRow& r = form->rows()[static_cast<std::size_t>(row)];
    RowProbe probe{RowVerdict::Kept, feature::rowText(*form, row, c.text())};
    feature::Commit commit;
    switch (r.kind) {
    case FieldKind::List:
        return {form->listIndex(row) < 0 ? RowVerdict::NoEntry : RowVerdict::Kept, probe.shown};
    case FieldKind::Check:
        commit = form->commitCheck(row, form->checked(row));
        break;
    case FieldKind::Number:
    case FieldKind::Text: {
        const std::optional<std::string> text = form->text(row);
        if (!text)
            return {RowVerdict::Changed, {}};
        commit = form->commitText(row, *text);
        break;
    }
    default:
        return {};
    }
    if (commit.message != 0)
        probe.verdict = RowVerdict::Refused;
    else if (!sameBytes(c.image(), work, f))
        probe.verdict = RowVerdict::Changed;
    return probe;
}

// A cell of the CrewLink fleet/ID table taken back as shown.
bool crewCellKept(const CheckContext& c, const Field& f) {
    RadioImage work = c.image();
    feature::CrewLinkForm form(work, c.text());
    const int entry = f.place.row - 1;
    const auto column =
        f.place.column == 1 ? feature::crew::Column::Fleet : feature::crew::Column::Id;
    form.commitCell(entry, column, form.cellText(entry, column));
    return sameBytes(c.image(), work, f);
}

// A message line taken back as shown.
bool messageLineKept(const CheckContext& c, const Field& f) {
    RadioImage work = c.image();
    const int line = f.item;
    feature::writeMessageLine(work, line, feature::messageLineText(c.image(), line));
    return sameBytes(c.image(), work, f);
}

bool isMessageLine(const Field& f) {
    return f.place.command == cmd::EmbeddedMessage;
}

// Characters outside 0x20..0x7F: the message editor stores such a line as empty.
bool messageCharactersStorable(std::string_view line) {
    for (const char ch : line) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x20 || b > 0x7F)
            return false;
    }
    return true;
}

// Whether every character of `text` passes the box's filter as it is (not turned).
bool charactersAccepted(std::uint8_t mode, std::string_view text) {
    for (const char ch : text)
        if (filterCharacter(mode, static_cast<unsigned char>(ch), {}) != FilterVerdict::Accept)
            return false;
    return true;
}

} // namespace

// A list (settings rows and the two keys) whose stored code has no entry: the window selects
// nothing. The keys store 0xFF for "no function" and 1..11 for the others.
void listCode(CheckContext& c, const CheckRule& rule) {
    for (const Field& f : c.fields()) {
        bool noEntry = false;
        if (f.place.command == cmd::KeyAssignment) {
            const std::uint8_t stored = c.image().byte(f.offset);
            noEntry =
                stored != feature::kKeyNoFunction && feature::keyPositionForStored(stored) == 0;
        } else if (isFormRow(f)) {
            noEntry = probeRow(c, f).verdict == RowVerdict::NoEntry;
        }
        if (noEntry)
            c.report(rule, f, {fieldBytesText(c.image(), f)});
    }
}

// A number, code or tick its editor cannot show, or that the editor would store otherwise
// when the value it shows is taken back (the CrewLink table, the message lines too).
void outOfRange(CheckContext& c, const CheckRule& rule) {
    for (const Field& f : c.fields()) {
        bool changed = false;
        std::string shown = f.text(c.image(), c.text());
        if (isFormRow(f)) {
            const RowProbe probe = probeRow(c, f);
            changed = probe.verdict == RowVerdict::Changed;
            shown = probe.shown;
        } else if (f.place.command == cmd::CrewLink && f.place.column > 0) {
            changed = !crewCellKept(c, f);
        } else if (isMessageLine(f)) {
            changed = messageCharactersStorable(shown) && !messageLineKept(c, f);
        }
        if (changed)
            c.report(rule, f, {fieldBytesText(c.image(), f), displayText(f, shown, c.text())});
    }
}

// A code or message holding characters its box does not take: the DTMF ID (digits), the stun
// code (DTMF characters) and the message lines (0x20..0x7F).
void characters(CheckContext& c, const CheckRule& rule) {
    for (const Field& f : c.fields()) {
        const std::string shown = f.text(c.image(), c.text());
        bool refused = false;
        if (isMessageLine(f)) {
            refused = !messageCharactersStorable(shown);
        } else if (isFormRow(f) && f.kind == TextKind::FreeText) {
            RadioImage work = c.image();
            const auto form = formOf(f.place.command, work, c.text());
            const FieldRow& r = form->rows()[static_cast<std::size_t>(f.place.row)];
            refused = form->enabled(f.place.row) && !charactersAccepted(r.editMode, shown);
        }
        if (refused)
            c.report(rule, f, {displayText(f, shown, c.text())});
    }
}

// A DTMF ID or stun code of one or two characters: the DTMF editor refuses both.
void shortCode(CheckContext& c, const CheckRule& rule) {
    for (const std::size_t at : {layout::kDtmfIdCode, layout::kDtmfStunCode}) {
        const std::string code = feature::readCharacters(c.image(), at, layout::kDtmfIdCodeLength);
        if (code.size() == 1 || code.size() == 2) {
            const Field& f = c.field(at);
            c.report(rule, f, {displayText(f, code, c.text())});
        }
    }
}

// Priority scanning on a channel (1..16) that is not programmed: the Scan editor refuses it.
void priorityNotProgrammed(CheckContext& c, const CheckRule& rule) {
    const RadioImage& image = c.image();
    if (!feature::hasPriorityChannel(image))
        return;
    const int channel = image.byte(layout::kPriorityChannel);
    if (channel >= 1 && channel <= layout::kChannelCount &&
        !feature::channelProgrammed(image, channel))
        c.report(rule, c.field(layout::kPriorityChannel), {std::to_string(channel)});
}

// The settings Write to Radio refuses to go without (editors/feature/WriteRefusal.h), each at
// its field; the own fleet and ID are one setting there and are named at the fleet.
void neededForWrite(CheckContext& c, const CheckRule& rule) {
    const auto refusal = checkBeforeWriting(c.image());
    if (!refusal)
        return;
    for (const StringId named : refusal->named) {
        std::size_t at = 0;
        if (named == StrId::CrewLinkOwnFleetLabel)
            at = layout::kCrewOwnFleet;
        else if (named == StrId::PttIdBeginCodeName)
            at = layout::kPttIdBeginCode;
        else if (named == StrId::PttIdEndCodeName)
            at = layout::kPttIdEndCode;
        else if (named == StrId::PriorityChannelName)
            at = layout::kPriorityChannel;
        else
            continue;
        c.report(rule, c.field(at), {});
    }
}

// A key assigned to scanning while no channel in use is marked for scan (Scan Add).
void scanKeyWithoutScan(CheckContext& c, const CheckRule& rule) {
    const RadioImage& image = c.image();
    for (int ch = 0; ch < layout::kChannelCount; ++ch) {
        const ConstChannelRecordRef record = channelRecord(image, ch);
        if (!record.empty() && record.scanAdd())
            return;
    }
    for (const auto key : {feature::ProgrammableKey::Pf1, feature::ProgrammableKey::Pf2}) {
        const std::uint8_t stored = image.byte(feature::keyOffset(key));
        const int position = feature::keyPositionForStored(stored);
        if (feature::kKeyFunctionNames[static_cast<std::size_t>(position)] ==
            StrId::KeyFunctionScan)
            c.report(rule, c.field(feature::keyOffset(key)), {});
    }
}

} // namespace tsw::fields::rules
