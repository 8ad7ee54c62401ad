#pragma once

#include <QWidget>

// The lesson's colours, designed as 0x00BBGGRR values (red in the low byte).
namespace colours {

constexpr QRgb fromBgr(quint32 bgr)
{
    return qRgb(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

inline const QColor kRed = fromBgr(0x000000FF);
inline const QColor kBlue = fromBgr(0x00FF0000);
inline const QColor kYellow = fromBgr(0x0000FFFF);
inline const QColor kGreen = fromBgr(0x0000C000);
inline const QColor kDarkGreen = fromBgr(0x00008000);
inline const QColor kMagenta = fromBgr(0x00FF00FF);
inline const QColor kCyan = fromBgr(0x00FFFF00);
inline const QColor kBlack = fromBgr(0x00000000);
inline const QColor kPaleGreen = fromBgr(0x00DCFFD5);

// The part that draws the widget (a box's viewport, a list's field) takes the same palette.
inline void set(QWidget *widget, QPalette::ColorRole role, const QColor &colour,
                QWidget *part = nullptr)
{
    QPalette p = widget->palette();
    p.setColor(role, colour);
    widget->setPalette(p);
    if (part)
        part->setPalette(p);
}

} // namespace colours
