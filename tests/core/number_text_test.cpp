#include "core/lens.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>

using namespace std::string_literals;

namespace lens {
namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

TEST(IsNumericText, AcceptsOnlyTheDecimalForm)
{
    // clang-format off
    const std::pair<std::string, bool> rows[] = {
        {"12", true}, {"-1.25", true}, {".5", true}, {"5.", true}, {"1e3", true}, {"+.5E-3", true},
        {"5.e3", true}, {" \t7\n ", true}, {"1e400", true},
        {"", false}, {" \t\n", false}, {"abc", false}, {"5abc", false}, {"1.2.3", false}, {"-", false},
        {".", false}, {"Vector Hight", false}, {"1e", false}, {"1e+", false}, {"e5", false},
        {"1 2", false}, {"- 5", false}, {"--5", false},
        // Forms other readers accept that a lens figure never takes.
        {"&H10", false}, {"1d3", false}, {"1,000", false}, {"$5", false}, {"(5)", false}, {"5-", false},
        // Only space, tab and line feed are blanks; other characters end the number.
        {"\r5", false}, {"5\r", false}, {"\u00A05", false}, {"\uFF15", false}, {"5\0"s, false},
    };
    // clang-format on
    for (const auto& [text, numeric] : rows) EXPECT_EQ(isNumericText(text), numeric) << '"' << text << '"';
}

TEST(StrictNumber, ReadsNumericTextsAndRefusesTheRest)
{
    // clang-format off
    const std::pair<std::string, std::expected<double, CalcError>> rows[] = {
        {" 6 ", 6}, {"+3", 3}, {"-0.1", -0.1}, {"5.", 5}, {"5.e3", 5000}, {"1e-310", 1e-310},
        {"4.9e-324", 4.9e-324}, {"1e-400", 0}, {"0e999999999999999999999", 0},
        {"", std::unexpected(CalcError::NotANumber)}, {"Vector Hight", std::unexpected(CalcError::NotANumber)},
        {"1e400", std::unexpected(CalcError::Overflow)}, {"-1e309", std::unexpected(CalcError::Overflow)},
        {"1e99999999999999999999", std::unexpected(CalcError::Overflow)},
        {"1" + std::string(1'000'000, '0'), std::unexpected(CalcError::Overflow)},
        {"0." + std::string(1'000'000, '0') + "1", 0},
        {"12345678901234567890123456789e-28", 1.2345678901234567890123456789},
    };
    // clang-format on
    for (const auto& [text, value] : rows) EXPECT_EQ(strictNumber(text), value) << text.substr(0, 40);
}

TEST(LeadingNumber, ReadsAsFarAsTheNumberGoes)
{
    // clang-format off
    const std::pair<std::string, double> rows[] = {
        {"12.5mm", 12.5}, {"5abc", 5}, {"abc", 0}, {"", 0}, {"-3", -3}, {"+3", 3}, {"1 2", 12},
        {"1.2.3", 1.2}, {"1e", 1}, {"1e+x", 1}, {".", 0}, {"-.", 0}, {" - 1 . 5 e 2 ", -150}, {"5.e3", 5000},
        {"2E-2x", 0.02}, {"&H10", 0}, {"1d3", 1}, {"\u00A05", 0}, {"1\r2", 1}, {"1\0"s "2", 1},
        {"1e400", infinity}, {"-1e309", -infinity}, {"1e-400", 0},
        {std::string(1'000'000, '7') + "x", infinity},
    };
    // clang-format on
    for (const auto& [text, value] : rows) EXPECT_EQ(leadingNumber(text), value) << text.substr(0, 40);
}

TEST(RoundTo2, RoundsTheExactBinaryValueWithExactHalvesToEven)
{
    // clang-format off
    const std::pair<double, double> rows[] = {
        {12.170731707317073, 12.17}, {16.097560975609756, 16.1}, {0.125, 0.12}, {0.375, 0.38},
        {-0.125, -0.12}, {2.125, 2.12}, {-2.4999, -2.5},
        // The doubles nearest these decimals lie below or above the half.
        {2.675, 2.67}, {1.005, 1}, {0.015, 0.01}, {0.005, 0.01},
        {1e-300, 0}, {1e20, 1e20}, {4503599627370495.5, 4503599627370495.5},
        // Past 2^53 hundredths the result must still be the double nearest the decimal.
        {123456789012345.678, 123456789012345.67}, {123456789012345.625, 123456789012345.62}, {123456789012345.6875, 123456789012345.69},
    };
    // clang-format on
    for (const auto& [x, rounded] : rows) EXPECT_EQ(roundTo2(x), rounded) << x;
    EXPECT_TRUE(std::isinf(roundTo2(infinity)));
}

TEST(NumberText, GeneralFormAtFifteenDigits)
{
    // clang-format off
    const std::pair<double, std::string> rows[] = {
        {16.1, "16.1"}, {40, "40"}, {-11.32, "-11.32"}, {0.5, "0.5"}, {1.0 / 3, "0.333333333333333"},
        {0.1 + 0.2, "0.3"}, {-0.0, "0"}, {12.14, "12.14"},
        // The exponent form starts below 1E-04 and above 14 digits, counted after the cut.
        {1e15, "1E+15"}, {1e-5, "1E-05"}, {0.0001, "0.0001"}, {123456789012345, "123456789012345"},
        {999999999999999.9, "1E+15"}, {0.000099999999999999999, "0.0001"}, {-1.5e-7, "-1.5E-07"},
        {1e100, "1E+100"}, {1.7976931348623157e308, "1.79769313486232E+308"}, {4.9e-324, "4.94065645841247E-324"},
    };
    // clang-format on
    for (const auto& [x, text] : rows) EXPECT_EQ(numberText(x), text) << x;
}

TEST(WholeNumberText, HalvesGoAwayFromZeroAfterTheFifteenDigitCut)
{
    // clang-format off
    const std::pair<double, std::string> rows[] = {
        {66.5, "67"}, {2.5, "3"}, {-11.34, "-11"}, {-13.52, "-14"}, {-12.05, "-12"}, {40, "40"},
        {-0.4, "0"}, {-0.0, "0"}, {-0.5, "-1"}, {0.06, "0"}, {9.5, "10"}, {-99.5, "-100"},
        {0.49999999999999994, "1"}, {1e20, "100000000000000000000"}, {1.5e15, "1500000000000000"},
    };
    // clang-format on
    for (const auto& [x, text] : rows) EXPECT_EQ(wholeNumberText(x), text) << x;
}

}  // namespace
}  // namespace lens
