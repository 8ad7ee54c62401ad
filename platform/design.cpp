#include "platform/design.h"

#include "platform/richtext.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <QTextEdit>
#include <QVariant>
#include <QWidget>

#include <cmath>

namespace design {

namespace {

// One lesson window per program: its view is the program's.
View currentView;

constexpr char kRectProperty[] = "designRect";
constexpr char kPointsProperty[] = "designPoints";

// Logical pixels per twip at zoom 1. Fixed at the first call: the whole window is laid out on
// one scale, and Qt's device pixel ratio, not this scale, takes care of high-density screens.
double pixelsPerTwipAtZoomOne()
{
    static const double scale = [] {
        const QScreen *screen = QGuiApplication::primaryScreen();
        const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
        return (dpi > 0 ? dpi : 96.0) / kTwipsPerInch;
    }();
    return scale;
}

void applyRect(QWidget *widget, const QRectF &r)
{
    const QRect pixels = pixelRect(r.left(), r.top(), r.width(), r.height());
    widget->setGeometry(pixels.translated(currentView.origin));
}

void applyPoints(QWidget *widget, double points)
{
    QFont f = widget->font();
    f.setPointSizeF(points * currentView.zoom);
    widget->setFont(f);
}

} // namespace

View view()
{
    return currentView;
}

void setView(View view)
{
    currentView = view;
}

double pixelsPerTwip()
{
    return pixelsPerTwipAtZoomOne() * currentView.zoom;
}

int twipsToPixels(double twips)
{
    return int(std::lround(twips * pixelsPerTwip()));
}

double centimetresToPixels(double cm)
{
    return cm * kTwipsPerCentimetre * pixelsPerTwip();
}

double centimetresToTwips(double cm)
{
    return cm * kTwipsPerCentimetre;
}

int pixelsAt(double cm)
{
    return twipsToPixels(centimetresToTwips(cm));
}

QRect pixelRect(double left, double top, double width, double height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

QSize clientSize()
{
    return {twipsToPixels(kClientTwips.width()), twipsToPixels(kClientTwips.height())};
}

int strokeWidth(int designed)
{
    return std::max(1, int(std::lround(designed * currentView.zoom)));
}

QFont font(const char *face, double points, bool bold, bool italic, bool underline)
{
    static const bool substituted = [] {
        const auto twin = [](const char *family, const char *first, const char *second) {
            QFont::insertSubstitutions(QString::fromLatin1(family),
                                       {QString::fromLatin1(first), QString::fromLatin1(second)});
        };
        twin("Times New Roman", "Liberation Serif", "DejaVu Serif");
        twin("Arial", "Liberation Sans", "DejaVu Sans");
        twin("MS Sans Serif", "Liberation Sans", "DejaVu Sans");
        twin("Trebuchet MS", "Liberation Sans", "DejaVu Sans");
        return true;
    }();
    Q_UNUSED(substituted);
    QFont f(QString::fromLatin1(face));
    f.setPointSizeF(points * currentView.zoom);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    return f;
}

void place(QWidget *widget, const QRectF &twips)
{
    widget->setProperty(kRectProperty, twips);
    applyRect(widget, twips);
}

void moveTo(QWidget *widget, double leftTwips, double topTwips)
{
    QRectF r = widget->property(kRectProperty).toRectF();
    r.moveTo(leftTwips, topTwips);
    place(widget, r);
}

void moveTopTo(QWidget *widget, double topTwips)
{
    moveTo(widget, widget->property(kRectProperty).toRectF().left(), topTwips);
}

void setHeight(QWidget *widget, double twips)
{
    QRectF r = widget->property(kRectProperty).toRectF();
    r.setHeight(twips);
    place(widget, r);
}

void setFont(QWidget *widget, const QFont &designed)
{
    widget->setFont(designed);
    setPointSize(widget, designed.pointSizeF());
}

void setPointSize(QWidget *widget, double points)
{
    widget->setProperty(kPointsProperty, points);
    applyPoints(widget, points);
}

// Fonts first: a text box lays its text out again for a new font, and the subscripts in it are
// sized from it.
void follow(QWidget *window)
{
    const QList<QWidget *> widgets = window->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        const QVariant points = widget->property(kPointsProperty);
        if (points.isValid())
            applyPoints(widget, points.toDouble());
        if (auto *box = qobject_cast<QTextEdit *>(widget))
            richtext::follow(box);
    }
    for (QWidget *widget : widgets) {
        const QVariant rect = widget->property(kRectProperty);
        if (rect.isValid())
            applyRect(widget, rect.toRectF());
    }
}

} // namespace design
