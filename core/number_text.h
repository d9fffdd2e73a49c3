// Rules by which entry texts become numbers and numbers become display texts.
// Texts are UTF-8. Every rule is locale-independent: "." is the only decimal separator.
#pragma once

#include <expected>
#include <string>
#include <string_view>

namespace lens {

// Why a calculation stopped without a result.
enum class CalcError {
    NotANumber,      // a text read strictly is not numeric
    DivisionByZero,  // a non-zero value divided by zero
    Overflow,        // a value left the double range, or zero was divided by zero
};

// True when `text`, less leading and trailing blanks (space, tab, line feed), has the form
// [+|-] digits-with-at-most-one-point [(E|e) [+|-] digits], with at least one mantissa digit.
bool isNumericText(std::string_view text);

// The double nearest to a numeric text; NotANumber when isNumericText fails (empty text too),
// Overflow when the value lies beyond the double range. Values below the smallest subnormal read as 0.
std::expected<double, CalcError> strictNumber(std::string_view text);

// The number that leads `text`, skipping blanks wherever they stand ("1 2" reads 12). Reading stops
// at the first character that cannot continue the number; 0 when nothing numeric leads. Never
// refuses: a value beyond the double range reads as plus or minus infinity.
double leadingNumber(std::string_view text);

// `x` rounded to the nearest hundredth by its exact binary value; only an exact half goes to the
// even neighbour (0.125 -> 0.12, the double nearest 2.675 -> 2.67). Non-finite values pass through.
double roundTo2(double x);

// General display form at 15 significant digits: "16.1", "40", "-11.32", "0.5", and "1E+15" or
// "1E-05" when the decimal exponent is above 14 or below -4. Zero is always "0", never "-0".
// Callers pass finite values only.
std::string numberText(double x);

// `x` at 15 significant digits, rounded to a whole number with halves away from zero, written out
// in plain digits ("67", "-14", never an exponent, never "-0"). Callers pass finite values only.
std::string wholeNumberText(double x);

}  // namespace lens
