#include "tools/cli/CliTexts.h"

#include "app/AppGlobals.h"
#include "app/LanguageLoader.h"

namespace tsw::cli {

namespace {

constexpr std::string_view kUsage =
    R"(Usage: tsw62m-cli COMMAND [OPTION]...
Reads, writes and shows the memory of an HX-5520 (UHF) radio.

Commands:
  read --port PORT [--output FILE]  read the radio's memory into FILE (default tsw62m.dat)
  write --port PORT FILE [--yes] [--force] [--verify [--output READBACK]]
                                    write the data file FILE to the radio (and read it back
                                    to check it)
  info --port PORT                  show the radio's model, frequency, serial number, version
  new --output FILE                 write the default memory as a data file
  show FILE                         list the channels and settings of a data file
  hexdump FILE                      the memory of a data file, 16 bytes a line
  export-csv FILE [--output CSV]    write the channels of a data file as CSV
  import-csv CSV --into FILE [--output OUT]
                                    read the channels of CSV into the data file FILE
  diff FILE_A FILE_B                list every difference between two data files
  diff FILE --port PORT             list every difference between a data file and the radio
  check FILE                        list the errors and warnings Check Configuration finds
  fleet FILE --port PORT --count N --log LOG.csv [--first-number N] [--label TEXT]
        [--label-line 1|2] [--dtmf-id FIRST] [--crewlink-id FIRST] [--wait SECONDS] [--yes]
                                    write FILE to N radios one after the other, each with
                                    its own number, and log each radio

Options for every command:
  --retries N   when the radio does not answer, try again up to N times (default 0, at
                most 10), each time 2.5 s after the failure; one line per failed attempt
  --lang CODE   language of the messages: 1 Dutch, 2 English, 3 French, 4 German,
                5 Italian, 6 Spanish (default 2)
  --help        this text, or with a command its own

PORT is COM<n> (the n-th serial port, or the device the settings' "Ports" section maps
COM<n> to) or a device path such as /dev/ttyUSB0.

Exit status: 0 success, 1 failure (the message is on standard error), 2 wrong usage,
3 refused before anything was sent to the radio. diff: 0 equal, 1 different, 2 trouble
(a file or the radio could not be read). check: 0 no error (warnings allowed), 1 at least
one error, 2 the file cannot be read.
)";

constexpr std::string_view kReadHelp =
    R"(Usage: tsw62m-cli read --port PORT [--output FILE] [--retries N] [--lang CODE]
Reads the radio's whole memory and writes it as a data file. FILE (default tsw62m.dat) is
written only after a complete read, and replaced in one step; a failed read leaves it as it
was.
)";

constexpr std::string_view kWriteHelp =
    R"(Usage: tsw62m-cli write --port PORT FILE [--yes] [--force]
                      [--verify [--output READBACK]] [--retries N] [--lang CODE]
Writes the data file FILE to the radio. The data is checked first: missing settings are
reported and nothing is sent (exit status 3). Then Check Configuration runs, as check does,
and prints its findings on standard error; with an error nothing is sent (exit status 3)
unless --force is given; warnings alone do not stop the write. When the model of the data
differs from the radio's, the write goes on only with --yes.

--verify reads the radio back after the write and compares every byte written; each field
the radio holds otherwise is reported ("Verify failed: <field>: written <value>, radio holds
<value>") and the exit status is 1. --output READBACK keeps what the radio holds as a data
file.

A write that fails after the radio took part of it leaves the radio with old and new data
mixed; the message says so, and the radio must be written again before it is used.
Exit status: 0 written (and verified), 1 failed or differences found, 2 wrong usage,
3 refused before anything was sent.
)";

constexpr std::string_view kInfoHelp =
    R"(Usage: tsw62m-cli info --port PORT [--retries N] [--lang CODE]
Reads the radio's identity, information block and version and prints one "Label: value"
line for each of model type, frequency, serial number and version.
)";

constexpr std::string_view kNewHelp =
    R"(Usage: tsw62m-cli new --output FILE
Writes the default memory of an HX-5520 (UHF) as a data file.
)";

constexpr std::string_view kShowHelp =
    R"(Usage: tsw62m-cli show FILE [--lang CODE]
Lists the channels of a data file (number, receive and transmit frequency, tone and flags as
the channel table shows them), the test frequencies and the radio-wide settings.
)";

constexpr std::string_view kHexdumpHelp =
    R"(Usage: tsw62m-cli hexdump FILE
Prints the 1024-byte memory of a data file, 16 bytes a line, each line starting with the
offset ("000: 25 06 60 44 ...").
)";

constexpr std::string_view kExportCsvHelp =
    R"(Usage: tsw62m-cli export-csv FILE [--output CSV]
Writes the channels of the data file FILE in the generic CSV layout of radio programming
tools and spreadsheets, one row per channel in use. CSV defaults to FILE with the extension
.csv.
)";

constexpr std::string_view kImportCsvHelp =
    R"(Usage: tsw62m-cli import-csv CSV --into FILE [--output OUT] [--lang CODE]
