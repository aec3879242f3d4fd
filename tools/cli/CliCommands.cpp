#include "tools/cli/CliCommands.h"

#include "app/AppGlobals.h"
#include "app/DataFile.h"
#include "app/DefaultImage.h"
#include "app/FileText.h"
#include "app/TextTemplate.h"
#include "editors/feature/WriteRefusal.h"
#include "fields/ImageDiff.h"
#include "link/RadioInfo.h"
#include "link/SerialLink.h"
#include "link/Transfer.h"
#include "tools/cli/CheckCommands.h"
#include "tools/cli/CliArgs.h"
#include "tools/cli/CliListing.h"
#include "tools/cli/CliPrompt.h"
#include "tools/cli/CliTexts.h"
#include "tools/cli/FleetCommand.h"
#include "tools/cli/InterchangeCommands.h"

namespace tsw::cli {

namespace {

constexpr std::string_view kProgram = "tsw62m-cli";

// A fresh start for every run: the default image and identity, no flags.
void resetGlobals() {
    AppGlobals& g = globals();
    ModelIdentity identity{};
    parseIdentityText(kDefaultIdentityText, identity);
    g.identity = identity;
    g.flags = SharedFlags{};
    resetImageToDefaults(g);
    markSaved(g);
}

int fail(CliEnvironment& env, const std::string& message) {
    env.err << kProgram << ": " << message << "\n";
    return kFailure;
}

// Reads a data file into the global image; an exit code other than success on failure.
int loadDataFile(CliEnvironment& env, const std::string& path) {
    FileStatus why;
    switch (datafile::readDataFile(path, globals().image, why)) {
    case datafile::ReadResult::Ok:
        takeOverIdentity(globals());
        return kSuccess;
    case datafile::ReadResult::CannotOpen:
        return fail(env, fileProblemText(FileAction::Open, path, why));
    case datafile::ReadResult::WrongFormat:
        return fail(env, path + ": " + text(StrId::WrongFileFormat));
    }
    return kFailure;
}

int saveDataFile(CliEnvironment& env, const std::string& path, const RadioImage& image) {
    const FileWriteResult r = datafile::writeDataFile(path, image);
    if (!r)
        return fail(env, fileProblemText(FileAction::Write, path, r));
    return kSuccess;
}

// The link on the named port: COM<n> through the mapping and the present devices, or a path.
void selectPort(SerialLink& link, const std::string& port, CliEnvironment& env) {
    if (isDevicePath(port)) {
        link.setDevicePath(port);
        return;
    }
    link.setPortResolver(
        [&env](int n) { return resolveComPort(n, env.portMapping, env.listDevices()); });
    link.setPortNumber(static_cast<std::uint8_t>(*parseComName(port)));
}

struct Session {
    Session(const CliArgs& args, CliEnvironment& env)
        : prompt(env.err, args.retries, args.yes), link(env.device, env.clock, prompt, globals()) {
        link.setTextLookup(text);
        selectPort(link, args.port, env);
    }
    CliPrompt prompt;
    SerialLink link;
};

int runRead(const CliArgs& args, CliEnvironment& env) {
    // An output that cannot take the file is refused before the radio is asked for anything.
    if (const FileStatus output = checkOutputFile(args.output); !output)
        return fail(env, fileProblemText(FileAction::Write, args.output, output));
    Session s(args, env);
    Transfer transfer(s.link);
    TransferProgress progress;
    if (!transfer.readImageFromRadio(progress))
        return fail(env, "nothing was read; " + args.output + " is unchanged");
    ImageWindows noWindows;
    applySuccessfulRead(globals(), transfer.receiveBuffer(), noWindows);
    if (const int r = saveDataFile(env, args.output, globals().image); r != kSuccess)
        return r;
    env.out << text(StrId::ReadComplete) << "\n";
    return kSuccess;
}

// One line per field the radio holds otherwise than written, in the editors' words.
void printVerifyFailure(std::ostream& err, const RadioImage& written, const VerifyResult& verify) {
    err << text(StrId::VerifyFailedHeading) << "\n";
    const RadioImage held = heldAtWrittenOffsets(written, verify.readBack);
    for (const auto& line : fields::diffImages(written, held, label))
        err << fillTemplate(text(StrId::VerifyFailedLine), {line.field, line.a, line.b}) << "\n";
}

int reportWrite(const CliArgs& args, CliEnvironment& env, const Transfer& transfer,
                WriteOutcome outcome) {
    switch (outcome) {
    case WriteOutcome::Written:
        env.out << text(StrId::WriteComplete) << "\n";
        return kSuccess;
    case WriteOutcome::Verified:
    case WriteOutcome::VerifyFailed:
        if (!args.output.empty())
            if (const int r = saveDataFile(env, args.output, transfer.verifyResult().readBack);
                r != kSuccess)
                return r;
        if (outcome == WriteOutcome::VerifyFailed) {
            printVerifyFailure(env.err, globals().image, transfer.verifyResult());
            return kFailure;
        }
        env.out << text(StrId::WriteComplete) << "\n" << text(StrId::VerifyPassed) << "\n";
        return kSuccess;
    case WriteOutcome::NotVerified:
        return fail(env, text(StrId::WriteNotVerified));
    case WriteOutcome::PartlyWritten:
        return fail(env, text(StrId::WriteLeftRadioMixed));
    case WriteOutcome::Unchanged:
        break;
    }
    return fail(env, "the write did not complete; the radio acknowledged none of it");
}

int runWrite(const CliArgs& args, CliEnvironment& env) {
    if (const int r = loadDataFile(env, args.file); r != kSuccess)
        return r;
    if (const auto refusal = checkBeforeWriting(globals().image)) {
        env.err << refusalText(*refusal, text) << "\n";
        return kRefused;
    }
    // Check Configuration: its findings go to standard error; an error stops the write before
    // anything is sent, unless asked for.
    const auto findings = fields::checkConfiguration(globals().image, &label);
    printFindings(env.err, findings);
    if (fields::countFindings(findings, fields::Severity::Error) > 0 && !args.force) {
        env.err << kProgram << ": the configuration has errors; nothing was sent to the radio "
                << "(--force writes it all the same)\n";
        return kRefused;
    }
    Session s(args, env);
    Transfer transfer(s.link);
    TransferProgress progress;
    const WriteOutcome outcome =
        transfer.writeImageToRadio(progress, WriteRequest{.verify = args.verify});
    return reportWrite(args, env, transfer, outcome);
}

// diff FILE --port PORT: the file against what the radio holds. The file is read first, so a
// file that cannot be read costs no radio session.
int runDiffWithRadio(const CliArgs& args, CliEnvironment& env) {
    const auto file = readImageForReport(env, args.file);
    if (!file)
        return kReportTrouble;
    Session s(args, env);
    Transfer transfer(s.link);
    TransferProgress progress;
    if (transfer.readImageFromRadio(progress) != 1) {
        fail(env, "nothing was read from the radio");
        return kReportTrouble;
    }
    RadioImage radio;
    radio.copyFrom(transfer.receiveBuffer());
    return printDifferences(env, *file, args.file, radio, "radio " + args.port);
}

int runInfo(const CliArgs& args, CliEnvironment& env) {
    Session s(args, env);
    SerialLink& link = s.link;
    if (!runRadioInformation(link))
        return fail(env, "no radio information was read");
    env.out << label(StrId::ModelTypeLabel) << ": " << modelTypeText(link.radioModelCode) << "\n";
    env.out << label(StrId::FrequencyLabel) << ": " << frequencyText(link.radioTypeByte, text)
            << "\n";
    env.out << label(StrId::SerialNumberLabel) << ": "
            << serialNumberText(link.radioInfoText, link.radioInfoSerial) << "\n";
    env.out << label(StrId::RadioInfoVersionLabel) << ": " << versionText(link.radioVersion)
            << "\n";
    return kSuccess;
}

int runFileVerb(const CliArgs& args, CliEnvironment& env) {
    if (args.verb == Verb::New)
        return saveDataFile(env, args.output, globals().image);
    if (const int r = loadDataFile(env, args.file); r != kSuccess)
        return r;
    if (args.verb == Verb::Hexdump)
        printHexdump(env.out, globals().image);
    else
        printListing(env.out, globals().image);
    return kSuccess;
}

int usageError(CliEnvironment& env, const std::string& error) {
    env.err << kProgram << ": " << error << "\n"
            << "Try '" << kProgram << " --help' for more information.\n";
    return kUsageError;
}

} // namespace

int runCli(std::span<const std::string> argv, CliEnvironment& env) {
    const ParsedArgs parsed = parseArgs(argv);
    const CliArgs& args = parsed.args;
    if (!parsed.error.empty())
        return usageError(env, parsed.error);
    if (args.help) {
        env.out << verbHelpText(args.verb);
        return kSuccess;
    }
    if (!args.port.empty() && !isDevicePath(args.port) && !parseComName(args.port))
        return usageError(env, "the port must be COM<n> (1 to 255) or a device path: " + args.port);
    if (args.retriesAsked > kMaxRetries)
        env.err << kProgram << ": --retries " << args.retriesAsked << " is more than "
                << kMaxRetries << "; at most " << kMaxRetries << " retries are made\n";
    resetGlobals();
    if (args.verb != Verb::Hexdump && args.verb != Verb::New &&
        !loadLanguageFile(env.programDirectory, args.languageCode))
        env.err << kProgram << ": the language file for code " << args.languageCode
                << " could not be loaded; messages show their string numbers\n";
    switch (args.verb) {
    case Verb::Read:
        return runRead(args, env);
    case Verb::Write:
        return runWrite(args, env);
    case Verb::Info:
        return runInfo(args, env);
    case Verb::New:
    case Verb::Show:
    case Verb::Hexdump:
        return runFileVerb(args, env);
    case Verb::ExportCsv:
        return runExportCsv(args, env);
    case Verb::ImportCsv:
        return runImportCsv(args, env);
    case Verb::Diff:
        return args.port.empty() ? runDiff(args, env) : runDiffWithRadio(args, env);
    case Verb::Check:
        return runCheck(args, env);
    case Verb::Fleet:
        // A data file that cannot be read stops the run before any radio is touched.
        if (loadDataFile(env, args.file) != kSuccess)
            return kRefused;
        return runFleet(args, env, globals().image, [&](SerialLink& link) {
            link.setTextLookup(text);
            selectPort(link, args.port, env);
        });
    case Verb::None:
        break;
    }
    return kUsageError;
}

} // namespace tsw::cli
