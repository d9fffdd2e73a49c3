// Warnings for an entry field of the mould or glass diameter panel when the cursor leaves it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lens {

enum class EntryField { Sphere, Cylinder, FrontCurve, Pd, A, Dbl, Ed };

// Zero, one or two messages to show one after the other, in order. `text` is the field's text;
// `aText` is the text of the "A" field, read only for Ed.
std::vector<std::string> checkEntry(EntryField field, std::string_view text, std::string_view aText = {});

}  // namespace lens
