// What the fuzz targets share: how an input becomes a choice and texts, the display grammar, and the
// check that stops a run when a property fails (libFuzzer then saves the input that led there).
#pragma once

#include "core/lens.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <regex>

namespace lens::fuzz {

inline void require(bool holds, const char* property, std::string_view input)
{
    if (holds) return;
    std::fprintf(stderr, "property failed: %s\n  input: \"%s\"\n", property, std::string(input.substr(0, 200)).c_str());
    std::abort();
}

// The first byte chooses among an operation's options, the rest holds its texts, separated by "|".
// Missing texts are empty, so every input is a valid call.
template <std::size_t count> auto split(std::string_view input)
{
    const auto choice = static_cast<std::uint8_t>(input.empty() ? 0 : input.front());
    input.remove_prefix(input.empty() ? 0 : 1);
    std::array<std::string_view, count> out{};
    std::size_t i = 0;
    for (; i + 1 < count && input.contains('|'); ++i) {
        out[i] = input.substr(0, input.find('|'));
        input.remove_prefix(out[i].size() + 1);
    }
    out[i] = input;
    return std::pair(choice, out);
}

// "0", or an optional "-" and digits without a leading zero.
inline bool isWholeText(std::string_view text)
{
    static const std::regex form("0|-?[1-9][0-9]*");
    return std::regex_match(text.begin(), text.end(), form);
}

// The display grammar: an optional "-", digits without a leading zero, an optional "." and digits not
// ending in "0", or one digit so written and "E", a sign and two or three digits; never "-0". With
// `hundredths`, the value it shows has at most two decimals.
inline bool isDisplayText(std::string_view text, bool hundredths = false)
{
    static const std::regex form(R"(-?(?:0|[1-9]\d*)(\.\d*[1-9])?|-?[1-9](\.\d*[1-9])?E([+-]\d{2,3}))");
    std::match_results<std::string_view::const_iterator> parts;
    if (text == "-0" || !std::regex_match(text.begin(), text.end(), parts, form)) return false;
    const long decimals = std::max(parts[1].length(), parts[2].length()) - 1;
    return !hundredths || decimals - (parts[3].matched ? std::stol(parts[3]) : 0) <= 2;
}

// The double nearest to `x` at 15 significant digits; nothing where that lies beyond the double range.
inline std::optional<double> atFifteenDigits(double x)
{
    char text[32];
    double value = 0;
    const auto* end = std::to_chars(text, text + sizeof text, x, std::chars_format::scientific, 14).ptr;
    return std::from_chars(text, end, value).ec == std::errc{} ? std::optional(value) : std::nullopt;
}

// Each target's properties, checked for one input.
void check(std::string_view /*input*/);

}  // namespace lens::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    lens::fuzz::check({reinterpret_cast<const char*>(data), size});
    return 0;
}
