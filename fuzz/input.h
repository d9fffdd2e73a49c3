// How a fuzz input becomes the texts and choices of a core operation: an optional choice byte,
// then texts separated by "|". Missing texts are empty, so every input is a valid call.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>

namespace lens::fuzz {

inline std::string_view textOf(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

template <std::size_t count> std::array<std::string_view, count> texts(std::string_view input)
{
    std::array<std::string_view, count> out{};
    std::size_t i = 0;
    for (; i + 1 < count && input.contains('|'); ++i) {
        out[i] = input.substr(0, input.find('|'));
        input.remove_prefix(out[i].size() + 1);
    }
    out[i] = input;
    return out;
}

// The first byte chooses among an operation's options; the rest holds its texts.
inline std::pair<std::uint8_t, std::string_view> choiceAndRest(std::string_view input)
{
    if (input.empty()) return {0, input};
    return {static_cast<std::uint8_t>(input.front()), input.substr(1)};
}

}  // namespace lens::fuzz
