// Every entry check gives at most two messages, each its field's own, in their order.
#include "core/entry_check.h"
#include "core/number_text.h"
#include "fuzz/input.h"
#include "fuzz/properties.h"

#include <array>

using namespace lens::fuzz;

namespace {

// The message of each field, in EntryField order, and the ED field's second one.
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
    const auto fieldIndex = choice % fieldMessages.size();
    const auto field = static_cast<lens::EntryField>(fieldIndex);
    const auto [text, aText] = texts<2>(rest);
    const auto messages = lens::checkEntry(field, text, aText);

    const bool isEd = field == lens::EntryField::Ed;
    const bool twoAllowed = isEd || field == lens::EntryField::Cylinder;
    require(messages.size() <= (twoAllowed ? 2U : 1U), "two messages at most, and only for cylinder and ED", rest);
    for (std::size_t i = 0; i < messages.size(); ++i) {
        const bool second = isEd && messages[i] == edBelowA;
        require(messages[i] == fieldMessages[fieldIndex] || second, "only the field's own messages", rest);
        require(!second || i + 1 == messages.size(), "the second ED message comes last", rest);
    }
    if (field == lens::EntryField::Sphere)
        require(messages.empty() == lens::isNumericText(text), "sphere: a message exactly when not numeric", rest);
    return 0;
}
