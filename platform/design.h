#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QSize>

class QWidget;

// The window is designed in twips (1/1440 of a logical inch; 567 make a centimetre) and drawn
// at a zoom: every place, size, font and stroke of the lesson follows the one view below, so the
// lesson can be drawn larger or smaller while it runs without a restart. At zoom 1 a twip is
// 1/15 of a pixel at the usual 96 logical dots per inch.
namespace design {

inline constexpr double kTwipsPerCentimetre = 567.0;
inline constexpr double kTwipsPerInch = 1440.0;
// The client area as designed, in twips.
inline constexpr QSizeF kClientTwips(15270, 11040);

// Room for a window manager's title bar and borders round the window, in logical pixels: what
// the window leaves for its frame while the real one is not known.
inline constexpr int kFrameWidth = 8;
inline constexpr int kFrameHeight = 36;

// How the lesson is drawn: its zoom, and where the designed client area's top left lies in the
// window (away from the corner only when the lesson is centred on a full screen).
struct View
{
    double zoom = 1;
    QPoint origin;
};
View view();
void setView(View view);

// Logical pixels per twip at the view's zoom.
double pixelsPerTwip();
int twipsToPixels(double twips);
double centimetresToPixels(double cm);
double centimetresToTwips(double cm);
// A length in centimetres, in whole pixels as the design rounds them.
int pixelsAt(double cm);
// A designed rectangle in pixels, within whatever it is drawn on; left, top, width and height
// are rounded each on its own.
QRect pixelRect(double left, double top, double width, double height);
// The designed client area at the view's zoom.
QSize clientSize();
// A whole stroke width at the zoom, never thinner than a pixel.
int strokeWidth(int designed);

// The point size at which type designed in the given size is set at the zoom.
double zoomedPoints(double points);

// A font as the design names it, at the zoom. The design's Windows faces are mapped to their
// metric twins (Liberation) once, before the first font is made, so texts keep their widths.
QFont font(const char *face, double points, bool bold = false, bool italic = false,
           bool underline = false);

// A control of the window placed and set in design units. Each remembers its design, so that
// follow() can lay the whole window out again at a new view.
void place(QWidget *widget, const QRectF &twips);
void moveTo(QWidget *widget, double leftTwips, double topTwips);
void moveTopTo(QWidget *widget, double topTwips);
void setHeight(QWidget *widget, double twips);
// The font's point size is the design's, before the zoom.
void setFont(QWidget *widget, const QFont &designed);
void setPointSize(QWidget *widget, double points);
// Every control of the window placed, sized and set again at the present view.
void follow(QWidget *window);

} // namespace design
