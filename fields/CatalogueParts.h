#pragma once
// How fieldCatalogue() is assembled: each part appends the entries of one group of windows.
// Only the catalogue's own sources include this.

#include <vector>

#include "fields/FieldCatalogue.h"

namespace tsw::fields::detail {

void addChannelFields(std::vector<Field>& out);  // channels 1..16
void addSettingsFields(std::vector<Field>& out); // features, keys, scan, DTMF, CrewLink
void addTableFields(std::vector<Field>& out);    // test frequencies, QT/DQT, message, identity

} // namespace tsw::fields::detail
