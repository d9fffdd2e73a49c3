// Texts to numbers: the strict reading of a whole text and the reading of the number a text leads with.
#include "core/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace lens {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isSign(char c) { return c == '+' || c == '-'; }
bool isExponentLetter(char c) { return c == 'E' || c == 'e'; }

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Decimal exponent of the leading significant digit, saturated so that absurd exponents cannot
// overflow. Only used to tell an overflowing text from an underflowing one.
long long leadingDigitExponent(std::string_view number)
{
    constexpr long long limit = 1'000'000'000'000LL;
    long long position = 0;  // exponent of the first significant digit before the exponent part
    bool seenPoint = false;
    bool seenSignificant = false;
    std::size_t i = 0;
    for (; i < number.size() && !isExponentLetter(number[i]); ++i) {
        const char c = number[i];
        if (c == '.') {
            seenPoint = true;
        } else if (isDigit(c)) {
            if (!seenSignificant && c != '0') {
                seenSignificant = true;
                if (seenPoint) --position;
            } else if (seenSignificant) {
                if (!seenPoint && position < limit) ++position;
            } else if (seenPoint && position > -limit) {
                --position;
            }
        }
    }
    long long exponent = 0;
    bool negative = false;
    if (i < number.size()) {
        ++i;
        if (i < number.size() && isSign(number[i])) negative = number[i++] == '-';
        for (; i < number.size(); ++i) {
            if (exponent < limit) exponent = exponent * 10 + (number[i] - '0');
        }
    }
    return position + (negative ? -exponent : exponent);
}

// Reads a text that is already known to be an unsigned decimal number of rule form; a value
// beyond the double range becomes infinity, one below the smallest subnormal becomes 0.
double readUnsignedDecimal(std::string_view number)
{
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        return leadingDigitExponent(number) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return value;
}

double readSignedDecimal(std::string_view number)
{
    bool negative = false;
    if (!number.empty() && isSign(number.front())) {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    const double magnitude = readUnsignedDecimal(number);
    return negative ? -magnitude : magnitude;
}

}  // namespace

bool isNumericText(std::string_view text)
{
    text = trimBlanks(text);
    std::size_t i = 0;
    if (i < text.size() && isSign(text[i])) ++i;
    std::size_t mantissaDigits = 0;
    bool seenPoint = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i])) {
            ++mantissaDigits;
        } else if (text[i] == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0) return false;
    if (i == text.size()) return true;
    if (!isExponentLetter(text[i++])) return false;
    if (i < text.size() && isSign(text[i])) ++i;
    if (i == text.size()) return false;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i])) return false;
    }
    return true;
}

std::expected<double, CalcError> strictNumber(std::string_view text)
{
    if (!isNumericText(text)) return std::unexpected(CalcError::NotANumber);
    const double value = readSignedDecimal(trimBlanks(text));
    if (std::isinf(value)) return std::unexpected(CalcError::Overflow);
    return value;
}

double leadingNumber(std::string_view text)
{
    // Collect the characters that continue the number, leaving out blanks, then read them at once.
    std::string number;
    std::size_t mantissaDigits = 0;
    bool seenPoint = false;
    enum class Stage { Sign, Mantissa, ExponentSign, ExponentDigits } stage = Stage::Sign;
    std::size_t exponentStart = 0;
    for (const char c : text) {
        if (isBlank(c)) continue;
        if (stage == Stage::Sign) {
            stage = Stage::Mantissa;
            if (isSign(c)) {
                number += c;
                continue;
            }
        }
        if (stage == Stage::Mantissa) {
            if (isDigit(c)) {
                ++mantissaDigits;
            } else if (c == '.' && !seenPoint) {
                seenPoint = true;
            } else if (isExponentLetter(c) && mantissaDigits > 0) {
                exponentStart = number.size();
                stage = Stage::ExponentSign;
            } else {
                break;
            }
            number += c;
            continue;
        }
        if (stage == Stage::ExponentSign) {
            stage = Stage::ExponentDigits;
            if (isSign(c)) {
                number += c;
                continue;
            }
        }
        if (!isDigit(c)) break;
        number += c;
    }
    if (mantissaDigits == 0) return 0.0;
    // An exponent letter (and sign) without digits is not part of the number.
    if (stage >= Stage::ExponentSign && !isDigit(number.back())) number.resize(exponentStart);
    return readSignedDecimal(number);
}

}  // namespace lens
