// One libFuzzer program for the whole core: every input goes through every operation, each reading it its
// own way, and each checks properties that must hold for any text. A failed property aborts the run, and
// libFuzzer saves the input that led there.
#include "core/lens.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <regex>

namespace {

using namespace lens;

void require(bool holds, const char* property, std::string_view input)
{
    if (holds) return;
    std::fprintf(stderr, "property failed: %s\n  input: \"%s\"\n", property, std::string(input.substr(0, 200)).c_str());
    std::abort();
}

// The first byte chooses among an operation's options, the rest holds its texts, separated by "|".
// Missing texts are empty, so every input is a valid call.
template <std::size_t count> std::pair<std::uint8_t, std::array<std::string_view, count>> split(std::string_view input)
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
    return {choice, out};
}

bool isWholeText(std::string_view text)
{
    static const std::regex form("0|-?[1-9][0-9]*");
    return std::regex_match(text.begin(), text.end(), form);
}

// An optional "-", digits without a leading zero, an optional "." and digits not ending in "0", or one digit
// so written and "E", a sign and two or three digits; never "-0". With `hundredths`, at most two decimals.
bool isDisplayText(std::string_view text, bool hundredths = false)
{
    static const std::regex form(R"(-?(?:0|[1-9]\d*)(\.\d*[1-9])?|-?[1-9](\.\d*[1-9])?E([+-]\d{2,3}))");
    std::match_results<std::string_view::const_iterator> parts;
    if (text == "-0" || !std::regex_match(text.begin(), text.end(), parts, form)) return false;
    const long decimals = std::max(parts[1].length(), parts[2].length()) - 1;
    return !hundredths || decimals - (parts[3].matched ? std::stol(parts[3]) : 0) <= 2;
}

// Against the C library's reader, which is independent of the core's and runs in the C locale here.
void checkReading(std::string_view text)
{
    const auto first = std::min(text.find_first_not_of(" \t\n"), text.size());
    const std::string body(text.substr(first, text.find_last_not_of(" \t\n") + 1 - first));
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(body.c_str(), &end);
    const bool readWhole = !body.empty() && end == body.c_str() + body.size();
    const bool numeric = isNumericText(text);
    // Over this alphabet the C reader's grammar is the decimal form: no hexadecimal, "inf" or "nan".
    if (body.find_first_not_of("0123456789+-.eE") == std::string::npos)
        require(numeric == readWhole, "numeric exactly when the C reader reads it whole", text);
    const bool inRange = numeric && readWhole && !(errno == ERANGE && std::isinf(value));
    const auto strict = strictNumber(text);
    require(strict ? inRange && *strict == value
                   : !inRange && strict.error() == (numeric ? CalcError::Overflow : CalcError::NotANumber),
            "strictNumber gives the nearest double of a numeric text in range, or why not", text);
    if (strict) require(leadingNumber(text) == *strict, "leadingNumber agrees with strictNumber", text);
}

void checkDisplay(std::string_view input)
{
    const double x = leadingNumber(input);
    if (!std::isfinite(x)) return;  // callers pass finite values only
    const std::string text = numberText(x), whole = wholeNumberText(x);
    require(isDisplayText(text) && isWholeText(whole), "the display grammar and whole numbers", text);
    std::array<char, 32> digits{};
    double fifteen = 0;
    const auto* end = std::to_chars(digits.begin(), digits.end(), x, std::chars_format::scientific, 14).ptr;
    const bool inRange = std::from_chars(digits.begin(), end, fifteen).ec == std::errc{};
    require(strictNumber(text)
                == (inRange ? std::expected<double, CalcError>(fifteen) : std::unexpected(CalcError::Overflow)),
            "numberText reads back at 15 significant digits", text);
    // std::round takes halves away from zero, and a 15-digit half is exact in a double.
    require(inRange ? strictNumber(whole) == std::round(fifteen) : !strictNumber(whole),
            "wholeNumberText rounds the 15 digits", text);
}

