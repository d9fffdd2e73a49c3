// The curve calculation fails as its sag text calls for, or gives display texts to two decimals.
#include "fuzz/properties.h"

void lens::fuzz::check(std::string_view text)
{
    const auto result = computeSurfaceCurve(text);
    const auto sag = strictNumber(text);
    if (!result) {
        const auto failure = !isNumericText(text) ? CalcError::NotANumber
            : sag == 0.0                          ? CalcError::DivisionByZero
                                                  : CalcError::Overflow;
        require(result.error() == failure, "the failure the sag calls for", text);
        // Only a square beyond the range, or a quotient by a sag next to zero, leaves the range.
        require(failure != CalcError::Overflow || !sag || std::fabs(*sag) >= 1e150 || std::fabs(*sag) <= 1e-300,
                "Overflow only far out", text);
        return;
    }
    require(sag && *sag != 0, "a result only for a numeric sag other than 0", text);
    for (const auto& curve : result->curveTexts) require(isDisplayText(curve, true), "curves to two decimals", text);
    require(isDisplayText(result->measuredFrontCurve, true), "the front curve to two decimals", text);
}
