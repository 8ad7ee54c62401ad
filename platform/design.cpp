#include "platform/design.h"

#include "platform/richtext.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextEdit>

#include <cmath>

namespace design {

namespace {

constexpr char kRectProperty[] = "designRect";
constexpr char kFontProperty[] = "designFont";

// Fixed at the first call; Qt's device pixel ratio takes care of high-density screens.
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
    widget->setGeometry(pixelRect(r).translated(view.origin));
}

// The designed font, not the widget's, which holds every setting it inherited as if set.
void applyFont(QWidget *widget, QFont font)
{
    font.setPointSizeF(zoomedPoints(font.pointSizeF()));
    // A button's weight is its cue's.
    font.setBold(widget->font().bold());
    widget->setFont(font);
}

} // namespace

// Qt sets type in whole pixels: rounded down, so that a rule, as wide as its text, keeps its end.
double zoomedPoints(double points)
{
    const double pixelsPerPoint = pixelsPerTwipAtZoomOne() * kTwipsPerInch / 72;
    const double designed = std::round(points * pixelsPerPoint);
    return std::max(1.0, std::floor(designed * view.zoom + 1e-6)) / pixelsPerPoint;
}

double pixelsPerTwip()
{
    return pixelsPerTwipAtZoomOne() * view.zoom;
}

int twipsToPixels(double twips)
{
    return int(std::lround(twips * pixelsPerTwip()));
}

QRect pixelRect(const QRectF &twips)
{
    return QRect(twipsToPixels(twips.left()), twipsToPixels(twips.top()),
                 twipsToPixels(twips.width()), twipsToPixels(twips.height()));
}

QSize clientSize()
{
    return {twipsToPixels(kClientTwips.width()), twipsToPixels(kClientTwips.height())};
}

int strokeWidth(int designed)
{
    return std::max(1, int(std::lround(designed * view.zoom)));
}

QFont font(const char *face, double points, bool bold, bool italic, bool underline)
{
    [[maybe_unused]] static const bool substituted = [] {
        const QStringList sans = {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
        for (const char *family : {"Arial", "MS Sans Serif", "Trebuchet MS"})
            QFont::insertSubstitutions(QString::fromLatin1(family), sans);
        QFont::insertSubstitutions(
            QStringLiteral("Times New Roman"),
            {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
        return true;
    }();
    QFont f(QString::fromLatin1(face));
    f.setPointSizeF(zoomedPoints(points));
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

void moveTo(QWidget *widget, std::optional<double> leftCm, double topCm)
{
    QRectF r = widget->property(kRectProperty).toRectF();
    r.moveTo(leftCm ? *leftCm * kTwipsPerCentimetre : r.left(), topCm * kTwipsPerCentimetre);
    place(widget, r);
}

void setHeight(QWidget *widget, double cm)
{
    QRectF r = widget->property(kRectProperty).toRectF();
    r.setHeight(cm * kTwipsPerCentimetre);
    place(widget, r);
}

void setFont(QWidget *widget, const QFont &designed)
{
    widget->setFont(designed);
    widget->setProperty(kFontProperty, designed);
    applyFont(widget, designed);
}

void setPointSize(QWidget *widget, double points)
{
    QFont font = widget->property(kFontProperty).value<QFont>();
    font.setPointSizeF(points);
    widget->setProperty(kFontProperty, font);
    applyFont(widget, font);
}

// Font first: a text box sizes its subscripts from its font.
void follow(QWidget *window)
{
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        const QVariant font = widget->property(kFontProperty);
        if (font.isValid())
            applyFont(widget, font.value<QFont>());
        if (auto *box = qobject_cast<QTextEdit *>(widget))
            richtext::follow(box);
        const QVariant rect = widget->property(kRectProperty);
        if (rect.isValid())
            applyRect(widget, rect.toRectF());
    }
}

} // namespace design
