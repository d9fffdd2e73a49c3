// Diameter of glass a lens needs, from PD, box width A, bridge DBL and effective diameter ED.
#pragma once

#include "core/number_text.h"

#include <expected>
#include <string>
#include <string_view>

namespace lens {

// |(A + DBL) - PD| + ED + 3 as a whole number. Each text is read by leadingNumber, so empty or
// non-numeric text counts as 0. The only failure is Overflow.
std::expected<std::string, CalcError> computeGlassDiameter(std::string_view pdText, std::string_view aText,
                                                           std::string_view dblText, std::string_view edText);

}  // namespace lens
