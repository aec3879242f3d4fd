#pragma once
// The frame of every printed page: the header (title, date and time, two rules and the model
// and file rows between them) and the page number at the foot.
//
//   line 0   title (bold, centred)
//   line 2                                           date time (right)
//   line 3   ------------------------------------------------------------
//   line 4   Band          UHF:446 MHz     Model Code        H5520
//   line 5   Version       (E)(T)          Software Version  1.00
//   line 6   Model Type    HX-5520 (UHF)   Band Code         92
//   line 7   Frequency     446 MHz(E)(T)   File Name         Untitled
//   line 9   ------------------------------------------------------------
//   line 11  the section's body
//   ...
//   3 lines above the bottom:  - n -

#include <ctime>
#include <string>

#include "app/RadioImage.h"
#include "editors/channel/FrequencyCodec.h"
#include "print/PrintItem.h"

namespace tsw::print {

inline constexpr double kBodyStartLine = 11;
inline constexpr double kFooterLinesAboveBottom = 3;
inline constexpr double kHeaderIndent = 15; // labels of the model and file rows, and titles

// The model's version text printed beside its label.
inline constexpr const char* kModelVersionText = "(E)(T)";

// What the header shows besides the image and the language texts.
struct HeaderInfo {
    std::string dateTime;        // formatPrintDateTime of the job's start
    std::string softwareVersion; // the program's version
    std::string fileName;        // the current file name
    int modelIndex = 0;          // entry of the model table
};

// The job's date and time: the date as "%x", a blank, the time as "%X" (the C library's
// current locale decides the form).
std::string formatPrintDateTime(const std::tm& local);

// The model code as the image holds it (bytes 0x1B8..0x1BC): printable characters only, up
// to the first byte that is not one.
std::string modelCodeText(const RadioImage& image);

PrintItems headerItems(const HeaderInfo& info, const RadioImage& image, const TextLookup& lookup);
PrintItems footerItems(int pageNumber);

} // namespace tsw::print
