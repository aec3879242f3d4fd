#include "app/ModelTable.h"

#include "app/CommandIds.h"

namespace tsw {

namespace {

constexpr std::array<ModelEntry, 1> kModels{{
    {"H5520", "HX-5520 (UHF)", "UHF:446 MHz", {'H', '5', '5', '2', '0', 0x03, 0xF8, 0xFF}},
}};

constexpr std::array<BandEntry, 1> kBands{{{"446 MHz(E)(T)", 446'000'000, 446'200'000}}};

constexpr std::array<MenuListEntry, 9> kEditList{{
    {cmd::ChannelInformation, StrId::MenuChannelInformation, StrId::TitleChannelInformation},
    {},
    {cmd::OptionalFeatures, StrId::MenuOptionalFeatures, StrId::TitleOptionalFeatures},
    {cmd::KeyAssignment, StrId::MenuKeyAssignment, StrId::TitleKeyAssignment},
    {cmd::ScanInformation, StrId::MenuScanInformation, StrId::TitleScanInformation},
    {},
    {cmd::TestFrequency, StrId::MenuTestFrequency, StrId::TitleTestFrequency},
    {cmd::EmbeddedMessage, StrId::MenuEmbeddedMessage, StrId::TitleEmbeddedMessage},
    {cmd::QtDqtTable, StrId::MenuQtDqtTable, StrId::TitleQtDqtTable},
}};

constexpr std::array<MenuListEntry, 7> kProgramList{{
    {cmd::ReadFromRadio, StrId::MenuReadFromRadio, StrId::ProgramMenuSecondText},
    {cmd::WriteToRadio, StrId::MenuWriteToRadio, StrId::ProgramMenuSecondText},
    {cmd::WriteToSeveralRadios, StrId::MenuProgramWriteFleet, StrId::ProgramMenuSecondText},
    {cmd::TestMode, StrId::MenuTestMode, StrId::ProgramMenuSecondText},
    {cmd::MemoryMap, StrId::MenuMemoryMap, StrId::ProgramMenuSecondText},
    {},
    {cmd::CompareWithRadio, StrId::MenuCompareWithRadio, StrId::ProgramMenuSecondText},
}};

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

const ModelEntry& modelEntry(int index) {
    (void)index;
    return kModels[0];
}

std::span<const ModelEntry> modelEntries() {
    return kModels;
}

int modelCount() {
    return static_cast<int>(kModels.size());
}

const BandEntry& bandEntry(int model, int index) {
    (void)model;
    (void)index;
    return kBands[0];
}

int bandCount(int model) {
    (void)model;
    return static_cast<int>(kBands.size());
}

int lookupModel(const ModelIdentity& identity) {
    (void)identity;
    return 0;
}

int lookupBand(const ModelIdentity& identity) {
    (void)identity;
    return 0;
}

std::span<const MenuListEntry> editMenuList() {
    return kEditList;
}
std::span<const MenuListEntry> programMenuList() {
    return kProgramList;
}

bool narrowStepsOnly(int modelIndex, std::uint8_t identityByte6) {
    return modelIndex >= 1 && (identityByte6 & 0x07) == 3;
}

bool parseIdentityText(std::string_view text, ModelIdentity& out) {
    ModelIdentity result{};
    std::size_t pos = 0;
    for (std::size_t i = 0; i < result.size(); ++i) {
        if (i > 0) {
            if (pos >= text.size() || text[pos] != ':')
                return false;
            ++pos;
        }
        if (pos + 2 > text.size())
            return false;
        const int hi = hexDigit(text[pos]);
        const int lo = hexDigit(text[pos + 1]);
        if (hi < 0 || lo < 0)
            return false;
        result[i] = static_cast<std::uint8_t>(hi * 16 + lo);
        pos += 2;
    }
    if (pos != text.size())
        return false;
    out = result;
    return true;
}

} // namespace tsw
