#pragma once
// What a window tells about a field when the pointer rests on it: the field's label and, from
// the catalogue's range, step and unit, which values it takes, in the user's language:
//
//   "1000–4999"                          a range in steps of one, no unit
//   "15–600 s in steps of 15 s"          a step other than one
//   "0.50–5.00 s in steps of 0.05 s"     decimals as the editor shows them (a point)
//   "1–10 s, or Off"                     0 allowed too, shown as a word
//   "in MHz"                             a unit, no range (frequencies)
//
// No second table of ranges: everything comes from the field catalogue.

#include <string>

#include "app/TextLookup.h"
#include "fields/FieldCatalogue.h"

namespace tsw::fields {

// The values line; empty when the catalogue knows neither range nor unit.
std::string rangeHint(const Field& field, const TextLookup& text);
// The label, and the values line below it where there is one.
std::string fieldTip(const Field& field, const TextLookup& text);
// A value in units of 10^-decimals as the editors show it: 50 with 2 decimals is "0.50".
std::string scaledNumber(int value, int decimals);

} // namespace tsw::fields
