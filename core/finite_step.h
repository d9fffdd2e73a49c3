// A step of a calculation that must stay within the double range.
#pragma once

#include "core/number_text.h"

#include <cmath>
#include <expected>

namespace lens {

// `value`, or Overflow when it is infinite or not a number (0 / 0 included).
inline std::expected<double, CalcError> finiteStep(double value)
{
    if (std::isfinite(value)) return value;
    return std::unexpected(CalcError::Overflow);
}

}  // namespace lens
