// Base and cross curves of a mould at the reference constant 498, from a prescription.
#pragma once

#include "core/lens_material.h"
#include "core/number_text.h"

#include <expected>
#include <optional>
#include <string>
#include <string_view>

namespace lens {

struct MouldCurveResult {
    std::string gbaseText;
    std::string gcrossText;

    bool operator==(const MouldCurveResult&) const = default;
};

// `systomSelected`: the front curve is stated at the tool constant 530 rather than at 498.
// Failures in the order met: a non-numeric front curve, then sphere (NotANumber); no material
// (DivisionByZero, or Overflow for a sphere of 0); a non-numeric cylinder (NotANumber).
// Any step that leaves the double range gives Overflow.
std::expected<MouldCurveResult, CalcError> computeMouldCurves(bool systomSelected, std::optional<LensMaterial> material,
                                                              std::string_view sphereText,
                                                              std::string_view cylinderText,
                                                              std::string_view frontCurveText);

}  // namespace lens
