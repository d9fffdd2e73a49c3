// The mould calculation fails with the first error its steps meet, or gives display texts to two
// decimals.
#include "core/mould_curve.h"
#include "fuzz/input.h"
#include "fuzz/properties.h"

#include <cmath>
#include <optional>

using namespace lens::fuzz;
using lens::CalcError;

namespace {

// Not numeric, or numeric and far from the edges of the double range.
bool staysInRange(std::string_view text)
{
    const auto value = lens::strictNumber(text);
    return !lens::isNumericText(text) || (value && std::fabs(*value) < 1e300);
}

// In the order of the steps: front curve, sphere, material, cylinder.
std::optional<CalcError> firstFailure(bool hasMaterial, std::string_view sphere, std::string_view cylinder,
                                      std::string_view frontCurve)
{
    if (!lens::isNumericText(frontCurve) || !lens::isNumericText(sphere)) return CalcError::NotANumber;
    if (!hasMaterial) return lens::strictNumber(sphere) == 0.0 ? CalcError::Overflow : CalcError::DivisionByZero;
    if (!lens::isNumericText(cylinder)) return CalcError::NotANumber;
    return std::nullopt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Choice byte: bit 0 "Systom", the next three bits the material, where 7 is none.
    const auto [choice, rest] = choiceAndRest(textOf(data, size));
    const int index = (choice >> 1) & 7;
    const auto material = index < 7 ? std::optional(static_cast<lens::LensMaterial>(index)) : std::nullopt;
    const auto [sphere, cylinder, frontCurve] = texts<3>(rest);

    const auto result = lens::computeMouldCurves((choice & 1) != 0, material, sphere, cylinder, frontCurve);
    if (staysInRange(sphere) && staysInRange(cylinder) && staysInRange(frontCurve)) {
        const auto failure = firstFailure(material.has_value(), sphere, cylinder, frontCurve);
        require(failure ? result == std::unexpected(*failure) : result.has_value(), "the first failure met", rest);
    }
    if (!result) return 0;
    for (const auto& curve : {result->gbaseText, result->gcrossText})
        require(isDisplayNumberText(curve) && decimalsOf(curve) <= 2, "a mould curve has two decimals at most", rest);
    return 0;
}
