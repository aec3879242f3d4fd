#include "print/ui/PrintJob.h"

#include <QPainter>
#include <QPrintDialog>
#include <ctime>

#include "app/AppGlobals.h"
#include "app/ui/AboutBox.h"
#include "print/ui/PagePainter.h"

namespace tsw::print::ui {

namespace {

// Margins of a printer the user has not set up: a little inside what most printers reach.
constexpr double kDefaultMarginMm = 15;

PrinterChooser& chooserSlot() {
    static PrinterChooser chooser;
    return chooser;
}

} // namespace

QPrinter& sharedPrinter() {
    static QPrinter* printer = [] {
        auto* p = new QPrinter(QPrinter::HighResolution);
        p->setPageMargins(
            QMarginsF(kDefaultMarginMm, kDefaultMarginMm, kDefaultMarginMm, kDefaultMarginMm),
            QPageLayout::Millimeter);
        return p;
    }();
    return *printer;
}

HeaderInfo currentHeaderInfo() {
    const AppGlobals& g = globals();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    HeaderInfo info;
    info.dateTime = formatPrintDateTime(local);
    info.softwareVersion = tsw::ui::kProgramVersion;
    info.fileName = g.currentFileName;
    info.modelIndex = g.modelIndex;
    return info;
}

void setPrinterChooser(PrinterChooser chooser) {
    chooserSlot() = std::move(chooser);
}

bool choosePrinter(QPrinter& printer, QWidget* parent) {
    if (chooserSlot())
        return chooserSlot()(printer, parent);
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    return dialog.exec() == QDialog::Accepted;
}

bool isLandscape(const QPrinter& printer) {
    return printer.pageLayout().orientation() == QPageLayout::Landscape;
}

int paintPages(QPrinter& printer, const std::vector<PrintItems>& pages) {
    const bool ranged = printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0;
    const int first = ranged ? printer.fromPage() : 1;
    const int last =
        ranged && printer.toPage() > 0 ? printer.toPage() : static_cast<int>(pages.size());
    if (pages.empty())
        return 0;
    QPainter painter;
    if (!painter.begin(&printer))
        return -1;
    const QRectF area(QPointF(0, 0), QSizeF(printer.width(), printer.height()));
    int painted = 0;
    for (int number = first; number <= last && number <= static_cast<int>(pages.size()); ++number) {
        if (painted > 0 && !printer.newPage())
            break;
        PagePainter(painter, &printer, area).paint(pages[static_cast<std::size_t>(number - 1)]);
        ++painted;
    }
    painter.end();
    return painted;
}

PrintJob::PrintJob(PrintSelection selection, SectionPage editorPage)
    : selection_(selection), editorPage_(editorPage), header_(currentHeaderInfo()),
      image_(globals().image) {}

std::vector<PageEntry> PrintJob::plan(const QPrinter& printer) const {
    return planPages(selection_, isLandscape(printer), image_);
}

std::vector<PrintItems> PrintJob::pages(const QPrinter& printer) const {
    const bool landscape = isLandscape(printer);
    const std::vector<PageEntry> entries = plan(printer);
    std::vector<PrintItems> pages;
    pages.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i)
        pages.push_back(pageItems(entries[i], static_cast<int>(i + 1), landscape, editorPage_,
                                  header_, image_, &tr));
    return pages;
}

int PrintJob::print(QPrinter& printer) const {
    return paintPages(printer, pages(printer));
}

} // namespace tsw::print::ui
