#include "tools/cli/InterchangeCommands.h"

#include <filesystem>
#include <optional>

#include "app/AtomicFile.h"
#include "app/DataFile.h"
#include "app/FileText.h"
#include "app/ImageLayout.h"
#include "app/ModelTable.h"
#include "editors/channel/ChannelCsv.h"
#include "editors/channel/ChannelRecord.h"
#include "tools/cli/CheckCommands.h"
#include "tools/cli/CliTexts.h"

namespace tsw::cli {

namespace {

constexpr std::string_view kProgram = "tsw62m-cli";

void complain(CliEnvironment& env, const std::string& message) {
    env.err << kProgram << ": " << message << "\n";
}

bool writeBytes(CliEnvironment& env, const std::string& path, std::span<const std::uint8_t> bytes) {
    const FileWriteResult r = writeFileAtomically(path, bytes);
    if (!r)
        complain(env, fileProblemText(FileAction::Write, path, r));
    return static_cast<bool>(r);
}

// The frequency parser's narrow-steps flag for the model an image belongs to.
bool narrowStepsOf(const RadioImage& image) {
    ModelIdentity identity{};
    for (std::size_t i = 0; i < identity.size(); ++i)
        identity[i] = image.byte(layout::kIdentity + i);
    return narrowStepsOnly(lookupModel(identity), identity[6]);
}

} // namespace

int runExportCsv(const CliArgs& args, CliEnvironment& env) {
    const auto image = readImageForReport(env, args.file);
    if (!image)
        return kFailure;
    const std::string output =
        args.output.empty() ? std::filesystem::path(args.file).replace_extension(".csv").string()
                            : args.output;
    const std::string csv = exportChannelsCsv(*image);
    if (!writeBytes(env, output, {reinterpret_cast<const std::uint8_t*>(csv.data()), csv.size()}))
        return kFailure;
    env.out << "wrote " << countUsedChannels(*image) << " channels to " << output << "\n";
    return kSuccess;
}

int runImportCsv(const CliArgs& args, CliEnvironment& env) {
    const FileReadResult csv = readFileContents(args.file, kMaxCsvBytes + 1);
    if (!csv) {
        complain(env, fileProblemText(FileAction::Open, args.file, csv.status));
        return kFailure;
    }
    auto image = readImageForReport(env, args.into);
    if (!image)
        return kFailure;
    const std::string output = args.output.empty() ? args.into : args.output;
    const CsvImportResult result = importChannelsCsv(csv.contents, *image, narrowStepsOf(*image));
    if (!result.imported()) {
        for (const CsvProblem& problem : result.problems)
            env.err << args.file << ": " << formatCsvProblem(problem, &text) << "\n";
        complain(env, args.file + " was not imported; " + output + " is unchanged");
        return kFailure;
    }
    if (!writeBytes(env, output, datafile::dataFileBytes(*image)))
        return kFailure;
    env.out << "imported " << result.channels << " channels from " << args.file << " into "
            << output << "\n";
    return kSuccess;
}

int runDiff(const CliArgs& args, CliEnvironment& env) {
    const auto a = readImageForReport(env, args.file);
    const auto b = readImageForReport(env, args.secondFile);
    if (!a || !b)
        return kReportTrouble;
    return printDifferences(env, *a, args.file, *b, args.secondFile);
}

} // namespace tsw::cli
