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

// |x| at 15 significant digits: the digits up to the last non-zero one, and the decimal
// exponent of the first.
struct SignificantDigits {
    std::array<char, 17> storage;
    std::size_t count;
    int exponent;

    std::string_view digits() const { return {storage.data(), count}; }
};

// Reads to_chars' scientific form "d[.ddd]e[+-]XX".
SignificantDigits fromScientific(std::string_view text)
{
    SignificantDigits out{{}, 0, 0};
    const auto exponentMark = text.find('e');
    for (const char c : text.substr(0, exponentMark)) {
        if (c != '.') out.storage[out.count++] = c;
    }
    while (out.count > 1 && out.storage[out.count - 1] == '0') --out.count;
    const auto exponentText = text.substr(exponentMark + 2);
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), out.exponent);
    if (text[exponentMark + 1] == '-') out.exponent = -out.exponent;
    return out;
}

SignificantDigits significantDigits(double x)
{
    constexpr int maxDigits = 15;
    const double size = std::fabs(x);
    std::array<char, 32> buffer{};
    auto* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), size, std::chars_format::scientific).ptr;
    // For a normal double, the shortest text that reads back as it is, when it has at most 15
    // digits, also the double rounded to 15 digits: two 15-digit decimals lie too far apart to
    // read back as one double. Subnormals are too coarse for that.
    const auto shortest = fromScientific(std::string_view(buffer.data(), end));
    if (shortest.count <= maxDigits && size >= std::numeric_limits<double>::min()) return shortest;
    end =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), size, std::chars_format::scientific, maxDigits - 1)
            .ptr;
    return fromScientific(std::string_view(buffer.data(), end));
}

std::string nonFiniteText(double x)
{
    if (std::isnan(x)) return "nan";
    return x < 0 ? "-inf" : "inf";
}

// Adds one to a string of decimal digits; the empty string counts as 0.
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
    if (!std::isfinite(x)) return nonFiniteText(x);
    if (x == 0) return "0";
    const auto significant = significantDigits(x);
    const std::string_view digits = significant.digits();
    const int exponent = significant.exponent;
    std::array<char, 32> text{};  // the longest is "-d.ddddddddddddddE+308"
    char* out = text.data();
    if (x < 0) *out++ = '-';
    if (exponent < -4 || exponent > 14) {
        *out++ = digits.front();
        if (digits.size() > 1) {
            *out++ = '.';
            out = std::ranges::copy(digits.substr(1), out).out;
        }
        *out++ = 'E';
        *out++ = exponent < 0 ? '-' : '+';
        if (std::abs(exponent) < 10) *out++ = '0';
        out = std::to_chars(out, text.data() + text.size(), std::abs(exponent)).ptr;
    } else if (exponent < 0) {
        *out++ = '0';
        *out++ = '.';
        out = std::fill_n(out, -exponent - 1, '0');
        out = std::ranges::copy(digits, out).out;
    } else {
        const auto wholeCount = static_cast<std::size_t>(exponent) + 1;
        const auto shown = std::min(wholeCount, digits.size());
        out = std::ranges::copy(digits.substr(0, shown), out).out;
        out = std::fill_n(out, wholeCount - shown, '0');
        if (digits.size() > wholeCount) {
            *out++ = '.';
            out = std::ranges::copy(digits.substr(wholeCount), out).out;
        }
    }
    return {text.data(), out};
}

std::string wholeNumberText(double x)
{
    if (!std::isfinite(x)) return nonFiniteText(x);
    if (x == 0) return "0";
    const auto significant = significantDigits(x);
    const std::string_view digits = significant.digits();
    const int exponent = significant.exponent;
    // The value has no digits beyond these, so the first one after the point decides the rounding.
    std::string whole;
    char firstDropped = '0';
    if (exponent >= 0) {
        const auto wholeCount = static_cast<std::size_t>(exponent) + 1;
        const auto shown = std::min(wholeCount, digits.size());
        whole.assign(digits.substr(0, shown));
        whole.append(wholeCount - shown, '0');
        if (digits.size() > wholeCount) firstDropped = digits[wholeCount];
    } else if (exponent == -1) {
        firstDropped = digits.front();
    }
    if (firstDropped >= '5') incrementDigits(whole);
    if (whole.empty()) return "0";
    if (x < 0) whole.insert(whole.begin(), '-');
    return whole;
}

}  // namespace lens
