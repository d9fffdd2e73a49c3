// Properties every display text of the core must have, shared by the fuzz targets, and the check
// that stops a run when one fails (libFuzzer then saves the input that led there).
#pragma once

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace lens::fuzz {

inline void require(bool holds, std::string_view property, std::string_view text = {})
{
    if (holds) return;
    const std::string report = "property failed: " + std::string(property) + "\n  text: \""
                               + std::string(text.substr(0, 200)) + "\"\n";
    std::fputs(report.c_str(), stderr);
    std::abort();
}

inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

inline std::size_t countDigits(std::string_view text)
{
    std::size_t n = 0;
    while (n < text.size() && isDigit(text[n])) ++n;
    return n;
}

// Optional "-", then "0" or digits without a leading zero, nothing else; never "-0".
inline bool isWholeNumberText(std::string_view text)
{
    const bool negative = text.starts_with('-');
    if (negative) text.remove_prefix(1);
    if (text.empty() || countDigits(text) != text.size()) return false;
    if (text == "0") return !negative;
    return text.front() != '0';
}

inline int exponentOf(std::string_view text)
{
    const auto e = text.find('E');
    if (e == std::string_view::npos || e + 2 > text.size()) return 0;
    int exponent = 0;
    std::from_chars(text.data() + e + 2, text.data() + text.size(), exponent);
    return text[e + 1] == '-' ? -exponent : exponent;
}

// Digits after the decimal point of the value a display text shows; 0 for a whole value.
inline std::size_t decimalsOf(std::string_view text)
{
    const auto point = text.find('.');
    const auto mantissa = point == std::string_view::npos ? 0 : countDigits(text.substr(point + 1));
    const int exponent = exponentOf(text);
    if (exponent < 0) return mantissa + static_cast<std::size_t>(-exponent);
    // The mantissa has at most 14 decimals, so a value with an exponent above 14 is whole.
    return exponent > 0 ? 0 : mantissa;
}

// The display form: optional "-", a whole part, an optional "." with digits not ending in "0",
// and "E", a sign and two or three digits when the decimal exponent is below -4 or above 14; at
// most 15 significant digits; never "-0".
inline bool isDisplayNumberText(std::string_view text)
{
    const bool negative = text.starts_with('-');
    if (negative) text.remove_prefix(1);
    const std::string_view whole = text.substr(0, countDigits(text));
    if (whole.empty() || (whole.size() > 1 && whole.front() == '0')) return false;
    text.remove_prefix(whole.size());
    std::string_view fraction;
    if (text.starts_with('.')) {
        text.remove_prefix(1);
        fraction = text.substr(0, countDigits(text));
        if (fraction.empty() || fraction.back() == '0') return false;
        text.remove_prefix(fraction.size());
    }
    const bool zeroWhole = whole == "0";
    if (zeroWhole && fraction.empty()) return text.empty() && !negative;
    const std::size_t leadingZeros = zeroWhole ? fraction.find_first_not_of('0') : 0;
    const std::size_t significant = zeroWhole ? fraction.size() - leadingZeros : whole.size() + fraction.size();
    if (significant > 15) return false;
    if (text.empty()) return whole.size() <= 15 && leadingZeros <= 3;  // exponent -4 to 14 inclusive
    if (zeroWhole || whole.size() != 1 || !text.starts_with('E') || text.size() < 4) return false;
    const std::string_view exponentDigits = text.substr(2);
    if ((text[1] != '+' && text[1] != '-') || exponentDigits.size() > 3) return false;
    if (countDigits(exponentDigits) != exponentDigits.size()) return false;
    const int exponent = exponentOf(text);
    return exponent < -4 || exponent > 14;
}

// `x` rounded to 15 significant digits, read back to the nearest double; nothing when that
// rounding lies beyond the double range.
inline std::optional<double> atFifteenDigits(double x)
{
    char buffer[64];
    auto* const end = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 14).ptr;
    double value = 0;
    const auto [ptr, error] = std::from_chars(buffer, end, value);
    if (error == std::errc::result_out_of_range) return std::nullopt;
    return value;
}

// The double nearest to a display or whole-number text; nothing when it lies beyond the range.
inline std::optional<double> readBack(std::string_view text)
{
    double value = 0;
    const auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) return std::nullopt;
    require(error == std::errc{} && ptr == text.data() + text.size(), "display text reads back", text);
    return value;
}

}  // namespace lens::fuzz
