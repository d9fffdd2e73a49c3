#include "core/lens.h"

#include <gtest/gtest.h>

#include <optional>

namespace lens {

void PrintTo(const MouldCurveResult& result, std::ostream* out)
{
    *out << result.gbaseText << " / " << result.gcrossText;
}

namespace {

struct MouldRow {
    bool systom;
    std::optional<LensMaterial> material;
    const char* sphere;
    const char* cylinder;
    const char* frontCurve;
    std::expected<MouldCurveResult, CalcError> result;
};

std::unexpected<CalcError> failure(CalcError error) { return std::unexpected(error); }

TEST(ComputeMouldCurves, GivesBaseAndCrossOrTheFirstFailureMet)
{
    using enum LensMaterial;
    using enum CalcError;
    // clang-format off
    const MouldRow rows[] = {
        {true, Cr39, "-2", "-1", "6", MouldCurveResult{"7.64", "8.64"}},
        {false, Cr39, "-2", "-1", "6", MouldCurveResult{"8", "9"}},
        {true, Index167, "-2", "-1", "6", MouldCurveResult{"7.15", "7.9"}},
        {false, Index174, "-4.25", "-1.5", "2.12", MouldCurveResult{"4.96", "5.97"}},
        {false, Cr39, "-2", "-1", "12.14", MouldCurveResult{"14.14", "15.14"}},
        {false, Pc, " +2 ", "0", "5", MouldCurveResult{"3.3", "3.3"}},
        {false, Trvx, "3", "1", "2", MouldCurveResult{"-0.82", "-1.76"}},
        // Order of failures: front curve, sphere, material, cylinder.
        {false, std::nullopt, "-2", "-1", "6", failure(DivisionByZero)},
        {false, std::nullopt, "0", "-1", "6", failure(Overflow)},
        {false, std::nullopt, "-2", "x", "6", failure(DivisionByZero)},
        {false, std::nullopt, "", "-1", "6", failure(NotANumber)},
        {false, std::nullopt, "-2", "-1", "x", failure(NotANumber)},
        {true, Cr39, "", "-1", "6", failure(NotANumber)}, {true, Cr39, "-2", "-1 mm", "6", failure(NotANumber)},
        {true, Cr39, "-2", "-1", "", failure(NotANumber)}, {false, Cr39, "-2", "-1", "1e307", failure(Overflow)},
        {false, Cr39, "1e307", "-1", "6", failure(Overflow)},
        {false, Cr39, "-1.7e308", "0", "1.7e308", failure(Overflow)},
        {false, Cr39, "-2", "1e400", "6", failure(Overflow)},
    };
    // clang-format on
    for (const auto& row : rows) {
        EXPECT_EQ(computeMouldCurves(row.systom, row.material, row.sphere, row.cylinder, row.frontCurve), row.result)
            << row.sphere << ' ' << row.cylinder << ' ' << row.frontCurve;
    }
}

}  // namespace
}  // namespace lens
