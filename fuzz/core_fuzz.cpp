// One libFuzzer program for the whole core. The number rules are checked against independent readers:
// the C library's for reading, read-back at 15 digits for display. The calculations and entry checks get
// every input too, so that the sanitizers see them take any text; their results are the table tests' job.
// A failed property aborts the run, and libFuzzer saves the input that led there.
#include "core/lens.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace lens;

void require(bool holds, const char* property, std::string_view input)
{
    if (holds) return;
    std::fprintf(stderr, "property failed: %s\n  input: \"%s\"\n", property, std::string(input.substr(0, 200)).c_str());
    std::abort();
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    checkReading(input);
    checkDisplay(input);
    const auto half = input.substr(input.size() / 2);
    (void)computeSurfaceCurve(input);
    (void)computeMouldCurves(size % 2, LensMaterial(size % 7), input, half, half);
    (void)computeGlassDiameter(input, half, half, input);
    for (int field = 0; field < 7; ++field) (void)checkEntry(EntryField(field), input, half);
    return 0;
}
