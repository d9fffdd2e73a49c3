#include "core/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

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

// Digits of `x` at 15 significant digits and the decimal exponent of the first one.
struct SignificantDigits {
    bool negative;
    std::string digits;  // exactly 15 digits, the first non-zero unless x is 0
    int exponent;
};

SignificantDigits significantDigits(double x)
{
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(x),
                                      std::chars_format::scientific, 14);
    const std::string_view text(buffer.data(), result.ptr);  // d.ddddddddddddddde[+-]XX
    SignificantDigits out{std::signbit(x) && x != 0, {}, 0};
    out.digits.reserve(15);
    out.digits += text[0];
    out.digits += text.substr(2, 14);
    const auto exponentText = text.substr(text.find('e') + 1);
    const bool negativeExponent = exponentText.front() == '-';
    std::from_chars(exponentText.data() + 1, exponentText.data() + exponentText.size(), out.exponent);
    if (negativeExponent) out.exponent = -out.exponent;
    return out;
}

std::string withoutTrailingZeros(std::string digits)
{
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    return digits;
}

// Adds one to a string of decimal digits.
void incrementDigits(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// The double nearest to the decimal `hundredths` / 100.
double hundredthsToDouble(std::uint64_t hundredths)
{
    constexpr std::uint64_t exactLimit = std::uint64_t{1} << 53;
    if (hundredths <= exactLimit) return static_cast<double>(hundredths) / 100.0;
    // Past 2^53 the integer itself may not be a double: let the decimal reader round once.
    std::array<char, 32> buffer{};
    auto* end = std::to_chars(buffer.data(), buffer.data() + buffer.size() - 1, hundredths / 100).ptr;
    *end++ = '.';
    const auto cents = hundredths % 100;
    *end++ = static_cast<char>('0' + cents / 10);
    *end++ = static_cast<char>('0' + cents % 10);
    return readUnsignedDecimal(std::string_view(buffer.data(), end));
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

double roundTo2(double x)
{
    if (!std::isfinite(x) || x == 0) return x;
    // x = mantissa * 2^-shift exactly; 100 * mantissa fits 64 bits, so the rounding is exact.
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(x), &exponent);
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    const int shift = 53 - exponent;
    if (shift <= 0) return x;  // already a whole number
    if (shift >= 64) return std::copysign(0.0, x);  // below 0.005 in size
    const std::uint64_t scaled = mantissa * 100;
    std::uint64_t hundredths = scaled >> shift;
    const std::uint64_t remainder = scaled & ((std::uint64_t{1} << shift) - 1);
    const std::uint64_t half = std::uint64_t{1} << (shift - 1);
    if (remainder > half || (remainder == half && (hundredths & 1) != 0)) ++hundredths;
    return std::copysign(hundredthsToDouble(hundredths), x);
}

std::string numberText(double x)
{
    if (std::isnan(x)) return "nan";
    if (std::isinf(x)) return x < 0 ? "-inf" : "inf";
    if (x == 0) return "0";
    const auto [negative, allDigits, exponent] = significantDigits(x);
    const std::string digits = withoutTrailingZeros(allDigits);
    std::string text = negative ? "-" : "";
    if (exponent < -4 || exponent > 14) {
        text += digits.front();
        if (digits.size() > 1) text += '.' + digits.substr(1);
        text += exponent < 0 ? "E-" : "E+";
        const int size = std::abs(exponent);
        if (size < 10) text += '0';
        text += std::to_string(size);
    } else if (exponent < 0) {
        text += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else {
        const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= wholeDigits) {
            text += digits + std::string(wholeDigits - digits.size(), '0');
        } else {
            text += digits.substr(0, wholeDigits) + '.' + digits.substr(wholeDigits);
        }
    }
    return text;
}

std::string wholeNumberText(double x)
{
    if (!std::isfinite(x)) return numberText(x);
    if (x == 0) return "0";
    const auto [negative, digits, exponent] = significantDigits(x);
    // The first digit after the point decides; the value has no more digits than these 15.
    std::string whole;
    char firstDropped = '0';
    if (exponent >= 0) {
        const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
        whole = digits.substr(0, wholeDigits) + std::string(wholeDigits - std::min(wholeDigits, digits.size()), '0');
        if (wholeDigits < digits.size()) firstDropped = digits[wholeDigits];
    } else if (exponent == -1) {
        firstDropped = digits.front();
    }
    if (whole.empty()) whole = "0";
    if (firstDropped >= '5') incrementDigits(whole);
    if (whole == "0") return whole;
    return negative ? '-' + whole : whole;
}

}  // namespace lens
