// The lens materials the window offers, in the order of its rows and options.
#pragma once

namespace lens {

enum class LensMaterial { Cr39, Pc, Index156, Index161, Index167, Index174, Trvx };

}  // namespace lens
