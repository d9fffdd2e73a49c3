// How a fuzz input becomes the texts and choices of a core operation: an optional leading choice
// byte, then texts separated by "|". Missing texts are empty, so every input is a valid call.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace lens::fuzz {

template <std::size_t count>
std::array<std::string_view, count> texts(std::string_view input)
{
    std::array<std::string_view, count> out{};
    for (std::size_t i = 0; i + 1 < count; ++i) {
        const auto bar = input.find('|');
        if (bar == std::string_view::npos) {
            out[i] = input;
            return out;
        }
        out[i] = input.substr(0, bar);
        input.remove_prefix(bar + 1);
    }
    out[count - 1] = input;
    return out;
}

inline std::string_view textOf(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// The first byte chooses among the options of an operation; the rest are its texts.
struct ChoiceAndRest {
    std::uint8_t choice;
    std::string_view rest;
};

inline ChoiceAndRest choiceAndRest(std::string_view input)
{
    if (input.empty()) return {0, input};
    return {static_cast<std::uint8_t>(input.front()), input.substr(1)};
}

}  // namespace lens::fuzz
