#include "core/lens.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <string>
#include <tuple>
#include <utility>

using namespace std::string_literals;

namespace lens {
namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

// Under a German locale, with its decimal comma, as QApplication sets it for a German user, the texts read
// and written stay the same. Windows knows the locale by another name. Without it the test fails. The
// locale stays for the tests after, which hold under any locale.
class GermanLocale : public testing::Test {
    void SetUp() override
    {
        for (const char* name : {"de_DE.UTF-8", "German_Germany.1252"})
            if (std::setlocale(LC_ALL, name) && *std::localeconv()->decimal_point == ',') return;
        FAIL() << "no German locale here: Debian has de_DE.UTF-8 in the package locales-all";
    }
};

// One row a text: the strict reading, which is numeric unless it fails NotANumber, and the leading number.
TEST_F(GermanLocale, ReadsStrictlyAndAsFarAsTheNumberGoes)
{
    const std::unexpected nan(CalcError::NotANumber), over(CalcError::Overflow);
    // clang-format off
    const std::tuple<std::string, std::expected<double, CalcError>, double> rows[] = {
        {"12", 12, 12}, {"-1.25", -1.25, -1.25}, {".5", 0.5, 0.5}, {"5.", 5, 5}, {"1e3", 1000, 1000},
        {"+.5E-3", 0.0005, 0.0005}, {"5.6e+1", 56, 56}, {"5.e3", 5000, 5000}, {" \t7\n ", 7, 7}, {"+3", 3, 3},
        {"-0.1", -0.1, -0.1}, {"1e-310", 1e-310, 1e-310}, {"4.9e-324", 4.9e-324, 4.9e-324}, {"1e-400", 0, 0},
        {"0e999999999999999999999", 0, 0}, {"0." + std::string(1'000'000, '0') + "1", 0, 0},
        {"12345678901234567890123456789e-28", 1.2345678901234567890123456789, 1.2345678901234567890123456789},
        {"1e400", over, infinity}, {"-1e309", over, -infinity}, {"1e99999999999999999999", over, infinity},
        {"1" + std::string(1'000'000, '0'), over, infinity}, {std::string(1'000'000, '7') + "x", nan, infinity},
        {"", nan, 0}, {" \t\n", nan, 0}, {"abc", nan, 0}, {"5abc", nan, 5}, {"12.5mm", nan, 12.5},
        {"1.2.3", nan, 1.2}, {"-", nan, 0}, {".", nan, 0}, {"-.", nan, 0}, {"Vector Hight", nan, 0},
        {"1e", nan, 1}, {"1e+", nan, 1}, {"1e+x", nan, 1}, {"e5", nan, 0}, {"2E-2x", nan, 0.02},
        // Blanks inside a number end the strict reading; the leading reader skips them.
        {"1 2", nan, 12}, {"- 5", nan, -5}, {" - 1 . 5 e 2 ", nan, -150}, {"--5", nan, 0},
        // Forms other readers accept that a lens figure never takes.
        {"&H10", nan, 0}, {"1d3", nan, 1}, {"1,000", nan, 1}, {"$5", nan, 0}, {"(5)", nan, 0}, {"5-", nan, 5},
        // Only space, tab and line feed are blanks; other characters end the number.
        {"\r5", nan, 0}, {"5\r", nan, 5}, {"1\r2", nan, 1}, {"\u00A05", nan, 0}, {"\uFF15", nan, 0},
        {"5\0"s, nan, 5}, {"1\0"s "2", nan, 1},
    };
    // clang-format on
    for (const auto& [text, strict, leading] : rows) {
        EXPECT_EQ(isNumericText(text), strict || strict.error() != CalcError::NotANumber) << text.substr(0, 40);
        EXPECT_EQ(strictNumber(text), strict) << text.substr(0, 40);
        EXPECT_EQ(leadingNumber(text), leading) << text.substr(0, 40);
    }
}

TEST(RoundTo2, RoundsTheExactBinaryValueWithExactHalvesToEven)
{
    // clang-format off
    const std::pair<double, double> rows[] = {
        {12.170731707317073, 12.17}, {16.097560975609756, 16.1}, {2.125, 2.12}, {-2.4999, -2.5}, {1e-300, 0},
        {0.125, 0.12}, {0.375, 0.38}, {-0.125, -0.12}, {-0.375, -0.38}, {1e20, 1e20}, {infinity, infinity},
        {4503599627370495.5, 4503599627370495.5},
        // The doubles nearest these decimals lie below or above the half.
        {2.675, 2.67}, {1.005, 1}, {0.015, 0.01}, {0.005, 0.01},
        // Past 2^53 hundredths the result must still be the double nearest the decimal.
        {123456789012345.678, 123456789012345.67}, {123456789012345.625, 123456789012345.62}, {123456789012345.6875, 123456789012345.69},
    };
    // clang-format on
    for (const auto& [x, rounded] : rows) EXPECT_EQ(roundTo2(x), rounded) << x;
}

TEST_F(GermanLocale, DisplaysTheGeneralFormAndWholeNumbersAtFifteenDigits)
{
    // clang-format off
    const std::pair<double, std::string> general[] = {
        {16.1, "16.1"}, {40, "40"}, {-11.32, "-11.32"}, {0.5, "0.5"}, {1.0 / 3, "0.333333333333333"},
        {0.1 + 0.2, "0.3"}, {-0.0, "0"}, {12.14, "12.14"},
        // The exponent form starts below 1E-04 and above 14 digits, counted after the cut.
        {1e15, "1E+15"}, {1e-5, "1E-05"}, {0.0001, "0.0001"}, {123456789012345, "123456789012345"},
        {999999999999999.9, "1E+15"}, {0.000099999999999999999, "0.0001"}, {-1.5e-7, "-1.5E-07"},
        {1e100, "1E+100"}, {1.7976931348623157e308, "1.79769313486232E+308"}, {4.9e-324, "4.94065645841247E-324"},
    };
    // Halves go away from zero.
    const std::pair<double, std::string> whole[] = {
        {66.5, "67"}, {2.5, "3"}, {-11.34, "-11"}, {-13.52, "-14"}, {-12.05, "-12"}, {40, "40"},
        {-0.4, "0"}, {-0.0, "0"}, {-0.5, "-1"}, {0.06, "0"}, {9.5, "10"}, {-99.5, "-100"},
        {0.49999999999999994, "1"}, {1e20, "100000000000000000000"}, {1.5e15, "1500000000000000"},
    };
    // clang-format on
    for (const auto& [x, text] : general) EXPECT_EQ(numberText(x), text) << x;
    for (const auto& [x, text] : whole) EXPECT_EQ(wholeNumberText(x), text) << x;
}

}  // namespace
}  // namespace lens
