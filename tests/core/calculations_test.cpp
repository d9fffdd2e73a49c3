// The three calculations and the entry checks, one row a case: the texts in, what the window would show.
#include "core/lens.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

namespace lens {
namespace {

// A result as one line: `line` of it, or the name of the failure.
template <class Result> std::string shown(const std::expected<Result, CalcError>& result, auto line)
{
    return result ? line(*result) : std::array{"NotANumber", "DivisionByZero", "Overflow"}[int(result.error())];
}

TEST(ComputeSurfaceCurve, GivesTheSevenCurvesAndTheMeasuredFrontCurveOrFails)
{
    // clang-format off
    const std::pair<const char*, const char*> rows[] = {
        {"5", "12.17 14.29 13.27 14.51 16.1 18.05 12.93 12.14"}, {" 5 ", "12.17 14.29 13.27 14.51 16.1 18.05 12.93 12.14"},
        {"20", "26.97 31.68 29.41 32.16 35.68 40 28.65 26.92"}, {"2", "5.02 5.89 5.47 5.98 6.63 7.44 5.33 5.01"},
        {"0.4", "1 1.18 1.09 1.19 1.32 1.48 1.06 1"},
        // A negative sag shows whole numbers of the already rounded values; the front curve keeps decimals.
        {"-5", "-11 -13 -12 -14 -15 -17 -12 -11.32"}, {"-0.86", "-2 -3 -2 -3 -3 -3 -2 -2.12"},
        // Every value rounds to a zero: nothing counts as negative, and no zero carries a sign.
        {"-0.001", "0 0 0 0 0 0 0 0"}, {"-0.01", "0 0 0 0 0 0 0 -0.03"}, {"1e150", "0 0 0 0 0 0 0 0"},
        // One row rounds to zero, the others do not: one value below zero is enough, and zero is not below.
        {"-0.002", "0 0 0 0 0 0 0 -0.01"}, {"0.002", "0 0.01 0.01 0.01 0.01 0.01 0.01 0.01"},
        {"Vector Hight", "NotANumber"}, {"", "NotANumber"}, {"5mm", "NotANumber"}, {"0", "DivisionByZero"},
        {"-0", "DivisionByZero"}, {"1e200", "Overflow"}, {"1e-307", "Overflow"}, {"1e400", "Overflow"},
    };
    // clang-format on
    const auto texts = [](const SurfaceCurveResult& r) {
        std::string line;
        for (const std::string& curve : r.curveTexts) line += curve + ' ';
        return line + r.measuredFrontCurve;
    };
    for (const auto& [sag, expected] : rows) EXPECT_EQ(shown(computeSurfaceCurve(sag), texts), expected) << sag;
}

TEST(ComputeMouldCurves, GivesBaseAndCrossOrTheFirstFailureMet)
{
    using enum LensMaterial;
    constexpr std::optional<LensMaterial> none;
    // clang-format off
    const std::tuple<bool, std::optional<LensMaterial>, const char*, const char*, const char*, const char*> rows[] = {
        {true, Cr39, "-2", "-1", "6", "7.64 8.64"}, {false, Cr39, "-2", "-1", "6", "8 9"},
        {true, Index167, "-2", "-1", "6", "7.15 7.9"}, {false, Index174, "-4.25", "-1.5", "2.12", "4.96 5.97"},
        {false, Cr39, "-2", "-1", "12.14", "14.14 15.14"}, {false, Pc, " +2 ", "0", "5", "3.3 3.3"},
        {false, Trvx, "3", "1", "2", "-0.82 -1.76"}, {false, Cr39, "2.375", "0", "2", "-0.38 -0.38"},
        // Order of failures: front curve, sphere, material, cylinder.
        {false, none, "-2", "-1", "6", "DivisionByZero"}, {false, none, "0", "-1", "6", "Overflow"},
        {false, none, "-2", "x", "6", "DivisionByZero"}, {false, none, "", "-1", "6", "NotANumber"},
        {false, none, "-2", "-1", "x", "NotANumber"}, {true, Cr39, "", "-1", "6", "NotANumber"},
        {true, Cr39, "-2", "-1 mm", "6", "NotANumber"}, {true, Cr39, "-2", "-1", "", "NotANumber"},
        {false, Cr39, "-2", "-1", "1e307", "Overflow"}, {false, Cr39, "1e307", "-1", "6", "Overflow"},
        {false, Cr39, "-1.7e308", "0", "1.7e308", "Overflow"}, {false, Cr39, "-2", "1e400", "6", "Overflow"},
    };
    // clang-format on
    const auto texts = [](const MouldCurveResult& r) { return r.gbaseText + ' ' + r.gcrossText; };
    for (const auto& [systom, material, sphere, cylinder, frontCurve, expected] : rows)
        EXPECT_EQ(shown(computeMouldCurves(systom, material, sphere, cylinder, frontCurve), texts), expected)
            << sphere << ' ' << cylinder << ' ' << frontCurve;
}

TEST(ComputeGlassDiameter, AddsDecentrationEffectiveDiameterAndAllowance)
{
    // clang-format off
    const std::array<const char*, 5> rows[] = {
        {"62", "52", "18", "56", "67"}, {"63", "52.5", "18", "56", "67"}, {"", "", "", "", "3"},
        {"62", "52mm", "18", "56", "67"}, {"6 2", "5 2", "1 8", "5 6", "67"},
        // Decentration counts whichever way it goes: a PD wider than the frame still needs glass.
        {"80", "50", "16", "50", "67"}, {"66", "50", "16", "50", "53"}, {"62", "52", "18", "-56", "-45"},
        // An exponent may carry a plus sign; ED enters as its 15 displayed digits read: 53.5, not 53.4999...
        {"62", "52", "18", "5.6e+1", "67"}, {"62", "52", "18", "53.49999999999995", "65"},
        {"62", "1e400", "18", "56", "Overflow"}, {"62", "52", "18", "-1e309", "Overflow"},
        {"-1e308", "1e308", "18", "56", "Overflow"}, {"62", "52", "18", "1.7976931348623157e308", "Overflow"},
    };
    // clang-format on
    for (const auto& [pd, a, dbl, ed, expected] : rows)
        EXPECT_EQ(shown(computeGlassDiameter(pd, a, dbl, ed), std::identity{}), expected)
            << pd << ' ' << a << ' ' << dbl << ' ' << ed;
}

TEST(CheckEntry, WarnsAboutValuesOfTheWrongKind)
{
    using enum EntryField;
    const std::string sphere = "Please Enter Number Value In Sphere Text!!!";
    const std::string cylinder = "Please Enter Minus Value In The Cylinder Text!!!";
    const auto plus = [](const char* field) { return std::string("Please Enter Plus Value In ") + field + " Text!!"; };
    const std::string frontCurve = plus("Front Curve"), pd = plus("PD"), a = plus("A"), dbl = plus("DBL");
    const std::string ed = plus("ED"), edBelowA = "Please Enter Right Value In ED Text!!!";
    // clang-format off
    const std::tuple<EntryField, const char*, std::vector<std::string>, const char*> rows[] = {
        {Sphere, "", {sphere}, ""}, {Sphere, "-2.25", {}, ""}, {Sphere, "2abc", {sphere}, ""},
        // Cylinder: a leading number above zero in single precision, and non-numeric text, each warn.
        {Cylinder, "5x", {cylinder, cylinder}, ""}, {Cylinder, "5", {cylinder}, ""}, {Cylinder, "abc", {cylinder}, ""},
        {Cylinder, "", {cylinder}, ""}, {Cylinder, "-1.25", {}, ""}, {Cylinder, "0", {}, ""},
        {Cylinder, "1e-30", {cylinder}, ""}, {Cylinder, "1e-40", {cylinder}, ""}, {Cylinder, "1e-45", {cylinder}, ""},
        {Cylinder, "1e-50", {}, ""}, {Cylinder, "7e-46", {}, ""}, {Cylinder, "1e300", {cylinder}, ""},
        {Cylinder, "1e400", {cylinder}, ""}, {Cylinder, "-1e300", {}, ""}, {FrontCurve, "-1", {frontCurve}, ""},
        {FrontCurve, "0", {}, ""}, {FrontCurve, "abc", {frontCurve}, ""}, {FrontCurve, "-1x", {frontCurve}, ""},
        {FrontCurve, "-1e400", {frontCurve}, ""}, {Pd, "62", {}, ""}, {Pd, "", {pd}, ""}, {A, "-52", {a}, ""},
        {Dbl, "18mm", {dbl}, ""}, {Pd, "50", {}, "52"},
        // Ed also warns, separately, when it is smaller than A; the A text is ignored elsewhere.
        {Ed, "50", {edBelowA}, "52"}, {Ed, "", {ed, edBelowA}, "52"}, {Ed, "", {ed}, ""}, {Ed, "52", {}, "52"},
        {Ed, "-1", {ed}, "-2"}, {Ed, "56", {edBelowA}, "1e400"},
    };
    // clang-format on
    for (const auto& [field, text, messages, aText] : rows)
        EXPECT_EQ(checkEntry(field, text, aText), messages) << int(field) << " '" << text << "' A '" << aText << "'";
}

}  // namespace
}  // namespace lens
