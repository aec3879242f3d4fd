#include "app/ImageLayout.h"
#include "app/TextTemplate.h"
#include "editors/channel/ChannelCsv.h"
#include "editors/channel/ChannelCsvReader.h"
#include "editors/channel/ChannelRecord.h"

namespace tsw {

CsvImportResult importChannelsCsv(std::string_view text, RadioImage& image, bool narrowStepsOnly) {
    csvread::Reading reading = csvread::readChannelRows(text, narrowStepsOnly, {});
    CsvImportResult result;
    result.problems = std::move(reading.problems);
    if (!result.problems.empty())
        return result;
    RadioImage work = image;
    for (int channel = 0; channel < layout::kChannelCount; ++channel)
        clearChannel(work, channel);
    for (const auto& planned : reading.plan) {
        if (planned.empty)
            continue;
        csvread::storeNewChannel(work, planned, narrowStepsOnly);
        ++result.channels;
    }
    image = work;
    return result;
}

std::string formatCsvProblem(const CsvProblem& problem, const TextLookup& lookup) {
    const std::string pattern = lookup(problem.text);
    if (problem.row > 0)
        return fillTemplate(pattern, {std::to_string(problem.row), problem.detail});
    return fillTemplate(pattern, {problem.detail});
}

} // namespace tsw
