// Numbers to texts: the general display form and whole numbers, both at 15 significant digits.
#include "core/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace lens {
namespace {

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

}  // namespace

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
