// The glass diameter is a whole number of at least 3 for a plus ED, or Overflow far out.
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
    // A + DBL is one sum: which box holds which of the two cannot matter.
    require(lens::computeGlassDiameter(pd, dbl, a, ed) == result, "A and DBL swap freely", input);

    const double values[] = {lens::leadingNumber(pd), lens::leadingNumber(a), lens::leadingNumber(dbl),
                             lens::leadingNumber(ed)};
    const bool moderate = std::ranges::all_of(values, [](double v) { return std::fabs(v) < 1e300; });
    if (!result) {
        require(result.error() == lens::CalcError::Overflow, "the only failure is Overflow", input);
        require(!moderate, "Overflow only out there", input);
        return 0;
    }
    require(isWholeNumberText(*result), "the diameter is a whole number", input);
    if (values[3] >= 0) {
        const auto diameter = readBack(*result);
        require(!diameter || *diameter >= 3, "a plus ED gives a diameter of at least 3", input);
    }
    return 0;
}
