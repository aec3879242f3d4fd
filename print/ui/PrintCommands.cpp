#include "print/ui/PrintCommands.h"

#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <type_traits>

#include "app/AppGlobals.h"
#include "app/CommandIds.h"
#include "app/TextTemplate.h"
#include "app/ui/Modules.h"
#include "app/ui/Shell.h"
#include "app/ui/UiText.h"
#include "editors/channel/ChannelEditorState.h"
#include "print/ui/PrintJob.h"
#include "print/ui/PrintOutListDialog.h"

namespace tsw::print::ui {

namespace {

// "Pages printed: 3", or "Pages printed to x.pdf: 3" when they went to a file.
void tellPrinted(const QPrinter& printer, int pages) {
    const std::string count = std::to_string(pages);
    const QString file = printer.outputFileName();
    const std::string text =
        file.isEmpty() ? fillTemplate(tr(StrId::StatusPrinted), {count})
                       : fillTemplate(tr(StrId::StatusPrintedToFile),
                                      {tsw::ui::toStd(QFileInfo(file).fileName()), count});
    tsw::ui::shell().showStatusMessage(tsw::ui::fromStd(text));
}

int printJob(const PrintJob& job, QWidget* parent) {
    QPrinter& printer = sharedPrinter();
    if (!choosePrinter(printer, parent))
        return 0;
    const int pages = job.print(printer);
    if (pages > 0)
        tellPrinted(printer, pages);
    return pages;
}

// Sets a flag for the lifetime of the scope and clears it afterwards, however the scope ends.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

} // namespace

int runPrint(QWidget* parent) {
    PrintOutListDialog list(parent);
    if (list.exec() != QDialog::Accepted || list.mask() == 0)
        return 0;
    return printJob(PrintJob(PrintSelection{list.mask(), false, list.channelTable()}), parent);
}

void runPrintPreview(QWidget* parent) {
    // The channel edit window stays shut while this flag is set (the main frame checks it).
    FlagScope closeWithoutAsking(globals().flags.closeWithoutAsking);
    const PrintJob job(PrintSelection{printsel::All, false});
    QPrintPreviewDialog preview(&sharedPrinter(), parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&job](QPrinter* printer) { job.print(*printer); });
    preview.exec();
}

void runPrintCommand(int command, QWidget* parent) {
    if (command == cmd::FilePrint)
        runPrint(parent);
    else if (command == cmd::FilePrintPreview)
        runPrintPreview(parent);
}

bool printRequest(int editorCommand, QWidget* parent) {
    const std::optional<PrintSection> section = sectionOfEditor(editorCommand);
    if (!section)
        return false;
    SectionPage page{*section, 0, false};
    if (*section == PrintSection::ChannelInformation)
        page.subPage = channelPageOf(globals().image, channelEditorState().selectedChannel);
    return printJob(PrintJob(PrintSelection{0, true}, page), parent) > 0;
}

bool printTuningData(QWidget* parent, std::span<const std::uint8_t> tuning,
                     std::span<const std::uint8_t> testChannels) {
    QPrinter& printer = sharedPrinter();
    if (!choosePrinter(printer, parent))
        return false;
    const PrintItems page =
        tuningPageItems(tuning, testChannels, knownTuningValues(), isLandscape(printer),
                        currentHeaderInfo(), globals().image, &tr);
    return paintPages(printer, {page}) > 0;
}

bool printTuningValues(QWidget* parent, std::span<const int> tuningValues,
                       std::span<const std::uint8_t> testChannels) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < tuningValues.size() && i < kTuningDataSize; ++i)
        bytes.push_back(static_cast<std::uint8_t>(tuningValues[i]));
    return printTuningData(parent, std::span<const std::uint8_t>(bytes), testChannels);
}

bool printListing(QWidget* parent, const Listing& listing) {
    QPrinter& printer = sharedPrinter();
    if (!choosePrinter(printer, parent))
        return false;
    const auto pages =
        listingPages(listing, isLandscape(printer), currentHeaderInfo(), globals().image, &tr);
    return paintPages(printer, pages) > 0;
}

} // namespace tsw::print::ui

// File > Print and File > Print Preview as the program reaches them in the print module.
extern "C" Q_DECL_EXPORT void tsw62m_print_command(int command, QWidget* parent) {
    tsw::print::ui::runPrintCommand(command, parent);
}
static_assert(std::is_same_v<decltype(&tsw62m_print_command), tsw::ui::PrintCommandEntry>);

// The Test Mode dialog's print-out as the program reaches it in the print module.
extern "C" Q_DECL_EXPORT bool tsw62m_print_tuning_values(QWidget* parent, const int* values,
                                                         std::size_t valueCount,
                                                         const std::uint8_t* testChannels,
                                                         std::size_t channelBytes) {
    return tsw::print::ui::printTuningValues(
        parent, std::span<const int>(values, valueCount),
        std::span<const std::uint8_t>(testChannels, channelBytes));
}
static_assert(std::is_same_v<decltype(&tsw62m_print_tuning_values), tsw::ui::TuningPrintEntry>);

// An editor's own print request as the program reaches it in the print module.
extern "C" Q_DECL_EXPORT bool tsw62m_print_editor(int editorCommand, QWidget* parent) {
    return tsw::print::ui::printRequest(editorCommand, parent);
}
static_assert(std::is_same_v<decltype(&tsw62m_print_editor), tsw::ui::EditorPrintEntry>);

// A list's print-out as the program reaches it in the print module.
extern "C" Q_DECL_EXPORT bool tsw62m_print_listing(const tsw::print::Listing* listing,
                                                   QWidget* parent) {
    return listing != nullptr && tsw::print::ui::printListing(parent, *listing);
}
static_assert(std::is_same_v<decltype(&tsw62m_print_listing), tsw::ui::ListingPrintEntry>);
