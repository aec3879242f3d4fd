#pragma once
// The ways into printing: File > Print (57607), File > Print Preview (57609), an editor's own
// print request, and the tuning-data print-out of the Test Mode dialog. The program reaches
// them through the module's entries (app/ui/Modules.h).

#include <cstdint>
#include <span>

#include "print/ListingLayout.h"
#include "print/TuningLayout.h"

class QWidget;

namespace tsw::print::ui {

// File > Print: the Print Out List; on OK the print dialog, then the chosen sections.
// Returns the number of pages printed (0 when the user cancelled, -1 when the printer failed).
int runPrint(QWidget* parent);

// File > Print Preview: every section in the preview window. While the preview runs the main
// window closes without asking and the channel edit window cannot be opened; both are reset
// when the preview ends.
void runPrintPreview(QWidget* parent);

// One of the two commands above by its command id; other ids do nothing.
void runPrintCommand(int command, QWidget* parent);

// An editor's own print request (the editor's menu command; 1 for the channel edit window):
// the print dialog, then that editor's section (Channel Information: the page of the selected
// channel). False when the editor has no printed section or the user cancelled.
bool printRequest(int editorCommand, QWidget* parent = nullptr);

// The Test Mode dialog's print-out: the print dialog, then one page with the 62 tuning bytes,
// the values whose item is known by name (knownTuningValues) and the 16 test channels (128
// bytes as read from the radio). True when the page went to the printer.
bool printTuningData(QWidget* parent, std::span<const std::uint8_t> tuning,
                     std::span<const std::uint8_t> testChannels);
// The same from the link's tuning values as numbers (TuningValues::current; the first 62).
bool printTuningValues(QWidget* parent, std::span<const int> tuningValues,
                       std::span<const std::uint8_t> testChannels);

// A three-column list (the compare window's differences): the print dialog, then its pages.
// True when they went to the printer.
bool printListing(QWidget* parent, const Listing& listing);

} // namespace tsw::print::ui
