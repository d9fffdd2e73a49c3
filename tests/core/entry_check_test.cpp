#include "core/lens.h"

#include <gtest/gtest.h>

namespace lens {
namespace {

const std::string sphere = "Please Enter Number Value In Sphere Text!!!";
const std::string cylinder = "Please Enter Minus Value In The Cylinder Text!!!";
const std::string frontCurve = "Please Enter Plus Value In Front Curve Text!!";
const std::string pd = "Please Enter Plus Value In PD Text!!";
const std::string a = "Please Enter Plus Value In A Text!!";
const std::string dbl = "Please Enter Plus Value In DBL Text!!";
const std::string ed = "Please Enter Plus Value In ED Text!!";
const std::string edBelowA = "Please Enter Right Value In ED Text!!!";

struct CheckRow {
    EntryField field;
    const char* text;
    const char* aText;
    std::vector<std::string> messages;
};

TEST(CheckEntry, WarnsAboutValuesOfTheWrongKind)
{
    using enum EntryField;
    // clang-format off
    const CheckRow rows[] = {
        {Sphere, "", "", {sphere}}, {Sphere, "-2.25", "", {}},
        {Sphere, "2abc", "", {sphere}},
        // Cylinder: a leading number above zero in single precision, and non-numeric text, each warn.
        {Cylinder, "5x", "", {cylinder, cylinder}}, {Cylinder, "5", "", {cylinder}}, {Cylinder, "abc", "", {cylinder}},
        {Cylinder, "", "", {cylinder}}, {Cylinder, "-1.25", "", {}}, {Cylinder, "0", "", {}},
        {Cylinder, "1e-30", "", {cylinder}}, {Cylinder, "1e-40", "", {cylinder}}, {Cylinder, "1e-45", "", {cylinder}},
        {Cylinder, "1e-50", "", {}}, {Cylinder, "7e-46", "", {}}, {Cylinder, "1e300", "", {cylinder}},
        {Cylinder, "1e400", "", {cylinder}}, {Cylinder, "-1e300", "", {}},
        {FrontCurve, "-1", "", {frontCurve}}, {FrontCurve, "0", "", {}}, {FrontCurve, "abc", "", {frontCurve}},
        {FrontCurve, "-1x", "", {frontCurve}}, {FrontCurve, "-1e400", "", {frontCurve}},
        {Pd, "62", "", {}}, {Pd, "", "", {pd}}, {A, "-52", "", {a}}, {Dbl, "18mm", "", {dbl}},
        // Ed also warns, separately, when it is smaller than A; the A text is ignored elsewhere.
        {Ed, "50", "52", {edBelowA}}, {Ed, "", "52", {ed, edBelowA}}, {Ed, "", "", {ed}}, {Ed, "52", "52", {}},
        {Ed, "-1", "-2", {ed}}, {Ed, "56", "1e400", {edBelowA}}, {Pd, "50", "52", {}},
    };
    // clang-format on
    for (const auto& row : rows) {
        EXPECT_EQ(checkEntry(row.field, row.text, row.aText), row.messages)
            << static_cast<int>(row.field) << " \"" << row.text << "\" A \"" << row.aText << '"';
    }
}

}  // namespace
}  // namespace lens
