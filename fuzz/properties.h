// Properties every display text of the core must have, shared by the fuzz targets, and the check
// that stops a run when one fails (libFuzzer then saves the input that led there).
#pragma once

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <regex>
#include <string>
#include <string_view>

namespace lens::fuzz {

inline void require(bool holds, std::string_view property, std::string_view text = {})
{
    if (holds) return;
    const std::string report =
        "property failed: " + std::string(property) + "\n  text: \"" + std::string(text.substr(0, 200)) + "\"\n";
    std::fputs(report.c_str(), stderr);
    std::abort();
}

using Parts = std::match_results<std::string_view::const_iterator>;

// Optional "-" and digits without a leading zero, or "0"; never "-0".
inline bool isWholeNumberText(std::string_view text)
{
    static const std::regex form("0|-?[1-9][0-9]*");
    return std::regex_match(text.begin(), text.end(), form);
}

// The display form: "0", or an optional "-", a whole part, "." and digits not ending in "0", then
// "E", a sign and two or three digits exactly when the decimal exponent is below -4 or above 14;
// at most 15 significant digits.
inline bool isDisplayNumberText(std::string_view text)
{
    static const std::regex form(R"(-?(0|[1-9][0-9]*)(?:\.([0-9]*[1-9]))?(?:E([+-][0-9]{2,3}))?)");
    Parts parts;
    if (text == "0") return true;
    if (!std::regex_match(text.begin(), text.end(), parts, form)) return false;
    const std::string whole = parts[1];
    const std::string fraction = parts[2];
    const auto zeros = whole == "0" ? fraction.find_first_not_of('0') : 0;
    if (zeros == std::string::npos) return false;  // "-0"
    const auto significant = whole == "0" ? fraction.size() - zeros : whole.size() + fraction.size();
    const long leadingExponent = whole == "0" ? -static_cast<long>(zeros) - 1 : static_cast<long>(whole.size()) - 1;
    if (significant > 15) return false;
    if (!parts[3].matched) return leadingExponent >= -4 && leadingExponent <= 14;
    const long exponent = std::stol(parts[3]);
    return leadingExponent == 0 && (exponent < -4 || exponent > 14);
}

// Digits after the decimal point of the value a display text shows; 0 for a whole value.
inline long decimalsOf(std::string_view text)
{
    static const std::regex form(R"([^.]*(?:\.([0-9]*))?(?:E([+-][0-9]+))?)");
    Parts parts;
    std::regex_match(text.begin(), text.end(), parts, form);
    const long exponent = parts[2].matched ? std::stol(parts[2]) : 0;
    return std::max(0L, parts[1].length() - exponent);
}

// The double nearest to `text`; nothing when it lies beyond the double range.
inline std::optional<double> readBack(std::string_view text)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) return std::nullopt;
    require(error == std::errc{} && end == text.data() + text.size(), "a display text reads back", text);
    return value;
}

// `x` rounded to 15 significant digits, as the double nearest to that decimal.
inline std::optional<double> atFifteenDigits(double x)
{
    char buffer[32];
    auto* const end = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 14).ptr;
    return readBack({buffer, end});
}

}  // namespace lens::fuzz
