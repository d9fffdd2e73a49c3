// The curve calculation fails with the error its sag text calls for, or gives display texts.
#include "core/surface_curve.h"
#include "fuzz/input.h"
#include "fuzz/properties.h"

#include <cmath>

namespace {

using namespace lens::fuzz;

void checkResult(const lens::SurfaceCurveResult& result, double sag, std::string_view text)
{
    const auto& curves = result.curveTexts;
    for (const auto& curve : curves) {
        require(isDisplayNumberText(curve), "curve is a display text", text);
        require(decimalsOf(curve) <= 2, "curve has at most two decimals", text);
        // Every curve shares the sag's sign; negative ones show as whole numbers, zeros as "0".
        if (sag < 0) require(isWholeNumberText(curve), "a negative sag shows whole numbers", text);
        if (sag > 0) require(!curve.starts_with('-'), "a positive sag gives no negative curve", text);
    }
    require(isDisplayNumberText(result.measuredFrontCurve) && decimalsOf(result.measuredFrontCurve) <= 2,
            "measured front curve is a display text with at most two decimals", text);
    if (sag < 0) return;
    // Shown with its decimals, the "PC" curve is the value the measured front curve comes from.
    const double pc = *lens::strictNumber(curves[1]);
    require(result.measuredFrontCurve == lens::numberText(lens::roundTo2((498 * pc) / 586)),
            "measured front curve is the PC curve at 498", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto text = textOf(data, size);
    const auto result = lens::computeSurfaceCurve(text);
    const auto sag = lens::strictNumber(text);
    if (!lens::isNumericText(text)) {
        require(result == std::unexpected(lens::CalcError::NotANumber), "non-numeric sag: NotANumber", text);
    } else if (sag && *sag == 0) {
        require(result == std::unexpected(lens::CalcError::DivisionByZero), "sag 0: DivisionByZero", text);
    } else if (!result) {
        require(result.error() == lens::CalcError::Overflow, "other failures are Overflow", text);
        // Only a square beyond the range or a quotient by an almost-zero sag leaves the range.
        require(!sag || std::fabs(*sag) > 1e150 || std::fabs(*sag) < 1e-300, "Overflow only out there", text);
    } else {
        checkResult(*result, *sag, text);
    }
    return 0;
}
