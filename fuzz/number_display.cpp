// Showing numbers: numberText and wholeNumberText for every finite double a text leads with.
#include "fuzz/properties.h"

void lens::fuzz::check(std::string_view input)
{
    const double x = leadingNumber(input);
    if (!std::isfinite(x)) return;  // callers pass finite values only
    const std::string text = numberText(x), whole = wholeNumberText(x);
    require(isDisplayText(text), "numberText gives the display grammar", text);
    require(isWholeText(whole), "wholeNumberText gives a whole number", whole);
    const auto fifteen = atFifteenDigits(x);
    const auto strict = strictNumber(text);
    require(strict ? *strict == fifteen : !fifteen, "numberText reads back at 15 significant digits", text);
    // std::round takes halves away from zero, and a 15-digit half is exact in a double.
    require(fifteen ? strictNumber(whole) == std::round(*fifteen) : !strictNumber(whole),
            "wholeNumberText rounds the 15 digits, halves away from 0", text);
}
