#include "core/glass_diameter.h"

#include "core/finite_step.h"

#include <cmath>

namespace lens {
namespace {

constexpr double edgingAllowance = 3;

}  // namespace

std::expected<std::string, CalcError> computeGlassDiameter(std::string_view pdText, std::string_view aText,
                                                           std::string_view dblText, std::string_view edText)
{
    const double pd = leadingNumber(pdText);
    const double a = leadingNumber(aText);
    const double dbl = leadingNumber(dblText);
    const double ed = leadingNumber(edText);

    // ED enters at its 15 displayed digits; its text may round past the largest double.
    if (!std::isfinite(ed)) return std::unexpected(CalcError::Overflow);
    const auto shownEd = strictNumber(numberText(ed));
    if (!shownEd) return std::unexpected(shownEd.error());

    // The lens is decentred by the difference whichever way it goes, so the glass needs it either way.
    // Only + - and |.| follow: a value that left the range stays infinite or NaN to the end.
    const double decentration = std::fabs((a + dbl) - pd);
    const auto diameter = finiteStep((decentration + *shownEd) + edgingAllowance);
    if (!diameter) return std::unexpected(diameter.error());
    return wholeNumberText(*diameter);
}

}  // namespace lens
