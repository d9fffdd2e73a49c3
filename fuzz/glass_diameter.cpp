// The glass diameter is a whole number, at least 3 for a plus ED, and fails only far out.
#include "fuzz/properties.h"

void lens::fuzz::check(std::string_view input)
{
    const auto [pd, a, dbl, ed] = split<4>(input).second;
    const auto result = computeGlassDiameter(pd, a, dbl, ed);
    // A + DBL is one sum: which box holds which cannot matter.
    require(computeGlassDiameter(pd, dbl, a, ed) == result, "A and DBL swap freely", input);
    const bool moderate =
        std::ranges::all_of(std::array{pd, a, dbl, ed}, [](auto t) { return std::fabs(leadingNumber(t)) < 1e300; });
    require(result || (!moderate && result.error() == CalcError::Overflow), "Overflow only far out", input);
    require(!result || (isWholeText(*result) && (leadingNumber(ed) < 0 || strictNumber(*result).value_or(3) >= 3)),
            "a whole number, 3 at least for a plus ED", input);
}
