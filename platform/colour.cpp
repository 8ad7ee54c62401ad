#include "platform/colour.h"

namespace platform {

QColor colourFromBgr(quint32 bgr)
{
    if (bgr & 0x80000000u) {
        // Only two system colours occur in the lesson; any other one is treated as text colour.
        return bgr == kSystemWindowBackground ? QColor(Qt::white) : QColor(Qt::black);
    }
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

quint32 bgrFromColour(const QColor &colour)
{
    return quint32(colour.red()) | (quint32(colour.green()) << 8) | (quint32(colour.blue()) << 16);
}

} // namespace platform
