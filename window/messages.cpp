#include "window/messages.h"

#include <algorithm>
#include <iterator>

namespace lens {

namespace {

struct FailureMessage {
    Panel panel;
    CalcError error;
    const char* text;
};

constexpr FailureMessage failureMessages[] = {
    {Panel::Curve, CalcError::NotANumber, "Please Enter Number Value In Vector Hight Text!!!"},
    {Panel::Curve, CalcError::DivisionByZero, "Vector Hight Can Not Be Zero!!!"},
    {Panel::Curve, CalcError::Overflow, "Vector Hight Is Out Of Range!!!"},
    {Panel::Mould, CalcError::NotANumber, "Please Enter Number Value In Sphere, Cylinder And Front Curve Text!!!"},
    {Panel::Mould, CalcError::DivisionByZero, "Please Select An Index!!!"},
    {Panel::Mould, CalcError::Overflow, "Value Is Out Of Range!!!"},
    {Panel::Diameter, CalcError::Overflow, "Value Is Out Of Range!!!"},
};

}  // namespace

QString failureMessage(Panel panel, CalcError error)
{
    const auto* row = std::ranges::find_if(
        failureMessages, [&](const FailureMessage& m) { return m.panel == panel && m.error == error; });
    // The core gives each panel only the errors listed for it.
    Q_ASSERT(row != std::end(failureMessages));
    return QString::fromUtf8(row->text);
}

}  // namespace lens
