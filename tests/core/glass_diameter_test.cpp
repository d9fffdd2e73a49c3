#include "core/lens.h"

#include <gtest/gtest.h>

namespace lens {
namespace {

struct DiameterRow {
    const char* pd;
    const char* a;
    const char* dbl;
    const char* ed;
    std::expected<std::string, CalcError> diameter;
};

TEST(ComputeGlassDiameter, AddsDecentrationEffectiveDiameterAndAllowance)
{
    const auto overflow = std::unexpected(CalcError::Overflow);
    // clang-format off
    const DiameterRow rows[] = {
        {"62", "52", "18", "56", "67"}, {"63", "52.5", "18", "56", "67"}, {"", "", "", "", "3"},
        {"62", "52mm", "18", "56", "67"}, {"6 2", "5 2", "1 8", "5 6", "67"},
        // Decentration counts whichever way it goes: a PD wider than the frame still needs glass.
        {"80", "50", "16", "50", "67"}, {"66", "50", "16", "50", "53"}, {"62", "52", "18", "-56", "-45"},
        {"62", "1e400", "18", "56", overflow}, {"62", "52", "18", "-1e309", overflow},
        {"-1e308", "1e308", "18", "56", overflow}, {"62", "52", "18", "1.7976931348623157e308", overflow},
    };
    // clang-format on
    for (const auto& row : rows) {
        EXPECT_EQ(computeGlassDiameter(row.pd, row.a, row.dbl, row.ed), row.diameter)
            << row.pd << ' ' << row.a << ' ' << row.dbl << ' ' << row.ed;
    }
}

}  // namespace
}  // namespace lens
