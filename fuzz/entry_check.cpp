// Every entry check gives at most two messages, each one its field's own, in their order.
#include "core/entry_check.h"
#include "core/number_text.h"
#include "fuzz/input.h"
#include "fuzz/properties.h"

#include <array>

namespace {

using namespace lens::fuzz;

// The warning of each field, in EntryField order, and the ED field's second one.
constexpr std::array<std::string_view, 7> fieldMessages{
    "Please Enter Number Value In Sphere Text!!!",   "Please Enter Minus Value In The Cylinder Text!!!",
    "Please Enter Plus Value In Front Curve Text!!", "Please Enter Plus Value In PD Text!!",
    "Please Enter Plus Value In A Text!!",           "Please Enter Plus Value In DBL Text!!",
    "Please Enter Plus Value In ED Text!!",
};
constexpr std::string_view edBelowA = "Please Enter Right Value In ED Text!!!";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto [choice, rest] = choiceAndRest(textOf(data, size));
    const auto field = static_cast<lens::EntryField>(choice % fieldMessages.size());
    const auto [text, aText] = texts<2>(rest);
    const auto messages = lens::checkEntry(field, text, aText);

    const auto own = fieldMessages[choice % fieldMessages.size()];
    const bool mayRepeat = field == lens::EntryField::Cylinder;
    const bool isEd = field == lens::EntryField::Ed;
    require(messages.size() <= (mayRepeat || isEd ? 2U : 1U), "at most two messages, one for most fields", rest);
    for (std::size_t i = 0; i < messages.size(); ++i) {
        const bool second = isEd && (messages[i] == edBelowA);
        require(messages[i] == own || second, "only the field's own messages", rest);
        require(!second || i + 1 == messages.size(), "ED's second message comes last", rest);
    }
    if (field == lens::EntryField::Sphere) {
        require(messages.empty() == lens::isNumericText(text), "sphere: a message iff not numeric", rest);
    }
    return 0;
}
