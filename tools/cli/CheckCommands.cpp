#include "tools/cli/CheckCommands.h"

#include "app/DataFile.h"
#include "app/FileText.h"
#include "fields/ImageDiff.h"
#include "tools/cli/CliListing.h"
#include "tools/cli/CliTexts.h"

namespace tsw::cli {

namespace {

constexpr std::string_view kProgram = "tsw62m-cli";

std::string labelText(StringId id) {
    return label(id);
}

} // namespace

std::optional<RadioImage> readImageForReport(CliEnvironment& env, const std::string& path) {
    RadioImage image;
    FileStatus why;
    switch (datafile::readDataFile(path, image, why)) {
    case datafile::ReadResult::Ok:
        return image;
    case datafile::ReadResult::CannotOpen:
        env.err << kProgram << ": " << fileProblemText(FileAction::Open, path, why) << "\n";
        break;
    case datafile::ReadResult::WrongFormat:
        env.err << kProgram << ": " << path << ": " << text(StrId::WrongFileFormat) << "\n";
        break;
    }
    return std::nullopt;
}

void printFindings(std::ostream& out, std::span<const fields::Finding> findings) {
    for (const fields::Finding& f : findings)
        out << fields::severityKey(f.severity) << ": " << f.name << ": " << f.message << "\n";
}

int printDifferences(CliEnvironment& env, const RadioImage& a, const std::string& nameA,
                     const RadioImage& b, const std::string& nameB) {
    const auto lines = fields::diffImages(a, b, &labelText);
    if (lines.empty()) {
        env.out << text(StrId::DiffNoDifferences) << "\n";
        return kReportClean;
    }
    std::vector<std::vector<std::string>> rows{{"", nameA, nameB}};
    for (const auto& line : lines)
        rows.push_back({line.field, line.a, line.b});
    printTable(env.out, rows);
    return kReportFound;
}

int runCheck(const CliArgs& args, CliEnvironment& env) {
    const auto image = readImageForReport(env, args.file);
    if (!image)
        return kReportTrouble;
    const auto findings = fields::checkConfiguration(*image, &labelText);
    printFindings(env.out, findings);
    return fields::countFindings(findings, fields::Severity::Error) > 0 ? kReportFound
                                                                        : kReportClean;
}

} // namespace tsw::cli