Reads the channel list CSV into channels 1 to 16 of the data file FILE and writes the result
to OUT (default: FILE itself). Channels the list does not name are emptied (a list of the
header line alone, as export-csv writes for a file without channels, empties them all);
everything outside the channels stays as it was. A list with any problem is refused as a whole: each
problem is reported with its row and nothing is written.
)";

// (its own delimiter: the text holds a quoted parenthesis)
constexpr std::string_view kDiffHelp =
    R"help(Usage: tsw62m-cli diff FILE_A FILE_B [--lang CODE]
       tsw62m-cli diff FILE --port PORT [--retries N] [--lang CODE]
Lists every difference between two data files, or between a data file and the memory of the
radio on PORT, one line each: the field (channels by number and field, settings by their
editor's label, bytes no editor shows by their offset), its value in the first and in the
second, as the editors show them. Texts the radio stores as typed are quoted, so "AB " stays
apart from "AB"; a field its editor shows empty reads "(empty)" (in the chosen language).
Exit status 0 when they are equal, 1 when they differ, 2 when a file or the radio cannot be
read.
)help";

constexpr std::string_view kCheckHelp =
    R"(Usage: tsw62m-cli check FILE [--lang CODE]
Checks the data file FILE as Check Configuration does before a write and prints one line per
finding: "error: <field>: <message>" or "warning: <field>: <message>", the field in the same
words as diff, the message in the chosen language. Errors are values the radio should never
get (no editor can show or store them, or Write to Radio refuses them); warnings are worth a
look before the radio leaves the shop (frequencies outside the band, channels without
transmit frequency, ...). Exit status 0 when there is no error (warnings allowed), 1 when
there is at least one, 2 when the file cannot be read.
)";

constexpr std::string_view kFleetHelp =
    R"(Usage: tsw62m-cli fleet FILE --port PORT --count N --log LOG.csv [--first-number N]
                      [--label TEXT] [--label-line 1|2] [--dtmf-id FIRST]
                      [--crewlink-id FIRST] [--wait SECONDS] [--yes] [--retries N]
                      [--lang CODE]
Writes the data file FILE to N radios connected one after the other, each with its own
number (from --first-number, default 1), and reads each back to compare. Each radio gets:
  --label TEXT       one line of the embedded message (line 2, or --label-line 1), with
                     {n} standing for its number and {n:02} for it with two digits (any
                     width); at most 32 characters from space to ~
  --dtmf-id FIRST    its own DTMF ID code: FIRST for the first radio, then one more per
                     radio; 3 to 10 digits, zero-padded when FIRST begins with 0
  --crewlink-id FIRST its own CrewLink ID, 1000 to 4999 (own fleet as set, or 100)
At least one of the three is required. Every value of the run is checked, with Check
Configuration for each radio's copy, before the first radio is written.

Between radios the tool waits up to SECONDS (default 120) for a radio whose serial number
it has not written yet, looking about once a second. One line per radio on standard output:
  3/20 A1B2-C3D4E5F UNIT 03 dtmf 103 crewlink 1003 ok
A radio that fails is logged with the reason, and its number goes to the next radio.

LOG.csv gets one row per radio, appended and flushed at once, never rewritten:
  Time,Serial,Firmware,Number,Label,DtmfId,CrewLinkId,Result,Message
Running the same command again with the same log continues the run: radios logged ok count
towards N and are not written again, numbering goes on after the highest number that
verified. A damaged log is refused, naming its line, and left as it is.

Exit status: 0 N radios verified, 1 the run stopped short (no new radio within the wait, the
port failed, the log could not be appended to), 2 wrong usage, 3 refused before anything
was sent (errors in the configuration, a value that cannot be stored, FILE unreadable, the
log damaged or not writable).
)";

} // namespace

std::string_view usageText() {
    return kUsage;
}

std::string_view verbHelpText(Verb verb) {
    switch (verb) {
    case Verb::Read:
        return kReadHelp;
    case Verb::Write:
        return kWriteHelp;
    case Verb::Info:
        return kInfoHelp;
    case Verb::New:
        return kNewHelp;
    case Verb::Show:
        return kShowHelp;
    case Verb::Hexdump:
        return kHexdumpHelp;
    case Verb::ExportCsv:
        return kExportCsvHelp;
    case Verb::ImportCsv:
        return kImportCsvHelp;
    case Verb::Diff:
        return kDiffHelp;
    case Verb::Check:
        return kCheckHelp;
    case Verb::Fleet:
        return kFleetHelp;
    case Verb::None:
        break;
    }
    return kUsage;
}

bool loadLanguageFile(const std::string& programDirectory, int languageCode) {
    auto& table = globals().language;
    table.setDirectory(programDirectory);
    globals().languageCode = languageCode;
    return loadLanguage(table, languageCode) == LanguageTable::Loaded;
}

std::string text(StringId id) {
    std::string t = globals().language.text(id);
    return t.empty() ? "[string " + std::to_string(id) + "]" : t;
}

std::string label(StringId id) {
    std::string t = globals().language.plainText(id);
    return t.empty() ? "[string " + std::to_string(id) + "]" : t;
}

} // namespace tsw::cli
