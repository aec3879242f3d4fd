#include "editors/channel/ToneCodec.h"

#include <algorithm>

#include "app/ImageLayout.h"
#include "app/NumberText.h"

namespace tsw {

namespace {

// A QT text read as tenths of a hertz: the whole number before the first "." times ten plus
// the first digit after that point (if it is a digit).
long readTenths(const std::string& text) {
    const LeadingInteger whole = readLeadingInteger(text, 1'000'000); // saturate, clamped later
    long tenths = static_cast<long>(whole.negative ? -whole.magnitude : whole.magnitude) * 10;
    const auto point = text.find('.');
    if (point != std::string::npos && point + 1 < text.size() && isDecimalDigit(text[point + 1]))
        tenths += text[point + 1] - '0';
    return tenths;
}

std::string tenthsText(long tenths) {
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

char clampOctal(char c) {
    return c < '0' ? '0' : (c > '7' ? '7' : c);
}

std::vector<std::string> dqtList(char suffix) {
    std::vector<std::string> list;
    for (const auto& code : dqtCodeList())
        list.push_back("D" + code + suffix);
    return list;
}

} // namespace

void normalizeToneText(std::string& text) {
    if (text.empty())
        return;
    if (text[0] != 'D') {
        const long tenths = std::clamp<long>(readTenths(text), kQtLowestTenths, kQtHighestTenths);
        text = tenthsText(tenths);
        return;
    }
    text.resize(5, '\0'); // missing digits count as below "0"
    for (std::size_t i = 1; i <= 3; ++i)
        text[i] = clampOctal(text[i]);
    if (text[4] != 'I')
        text[4] = 'N';
}

bool isValidToneWord(ToneWord word) {
    if (word == kToneOff)
        return true;
    if (!isDqtTone(word))
        return word >= kQtLowestTenths && word <= kQtHighestTenths;
    const unsigned code = word & kDqtCodeMask;
    if (word != makeDqtWord(code, isInvertedDqt(word)))
        return false;
    const std::string digits = {static_cast<char>('0' + (code >> 6 & 7)),
                                static_cast<char>('0' + (code >> 3 & 7)),
                                static_cast<char>('0' + (code & 7))};
    const auto& codes = dqtCodeList();
    return std::find(codes.begin(), codes.end(), digits) != codes.end();
}

std::string formatTone(ToneWord word, const TextLookup& lookup) {
    if (word == kToneOff)
        return lookup(StrId::OffText);
    if (!isDqtTone(word))
        return tenthsText(word);
    std::string text = "D";
    for (int shift = 6; shift >= 0; shift -= 3)
        text += static_cast<char>('0' + ((word >> shift) & 7));
    text += isInvertedDqt(word) ? 'I' : 'N';
    return text;
}

ToneWord parseTone(std::string_view text, const TextLookup& lookup) {
    std::string normal(text);
    if (normal == lookup(StrId::OffText))
        normal.clear();
    normalizeToneText(normal);
    if (normal.empty())
        return kToneOff;
    if (normal[0] != 'D')
        return static_cast<ToneWord>(readTenths(normal));
    const unsigned code =
        static_cast<unsigned>((normal[1] - '0') << 6 | (normal[2] - '0') << 3 | (normal[3] - '0'));
    return makeDqtWord(code, normal[4] == 'I');
}

ToneWord normalizeToneWord(ToneWord word) {
    if (word == kToneOff)
        return kToneOff;
    if (isDqtTone(word))
        return makeDqtWord(word & kDqtCodeMask, isInvertedDqt(word));
    return static_cast<ToneWord>(std::clamp<int>(word, kQtLowestTenths, kQtHighestTenths));
}

ToneWord tableEntryTone(const RadioImage& image, int entry) {
    if (entry < 1 || entry > layout::kQtDqtTableEntries)
        return kToneOff;
    const ToneWord word = image.word(layout::qtDqtEntryOffset(entry));
    return word == kTableEntryOff ? kToneOff : normalizeToneWord(word);
}

std::string formatTableTone(const RadioImage& image, int index, const TextLookup& lookup) {
    if (index < 0 || index >= layout::kQtDqtTableEntries)
        return {};
    const ToneWord word = image.word(layout::qtDqtEntryOffset(index + 1));
    if (word == kTableEntryOff)
        return lookup(StrId::OffText);
    return formatTone(word, lookup);
}

const std::vector<std::string>& qtToneList() {
    static const std::vector<std::string> list = {
        "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
        "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
        "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "162.2", "167.9", "173.8", "179.9",
        "186.2", "192.8", "203.5", "210.7", "218.1", "225.7", "233.6", "241.8", "250.3"};
    return list;
}

const std::vector<std::string>& dqtCodeList() {
    static const std::vector<std::string> list = {
        "023", "025", "026", "031", "032", "043", "047", "051", "054", "065", "071", "072",
        "073", "074", "114", "115", "116", "125", "131", "132", "134", "143", "152", "155",
        "156", "162", "165", "172", "174", "205", "223", "226", "243", "244", "245", "251",
        "261", "263", "265", "271", "306", "311", "315", "331", "343", "346", "351", "364",
        "365", "371", "411", "412", "413", "423", "431", "432", "445", "464", "465", "466",
        "503", "506", "516", "532", "546", "565", "606", "612", "624", "627", "631", "632",
        "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754"};
    return list;
}

const std::vector<std::string>& dqtNormalList() {
    static const std::vector<std::string> list = dqtList('N');
    return list;
}

const std::vector<std::string>& dqtInvertedList() {
    static const std::vector<std::string> list = dqtList('I');
    return list;
}

const std::vector<std::string>& toneChoiceList() {
    static const std::vector<std::string> list = [] {
        std::vector<std::string> all = qtToneList();
        all.insert(all.end(), dqtNormalList().begin(), dqtNormalList().end());
        all.insert(all.end(), dqtInvertedList().begin(), dqtInvertedList().end());
        return all;
    }();
    return list;
}

} // namespace tsw
