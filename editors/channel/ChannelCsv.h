#pragma once
// The channel list as comma-separated text in the generic column layout that common radio
// programming tools and spreadsheets trade:
//
//   Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,
//   RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE
//
// One row per channel in use (Location 1..16). Frequencies in MHz with six decimals; the
// transmit frequency as Duplex "" (same as receive), "split" (Offset = transmit frequency) or
// "off" (none); "+" and "-" (transmit = receive plus or minus Offset) are read too. Tones:
//
//   decode / encode tones                 Tone    columns used
//   both off                              ""      -
//   encode QT only                        Tone    rToneFreq
//   equal QT                              TSQL    rToneFreq and cToneFreq (read: cToneFreq)
//   equal DQT (code and polarity)         DTCS    DtcsCode, RxDtcsCode (read: DtcsCode)
//   anything else                         Cross   CrossMode "<tx>-><rx>", each side Tone,
//                                                 DTCS or nothing: transmit QT rToneFreq,
//                                                 transmit DQT DtcsCode, receive QT cToneFreq,
//                                                 receive DQT RxDtcsCode
//
// DtcsPolarity is transmit then receive, N normal, R inverted. The Comment carries what the
// columns cannot: "compander=on|off; scan-add=yes|no; beat-shift=on|off" (the channel table's
// columns 3 to 5); other comment text is ignored when read.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "app/AppGlobals.h"
#include "app/RadioImage.h"
#include "app/StringIds.h"
#include "editors/channel/FrequencyCodec.h"

namespace tsw {

// A larger file is refused before it is read.
inline constexpr std::size_t kMaxCsvBytes = 1024 * 1024;
// Problems listed before the list is cut short.
inline constexpr std::size_t kMaxCsvProblems = 100;

// The header line and one row per channel in use, lines ended by CR LF.
std::string exportChannelsCsv(const RadioImage& image);

// The fields of one channel's row, in column order (a channel in use).
std::vector<std::string> channelCsvRow(const RadioImage& image, int channel);
// The column names in export order.
std::vector<std::string> channelCsvHeader();

// One reason why a file cannot be imported.
struct CsvProblem {
    int row = 0;        // line of the file the row starts on; 0 for the file as a whole
    StringId text = 0;  // language text: "%d" the row (row texts only), "%s" the detail
    std::string detail; // the value in question, shortened for display
    bool operator==(const CsvProblem&) const = default;
};

struct CsvImportResult {
    std::vector<CsvProblem> problems; // in file order; empty when the file was imported
    int channels = 0;                 // channels filled from the file
    bool imported() const { return problems.empty(); }
};

// Reads the channel list into channels 1..16 of `image`: the channels the file names are built
// as new channels from their rows, every other channel is emptied (a list of the header line
// alone empties them all, as the export of a configuration without channels reads), and the
// rest of the image is left alone. A row with nothing but its Location names an empty channel.
// Columns are found by name (any order, any subset that has Frequency; unknown columns
// ignored); without a Location column the rows fill channels 1, 2, ... in order. Nothing is
// changed unless the whole file is acceptable.
CsvImportResult importChannelsCsv(std::string_view text, RadioImage& image, bool narrowStepsOnly);

// The problem as a sentence of the user's language.
std::string formatCsvProblem(const CsvProblem& problem, const TextLookup& lookup = tr);

} // namespace tsw
