#pragma once
// The font of all board text.
#include <QFont>

namespace tarmigo {

// The board font: "Tahoma" (or the default sans face) at 12 board pixels.
QFont boardFont(int zoom);

} // namespace tarmigo