void checkSurfaceCurve(std::string_view text)
{
    const auto result = computeSurfaceCurve(text);
    const auto sag = strictNumber(text);
    if (!result) {
        const auto failure = !isNumericText(text) ? CalcError::NotANumber
            : sag == 0.0                          ? CalcError::DivisionByZero
                                                  : CalcError::Overflow;
        // Only a square beyond the range, or a quotient by a sag next to zero, leaves the range.
        require(
            result.error() == failure
                && (failure != CalcError::Overflow || !sag || std::fabs(*sag) >= 1e150 || std::fabs(*sag) <= 1e-300),
            "the failure the sag calls for, Overflow only far out", text);
        return;
    }
    require(sag && *sag != 0, "a result only for a numeric sag other than 0", text);
    for (const auto& curve : result->curveTexts) require(isDisplayText(curve, true), "curves to two decimals", text);
    require(isDisplayText(result->measuredFrontCurve, true), "the front curve to two decimals", text);
}

void checkMouldCurves(std::string_view input)
{
    // Choice byte: bit 0 "Systom", the next three bits the material, where 7 is none.
    const auto [choice, texts] = split<3>(input);
    const auto [sphere, cylinder, frontCurve] = texts;
    const int index = (choice >> 1) & 7;
    const auto material = index < 7 ? std::optional(static_cast<LensMaterial>(index)) : std::nullopt;
    const auto result = computeMouldCurves((choice & 1) != 0, material, sphere, cylinder, frontCurve);
    // Not numeric, or numeric and far from the edges of the double range.
    const auto mild = [](auto t) { return !isNumericText(t) || std::fabs(strictNumber(t).value_or(1e300)) < 1e300; };
    if (mild(sphere) && mild(cylinder) && mild(frontCurve)) {
        // In the order of the steps: front curve, sphere, material, cylinder.
        const auto failure = !isNumericText(frontCurve) || !isNumericText(sphere) ? std::optional(CalcError::NotANumber)
            : !material ? std::optional(strictNumber(sphere) == 0.0 ? CalcError::Overflow : CalcError::DivisionByZero)
            : !isNumericText(cylinder) ? std::optional(CalcError::NotANumber)
                                       : std::nullopt;
        require(failure ? result == std::unexpected(*failure) : result.has_value(), "the first failure met", input);
    }
    require(!result || (isDisplayText(result->gbaseText, true) && isDisplayText(result->gcrossText, true)),
            "mould curves to two decimals", input);
}

void checkGlassDiameter(std::string_view input)
{
    const auto [pd, a, dbl, ed] = split<4>(input).second;
    const auto result = computeGlassDiameter(pd, a, dbl, ed);
    // A + DBL is one sum: which box holds which cannot matter.
    require(computeGlassDiameter(pd, dbl, a, ed) == result, "A and DBL swap freely", input);
    const bool moderate =
        std::ranges::all_of(std::array{pd, a, dbl, ed}, [](auto t) { return std::fabs(leadingNumber(t)) < 1e300; });
    require(result || (!moderate && result.error() == CalcError::Overflow), "Overflow only far out", input);
    require(!result || (isWholeText(*result) && (leadingNumber(ed) < 0 || strictNumber(*result).value_or(3) >= 3)),
            "a whole number, 3 at least for a plus ED", input);
}

void checkEntries(std::string_view input)
{
    const auto [choice, texts] = split<2>(input);
    const auto field = static_cast<EntryField>(choice % 7);
    const auto messages = checkEntry(field, texts[0], texts[1]);
    // A field's own message is the one it gives for a text that is no number at all.
    const std::string own = checkEntry(field, "x").front();
    const std::string edBelowA = checkEntry(EntryField::Ed, "2", "3").front();
    const bool isEd = field == EntryField::Ed;
    require(messages.size() <= (isEd || field == EntryField::Cylinder ? 2U : 1U), "two messages at most", input);
    for (std::size_t i = 0; i < messages.size(); ++i) {
        const bool second = isEd && messages[i] == edBelowA;
        require(messages[i] == own || (second && i + 1 == messages.size()), "the field's own messages, in order",
                input);
    }
    require(field != EntryField::Sphere || messages.empty() == isNumericText(texts[0]),
            "sphere: a message exactly when not numeric", input);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    for (auto* check :
         {checkReading, checkDisplay, checkSurfaceCurve, checkMouldCurves, checkGlassDiameter, checkEntries})
        check(input);
    return 0;
}
