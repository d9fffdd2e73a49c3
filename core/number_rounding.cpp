// Rounding to hundredths by the exact binary value of a double.
#include "core/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace lens {
namespace {

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
    double value = 0;
    std::from_chars(buffer.data(), end, value);  // below 2^64 / 100: always in range
    return value;
}

}  // namespace

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

}  // namespace lens
