#pragma once
// One print job: the page plan for the printer's orientation, every page painted with the
// common header and footer. The job keeps a copy of the image taken when it was made, so a
// preview shows the same data however often it repaints.

#include <QPrinter>
#include <functional>
#include <vector>

#include "app/RadioImage.h"
#include "print/PagePlan.h"
#include "print/PrintItem.h"
#include "print/SectionLayout.h"

class QWidget;

namespace tsw::print::ui {

// The program's printer: its settings (printer, paper, orientation, margins) are kept from
// one job to the next, as Print Setup left them.
QPrinter& sharedPrinter();

// What the header shows now: the current date and time, the program's version, the current
// file name and model.
HeaderInfo currentHeaderInfo();

// Chooses the printer for a job: by default the system print dialog (which also offers a PDF
// file); false when the user cancels. Tests install their own.
using PrinterChooser = std::function<bool(QPrinter& printer, QWidget* parent)>;
void setPrinterChooser(PrinterChooser chooser); // null restores the print dialog
bool choosePrinter(QPrinter& printer, QWidget* parent);

bool isLandscape(const QPrinter& printer);

// Paints pages on the printer, one QPrinter page each, honouring a page range chosen in the
// print dialog. Returns the number of pages painted, or -1 when the printer did not start.
int paintPages(QPrinter& printer, const std::vector<PrintItems>& pages);

class PrintJob {
public:
    explicit PrintJob(PrintSelection selection, SectionPage editorPage = {});

    std::vector<PageEntry> plan(const QPrinter& printer) const;
    std::vector<PrintItems> pages(const QPrinter& printer) const;
    // Paints every page (see paintPages).
    int print(QPrinter& printer) const;

private:
    PrintSelection selection_;
    SectionPage editorPage_;
    HeaderInfo header_;
    RadioImage image_;
};

} // namespace tsw::print::ui
