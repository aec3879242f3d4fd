#pragma once
// Parts of the program that need large libraries at run time (Qt Multimedia for the call tones,
// Qt Help for the help window, Qt Print Support for printing) are built as modules beside the
// program and loaded when first used, so that start-up neither loads nor links those libraries.

#include <QString>
#include <QtGlobal>
#include <cstddef>
#include <cstdint>
#include <functional>

class QWidget;

namespace tsw::print {
struct Listing;
}

namespace tsw::ui {

class Shell;

// Where the modules lie: the program directory.
QString moduleDirectory();

// The entry point `entry` of the module file `file` in `directory`, loading the module if it is
// not loaded yet (it then stays loaded), with every symbol it needs resolved at once (a module
// that does not fit the program fails here, not in the middle of a command). Null when the
// module or its entry is missing.
QFunctionPointer moduleEntry(const QString& directory, const char* file, const char* entry);

// The print module's Print and Print Preview commands (cmd::FilePrint, cmd::FilePrintPreview).
inline constexpr char kPrintModuleFile[] = "libtsw62m-print.so";
inline constexpr char kPrintCommandEntry[] = "tsw62m_print_command";
using PrintCommandEntry = void (*)(int command, QWidget* parent);
// The handler of such a command: loads the print module from moduleDirectory() when it is first
// run and hands it the command; without the module the command ends without a message, as for
// an editor that cannot be created.
std::function<void(Shell&)> printModuleCommand(int command);

// The print module's print-out of the Test Mode dialog: the print dialog, then one page with the
// tuning values and the radio's test channels. True when the page went to the printer.
inline constexpr char kTuningPrintEntry[] = "tsw62m_print_tuning_values";
using TuningPrintEntry = bool (*)(QWidget* parent, const int* values, std::size_t valueCount,
                                  const std::uint8_t* testChannels, std::size_t channelBytes);

// The print module's print request of an editor (its menu command; 1 for the channel edit
// window): the print dialog, then that editor's section. True when the page went to the printer.
inline constexpr char kEditorPrintEntry[] = "tsw62m_print_editor";
using EditorPrintEntry = bool (*)(int editorCommand, QWidget* parent);

// The print module's print-out of a three-column list (print/ListingLayout.h: the differences
// of the compare window): the print dialog, then the list's pages. True when they went to the
// printer.
inline constexpr char kListingPrintEntry[] = "tsw62m_print_listing";
using ListingPrintEntry = bool (*)(const print::Listing* listing, QWidget* parent);

} // namespace tsw::ui
