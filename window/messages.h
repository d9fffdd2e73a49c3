// What the window tells the user when a calculation fails.
#pragma once

#include "core/number_text.h"

#include <QString>

namespace lens {

enum class Panel { Curve, Mould, Diameter };

// The message for `error` on `panel`. On the mould panel DivisionByZero stands for "no Index
// option selected"; the caller maps the zero-sphere Overflow of that case to it as well.
QString failureMessage(Panel panel, CalcError error);

}  // namespace lens
