// Showing numbers: numberText, wholeNumberText and roundTo2 for every finite double a text leads with.
#include "core/number_text.h"
#include "fuzz/input.h"
#include "fuzz/properties.h"

#include <cmath>

namespace {

using namespace lens::fuzz;

void checkNumberText(double x)
{
    const std::string text = lens::numberText(x);
    require(isDisplayNumberText(text), "numberText gives the display form", text);
    require(text.starts_with('-') == (x < 0), "numberText shows the sign of a non-zero value", text);
    const auto expected = atFifteenDigits(x);
    const auto strict = lens::strictNumber(text);
    require(strict.has_value() == expected.has_value(), "numberText reads back iff 15 digits are in range", text);
    if (strict && expected) require(*strict == *expected, "numberText reads back at 15 significant digits", text);
}

void checkWholeNumberText(double x)
{
    const std::string text = lens::wholeNumberText(x);
    require(isWholeNumberText(text), "wholeNumberText gives a whole number", text);
    const auto fifteen = atFifteenDigits(x);
    const auto value = readBack(text);
    require(value.has_value() == fifteen.has_value(), "wholeNumberText stays in range iff 15 digits do", text);
    // std::round takes halves away from zero, and a 15-digit half is exact in a double.
    if (value && fifteen) require(*value == std::round(*fifteen), "wholeNumberText rounds 15 digits, halves away from 0", text);
}

void checkRoundTo2(double x)
{
    const double rounded = lens::roundTo2(x);
    if (std::fabs(x) >= 1e13) return;  // hundredths are finer than the doubles up there
    require(std::fabs(rounded - x) <= 0.005 + std::fabs(x) * 1e-15, "roundTo2 moves by at most half a hundredth",
            lens::numberText(x));
    require(lens::roundTo2(rounded) == rounded, "roundTo2 of a rounded value keeps it", lens::numberText(x));
    const std::string shown = lens::numberText(rounded);
    require(decimalsOf(shown) <= 2, "roundTo2 shows at most two decimals", lens::numberText(x));
    // The doubles that lie exactly halfway between hundredths are the odd multiples of 1/8.
    if (std::fmod(x * 8, 2) == 1 || std::fmod(x * 8, 2) == -1) {
        require((shown.back() - '0') % 2 == 0, "roundTo2 takes an exact half to the even neighbour", lens::numberText(x));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const double x = lens::leadingNumber(textOf(data, size));
    if (!std::isfinite(x)) return 0;  // callers pass finite values only
    checkNumberText(x);
    checkWholeNumberText(x);
    checkRoundTo2(x);
    return 0;
}
