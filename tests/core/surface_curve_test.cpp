#include "core/lens.h"

#include <gtest/gtest.h>

#include <utility>

namespace lens {
namespace {

struct SurfaceRow {
    const char* sag;
    std::array<std::string, 7> curves;
    std::string measuredFrontCurve;
};

TEST(ComputeSurfaceCurve, GivesTheSevenCurvesAndTheMeasuredFrontCurve)
{
    // clang-format off
    const SurfaceRow rows[] = {
        {"5", {"12.17", "14.29", "13.27", "14.51", "16.1", "18.05", "12.93"}, "12.14"},
        {"20", {"26.97", "31.68", "29.41", "32.16", "35.68", "40", "28.65"}, "26.92"},
        {"2", {"5.02", "5.89", "5.47", "5.98", "6.63", "7.44", "5.33"}, "5.01"},
        {"0.4", {"1", "1.18", "1.09", "1.19", "1.32", "1.48", "1.06"}, "1"},
        {" 5 ", {"12.17", "14.29", "13.27", "14.51", "16.1", "18.05", "12.93"}, "12.14"},
        // A negative sag shows whole numbers of the already rounded values; the front curve keeps decimals.
        {"-5", {"-11", "-13", "-12", "-14", "-15", "-17", "-12"}, "-11.32"},
        {"-0.86", {"-2", "-3", "-2", "-3", "-3", "-3", "-2"}, "-2.12"},
        // Every value rounds to a zero: nothing counts as negative, and no zero carries a sign.
        {"-0.001", {"0", "0", "0", "0", "0", "0", "0"}, "0"},
        {"-0.01", {"0", "0", "0", "0", "0", "0", "0"}, "-0.03"},
        {"1e150", {"0", "0", "0", "0", "0", "0", "0"}, "0"},
    };
    // clang-format on
    for (const auto& row : rows) {
        const auto result = computeSurfaceCurve(row.sag);
        ASSERT_TRUE(result.has_value()) << row.sag;
        EXPECT_EQ(result->curveTexts, row.curves) << row.sag;
        EXPECT_EQ(result->measuredFrontCurve, row.measuredFrontCurve) << row.sag;
    }
}

TEST(ComputeSurfaceCurve, FailsWithoutAResult)
{
    // clang-format off
    const std::pair<const char*, CalcError> rows[] = {
        {"Vector Hight", CalcError::NotANumber}, {"", CalcError::NotANumber}, {"5mm", CalcError::NotANumber},
        {"0", CalcError::DivisionByZero}, {"-0", CalcError::DivisionByZero},
        {"1e200", CalcError::Overflow}, {"1e-307", CalcError::Overflow}, {"1e400", CalcError::Overflow},
    };
    // clang-format on
    for (const auto& [sag, error] : rows) EXPECT_EQ(computeSurfaceCurve(sag), std::unexpected(error)) << sag;
}

}  // namespace
}  // namespace lens
