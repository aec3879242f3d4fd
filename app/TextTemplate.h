#pragma once
// Fills the placeholders of a language text. Texts come from files that translators edit, so
// they are never handed to printf: each "%s" or "%d" takes the next argument as it is
// (the caller has already turned numbers into text), "%%" is one percent sign, and any other
// percent sign is kept. Placeholders beyond the arguments are left out.

#include <initializer_list>
#include <string>
#include <string_view>

namespace tsw {

std::string fillTemplate(std::string_view pattern, std::initializer_list<std::string_view> args);

} // namespace tsw
