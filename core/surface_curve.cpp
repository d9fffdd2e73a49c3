#include "core/surface_curve.h"

#include "core/finite_step.h"
#include "core/material_constants.h"

#include <algorithm>

namespace lens {
namespace {

constexpr double halfChordSquared = 400;   // the sag is measured over a chord of half-width 20
constexpr double radiusAllowance = 1.5;
constexpr double referenceConstant = 498;  // the measured front curve is kept at this constant
constexpr std::size_t pcRow = static_cast<std::size_t>(LensMaterial::Pc);

// Radius of the sphere through the chord's ends and the sag's top: ((400 + h^2) / 2) / h.
std::expected<double, CalcError> surfaceRadius(std::string_view sagText)
{
    const auto sag = strictNumber(sagText);
    if (!sag) return sag;
    const auto square = finiteStep(*sag * *sag);
    if (!square) return square;
    if (*sag == 0) return std::unexpected(CalcError::DivisionByZero);
    return finiteStep(((halfChordSquared + *square) / 2) / *sag);
}

}  // namespace

std::expected<SurfaceCurveResult, CalcError> computeSurfaceCurve(std::string_view sagText)
{
    const auto radius = surfaceRadius(sagText);
    if (!radius) return std::unexpected(radius.error());
    // |radius| >= 20 for every sag, so the reduced radius is never zero.
    const double reducedRadius = *radius - radiusAllowance;

    std::array<double, materialConstants.size()> curves{};
    std::ranges::transform(materialConstants, curves.begin(),
                           [&](const MaterialConstants& row) { return roundTo2(row.surfaceCurve / reducedRadius); });
    // A concave surface is read off in whole dioptres.
    const bool negative = std::ranges::any_of(curves, [](double curve) { return curve < 0; });

    SurfaceCurveResult result;
    std::ranges::transform(curves, result.curveTexts.begin(), negative ? wholeNumberText : numberText);
    const double pcConstant = materialConstants[pcRow].surfaceCurve;
    result.measuredFrontCurve = numberText(roundTo2((referenceConstant * curves[pcRow]) / pcConstant));
    return result;
}

}  // namespace lens
