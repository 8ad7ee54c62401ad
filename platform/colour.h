#pragma once

#include <QColor>

namespace platform {

// The lesson names its colours as 0x00BBGGRR (red in the low byte); values 0x8000000N are
// system colours. This is the one place where such a value becomes a QColor.
QColor colourFromBgr(quint32 bgr);

// The reverse, for reading a colour back in the window's terms.
quint32 bgrFromColour(const QColor &colour);

inline constexpr quint32 kSystemWindowBackground = 0x80000005;
inline constexpr quint32 kSystemWindowText = 0x80000008;

} // namespace platform
