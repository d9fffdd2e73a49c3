// The look the calculator's window takes from the desktop.
#pragma once

namespace lens {

// On Windows, one look on every version: the "windowsvista" style in its light colours, also on Windows 11
// and in its dark mode. Elsewhere nothing changes: the desktop's own style and colours. Call once the
// QApplication exists, before any window is built: a result field keeps the selection colours it starts with.
void useOneLook();

}  // namespace lens
