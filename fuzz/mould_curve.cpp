// The mould calculation fails with the first error its steps meet, or gives display texts to two decimals.
#include "fuzz/properties.h"

void lens::fuzz::check(std::string_view input)
{
    // Choice byte: bit 0 "Systom", the next three bits the material, where 7 is none.
    const auto [choice, texts] = split<3>(input);
    const auto [sphere, cylinder, frontCurve] = texts;
    const int index = (choice >> 1) & 7;
    const auto material = index < 7 ? std::optional(static_cast<LensMaterial>(index)) : std::nullopt;
    const auto result = computeMouldCurves((choice & 1) != 0, material, sphere, cylinder, frontCurve);
    // Not numeric, or numeric and far from the edges of the double range.
    const auto mild = [](auto t) { return !isNumericText(t) || std::fabs(strictNumber(t).value_or(1e300)) < 1e300; };
    if (mild(sphere) && mild(cylinder) && mild(frontCurve)) {
        // In the order of the steps: front curve, sphere, material, cylinder.
        const auto failure = !isNumericText(frontCurve) || !isNumericText(sphere) ? std::optional(CalcError::NotANumber)
            : !material ? std::optional(strictNumber(sphere) == 0.0 ? CalcError::Overflow : CalcError::DivisionByZero)
            : !isNumericText(cylinder) ? std::optional(CalcError::NotANumber)
                                       : std::nullopt;
        require(failure ? result == std::unexpected(*failure) : result.has_value(), "the first failure met", input);
    }
    require(!result || (isDisplayText(result->gbaseText, true) && isDisplayText(result->gcrossText, true)),
            "mould curves to two decimals", input);
}
