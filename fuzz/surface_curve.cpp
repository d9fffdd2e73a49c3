// The curve calculation fails with the error its sag text calls for, or gives display texts.
#include "core/surface_curve.h"
#include "fuzz/input.h"
#include "fuzz/properties.h"

#include <cmath>

using namespace lens::fuzz;
using lens::CalcError;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto text = textOf(data, size);
    const auto result = lens::computeSurfaceCurve(text);
    const auto sag = lens::strictNumber(text);
    if (!lens::isNumericText(text)) {
        require(result == std::unexpected(CalcError::NotANumber), "a non-numeric sag: NotANumber", text);
        return 0;
    }
    if (sag == 0.0) {
        require(result == std::unexpected(CalcError::DivisionByZero), "sag 0: DivisionByZero", text);
        return 0;
    }
    // Only a square beyond the range, or a quotient by a sag next to zero, leaves the range.
    const bool moderate = sag && std::fabs(*sag) < 1e150 && std::fabs(*sag) > 1e-300;
    require(result || (!moderate && result.error() == CalcError::Overflow), "Overflow only far out", text);
    if (!result) return 0;
    for (const auto& curve : result->curveTexts) {
        require(isDisplayNumberText(curve) && decimalsOf(curve) <= 2, "a curve has at most two decimals", text);
        // Every curve has the sag's sign; negative ones show as whole numbers, zeros as "0".
        require(*sag > 0 ? !curve.starts_with('-') : isWholeNumberText(curve), "the sag's sign decides the form", text);
    }
    const auto& measured = result->measuredFrontCurve;
    require(isDisplayNumberText(measured) && decimalsOf(measured) <= 2, "the front curve has two decimals at most",
            text);
    // With its decimals shown, the "PC" curve is the value the measured front curve comes from.
    const auto pc = lens::strictNumber(result->curveTexts[1]);
    require(*sag < 0 || measured == lens::numberText(lens::roundTo2((498 * pc.value_or(0)) / 586)),
            "the measured front curve is the PC curve at 498", text);
    return 0;
}
