#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>

#include <optional>

class QWidget;

// Designed in twips (1/1440 logical inch); every place, size, font and stroke follows the view.
namespace design {

inline constexpr double kTwipsPerCentimetre = 567.0;
inline constexpr double kTwipsPerInch = 1440.0;
inline constexpr QSizeF kClientTwips(15270, 11040);

// Room for a window manager's frame, in logical pixels, while the real one is not known.
inline constexpr QSize kFrame(8, 36);

// origin: where the designed client area's top left lies in the window (full screen, centred).
struct View
{
    double zoom = 1;
    QPoint origin;
};
// One lesson window per program: its view is the program's.
inline View view;

double pixelsPerTwip();
int twipsToPixels(double twips);
inline double centimetresToPixels(double cm)
{
    return cm * kTwipsPerCentimetre * pixelsPerTwip();
}
// Each of left, top, width and height rounded on its own.
QRect pixelRect(const QRectF &twips);
QSize clientSize();
int strokeWidth(int designed);
double zoomedPoints(double points);

// The design's Windows faces are mapped to their metric twins once, so texts keep their widths.
QFont font(const char *face, double points, bool bold = false, bool italic = false,
           bool underline = false);

// Each control remembers its design, so that follow() can lay the window out again at a new view.
void place(QWidget *widget, const QRectF &twips);
// No left keeps the designed one.
void moveTo(QWidget *widget, std::optional<double> leftCm, double topCm);
void setHeight(QWidget *widget, double cm);
void setFont(QWidget *widget, const QFont &designed);
void setPointSize(QWidget *widget, double points);
void follow(QWidget *window);

} // namespace design
