#include "core/entry_check.h"

#include "core/number_text.h"

#include <array>
#include <cmath>
#include <limits>

namespace lens {
namespace {

// The warning of each field, in EntryField order.
constexpr std::array<std::string_view, 7> fieldMessages{
    "Please Enter Number Value In Sphere Text!!!",   "Please Enter Minus Value In The Cylinder Text!!!",
    "Please Enter Plus Value In Front Curve Text!!", "Please Enter Plus Value In PD Text!!",
    "Please Enter Plus Value In A Text!!",           "Please Enter Plus Value In DBL Text!!",
    "Please Enter Plus Value In ED Text!!",
};
constexpr std::string_view edBelowAMessage = "Please Enter Right Value In ED Text!!!";

// The cylinder's leading number is held in single precision before it is compared: values too
// large become infinities of their sign, values under half the smallest subnormal become 0.
bool isAboveZeroInSinglePrecision(double value)
{
    if (std::fabs(value) > std::numeric_limits<float>::max()) return value > 0;
    return static_cast<float>(value) > 0;
}

bool isPlusNumber(std::string_view text) { return !(leadingNumber(text) < 0) && isNumericText(text); }

}  // namespace

std::vector<std::string> checkEntry(EntryField field, std::string_view text, std::string_view aText)
{
    const std::string message(fieldMessages[static_cast<std::size_t>(field)]);
    std::vector<std::string> messages;
    switch (field) {
    case EntryField::Sphere:
        if (!isNumericText(text)) messages.push_back(message);
        break;
    case EntryField::Cylinder:
        // Two separate tests with the same message: "5x" earns it twice.
        if (isAboveZeroInSinglePrecision(leadingNumber(text))) messages.push_back(message);
        if (!isNumericText(text)) messages.push_back(message);
        break;
    case EntryField::FrontCurve:
    case EntryField::Pd:
    case EntryField::A:
    case EntryField::Dbl:
        if (!isPlusNumber(text)) messages.push_back(message);
        break;
    case EntryField::Ed:
        if (!isPlusNumber(text)) messages.push_back(message);
        if (leadingNumber(aText) > leadingNumber(text)) messages.emplace_back(edBelowAMessage);
        break;
    }
    return messages;
}

}  // namespace lens
