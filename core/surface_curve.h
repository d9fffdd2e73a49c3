// Curve of a surface, for every material, from a sag measured over a chord of half-width 20.
#pragma once

#include "core/number_text.h"

#include <array>
#include <expected>
#include <string>
#include <string_view>

namespace lens {

struct SurfaceCurveResult {
    // One display text per material, in LensMaterial order. Whole numbers when any curve is negative.
    std::array<std::string, 7> curveTexts;
    // The "PC" curve re-expressed at the reference constant 498, always with its decimals.
    std::string measuredFrontCurve;

    bool operator==(const SurfaceCurveResult&) const = default;
};

// NotANumber for a non-numeric sag, DivisionByZero for a sag of 0, Overflow when a step leaves
// the double range.
std::expected<SurfaceCurveResult, CalcError> computeSurfaceCurve(std::string_view sagText);

}  // namespace lens
