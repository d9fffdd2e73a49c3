#include "core/mould_curve.h"

#include "core/finite_step.h"
#include "core/material_constants.h"

namespace lens {
namespace {

constexpr double referenceConstant = 498;
constexpr double systomToolConstant = 530;

// The text's value * 498 / constant, multiplying first. A missing constant is 0: dividing by it
// fails, as DivisionByZero, or as Overflow when the product is 0 too (0 / 0).
std::expected<double, CalcError> atReferenceConstant(std::string_view text, double constant)
{
    const auto value = strictNumber(text);
    if (!value) return value;
    const auto product = finiteStep(*value * referenceConstant);
    if (!product) return product;
    if (constant == 0) return std::unexpected(*product == 0 ? CalcError::Overflow : CalcError::DivisionByZero);
    return finiteStep(*product / constant);
}

}  // namespace

std::expected<MouldCurveResult, CalcError> computeMouldCurves(bool systomSelected, std::optional<LensMaterial> material,
                                                              std::string_view sphereText,
                                                              std::string_view cylinderText,
                                                              std::string_view frontCurveText)
{
    const double toolConstant = systomSelected ? systomToolConstant : referenceConstant;
    const double materialConstant = material ? constantsOf(*material).mouldCurve : 0;

    // Read in this order so that the first failure met is the one reported.
    const auto frontCurve = atReferenceConstant(frontCurveText, toolConstant);
    if (!frontCurve) return std::unexpected(frontCurve.error());
    const auto sphere = atReferenceConstant(sphereText, materialConstant);
    if (!sphere) return std::unexpected(sphere.error());
    const auto cylinder = atReferenceConstant(cylinderText, materialConstant);
    if (!cylinder) return std::unexpected(cylinder.error());

    const auto base = finiteStep(*frontCurve - *sphere);
    if (!base) return std::unexpected(base.error());
    const auto cross = finiteStep(*base - *cylinder);
    if (!cross) return std::unexpected(cross.error());
    return MouldCurveResult{numberText(roundTo2(*base)), numberText(roundTo2(*cross))};
}

}  // namespace lens
