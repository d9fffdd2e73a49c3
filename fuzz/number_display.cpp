// Showing numbers: numberText, wholeNumberText and roundTo2 for every finite double a text leads with.
#include "core/number_text.h"
#include "fuzz/input.h"
#include "fuzz/properties.h"

#include <cmath>

using namespace lens::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const double x = lens::leadingNumber(textOf(data, size));
    if (!std::isfinite(x)) return 0;  // callers pass finite values only
    const std::string text = lens::numberText(x);
    require(isDisplayNumberText(text), "numberText gives the display form", text);
    require(text.starts_with('-') == (x < 0), "numberText shows the sign of a non-zero value", text);
    const auto fifteen = atFifteenDigits(x);
    const auto strict = lens::strictNumber(text);
    require(strict ? *strict == fifteen : !fifteen, "numberText reads back at 15 significant digits", text);

    const std::string whole = lens::wholeNumberText(x);
    require(isWholeNumberText(whole), "wholeNumberText gives a whole number", whole);
    // std::round takes halves away from zero, and a 15-digit half is exact in a double.
    const auto rounded = fifteen ? std::optional(std::round(*fifteen)) : std::nullopt;
    require(readBack(whole) == rounded, "wholeNumberText rounds the 15 digits, halves away from 0", text);

    if (std::fabs(x) >= 1e13) return 0;  // hundredths are finer than the doubles up there
    const double hundredths = lens::roundTo2(x);
    const std::string shown = lens::numberText(hundredths);
    require(std::fabs(hundredths - x) <= 0.005 + std::fabs(x) * 1e-15, "roundTo2 moves by half a hundredth at most",
            text);
    require(lens::roundTo2(hundredths) == hundredths, "roundTo2 keeps a rounded value", text);
    require(decimalsOf(shown) <= 2, "roundTo2 shows at most two decimals", text);
    // The doubles exactly halfway between hundredths are the odd multiples of 1/8.
    if (std::fabs(std::fmod(x * 8, 2)) == 1) require((shown.back() - '0') % 2 == 0, "an exact half goes to even", text);
    return 0;
}
