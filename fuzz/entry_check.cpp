// Every entry check gives at most two messages, each its field's own, in their order.
#include "fuzz/properties.h"

void lens::fuzz::check(std::string_view input)
{
    // The message of each field, in EntryField order, and the ED field's second one.
    static constexpr std::string_view fieldMessages[] = {
        "Please Enter Number Value In Sphere Text!!!",   "Please Enter Minus Value In The Cylinder Text!!!",
        "Please Enter Plus Value In Front Curve Text!!", "Please Enter Plus Value In PD Text!!",
        "Please Enter Plus Value In A Text!!",           "Please Enter Plus Value In DBL Text!!",
        "Please Enter Plus Value In ED Text!!"};
    const auto [choice, texts] = split<2>(input);
    const auto field = static_cast<EntryField>(choice % 7);
    const auto messages = checkEntry(field, texts[0], texts[1]);
    const bool isEd = field == EntryField::Ed;
    require(messages.size() <= (isEd || field == EntryField::Cylinder ? 2U : 1U), "two messages at most", input);
    for (std::size_t i = 0; i < messages.size(); ++i) {
        const bool second = isEd && messages[i] == "Please Enter Right Value In ED Text!!!";
        require(messages[i] == fieldMessages[choice % 7] || second, "the field's own messages", input);
        require(!second || i + 1 == messages.size(), "the second ED message comes last", input);
    }
    require(field != EntryField::Sphere || messages.empty() == isNumericText(texts[0]),
            "sphere: a message exactly when not numeric", input);
}
