// The glass diameter is a whole number, at least 3 for a plus ED, and fails only far out.
#include "core/glass_diameter.h"
#include "fuzz/input.h"
#include "fuzz/properties.h"

#include <algorithm>
#include <cmath>

using namespace lens::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto input = textOf(data, size);
    const auto [pd, a, dbl, ed] = texts<4>(input);
    const auto result = lens::computeGlassDiameter(pd, a, dbl, ed);
    // A + DBL is one sum: which box holds which cannot matter.
    require(lens::computeGlassDiameter(pd, dbl, a, ed) == result, "A and DBL swap freely", input);
    const double values[] = {lens::leadingNumber(pd), lens::leadingNumber(a), lens::leadingNumber(dbl),
                             lens::leadingNumber(ed)};
    const bool moderate = std::ranges::all_of(values, [](double v) { return std::fabs(v) < 1e300; });
    require(result || (!moderate && result.error() == lens::CalcError::Overflow), "Overflow only far out", input);
    if (!result) return 0;
    require(isWholeNumberText(*result), "the diameter is a whole number", input);
    require(values[3] < 0 || readBack(*result).value_or(3) >= 3, "a plus ED gives 3 at least", input);
    return 0;
}
