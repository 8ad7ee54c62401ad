#include "figure/figure.h"

#include "choice/choice.h"
#include "platform/colours.h"
#include "platform/design.h"
#include "platform/surface.h"

#include <QCoreApplication>
#include <QWidget>

namespace {

constexpr float kGridStep = 0.2f;

// The surface's text is the window's font, sized and bolded for the figure.
QFont figureFont(double points)
{
    return design::font("MS Sans Serif", points, true);
}

// What the figure of a complete choice shows, as a screen reader says it: the circles and
// their distance, then how they lie and which rule holds.
QString circlesInWords(const Choice &choice)
{
    //: The figure in words, as a screen reader says it: %1 and %2 are the radii, %3 the
    //: distance of the centres, all in centimetres.
    return QCoreApplication::translate("Figure",
                                       "Circle with centre P and radius %1 cm, circle with centre "
                                       "Q and radius %2 cm, centres %3 cm apart.")
        .arg(*choice.r1)
        .arg(*choice.r2)
        .arg(*choice.distance);
}

QString relationInWords(const Choice &choice)
{
    //: How the two circles lie, completing "The two circles %1; rule (%2) holds.".
    static const char *const relations[] = {
        QT_TRANSLATE_NOOP("Figure", "touch each other externally"),
        QT_TRANSLATE_NOOP("Figure", "touch each other internally"),
        QT_TRANSLATE_NOOP("Figure", "intersect each other in 2 points"),
        QT_TRANSLATE_NOOP("Figure",
                          "neither intersect nor touch and one of them is inside the other"),
        QT_TRANSLATE_NOOP("Figure", "do not intersect or touch and each is outside the other"),
    };
    const int rule = choice.rule();
    //: The outcome a screen reader says: %1 is how the circles lie (the phrases above), %2 the
    //: number of the rule that holds.
    return QCoreApplication::translate("Figure", "The two circles %1; rule (%2) holds.")
        .arg(QCoreApplication::translate("Figure", relations[rule - 1]))
        .arg(rule);
}

} // namespace

void forEachStipplePoint(const Choice &choice, const std::function<void(float x, float y)> &dot)
{
    const float xStart = float(static_cast<long double>(choice.xP()) - *choice.r1);
    const float xEnd = float(static_cast<long double>(*choice.r2) + choice.xQ());
    const float yStart = float(Choice::kCentreLine - *choice.r1);
    const float yEnd = float(Choice::kCentreLine + *choice.r2);
    for (float x = xStart; x <= xEnd; x += kGridStep) {
        for (float y = yStart; y <= yEnd; y += kGridStep) {
            if (insideBothDiscs(choice, x, y))
                dot(x, y);
        }
    }
}

Figure::Figure(Surface &surface, QWidget *accessibleArea)
    : m_surface(surface), m_accessibleArea(accessibleArea)
{
}

void Figure::drawAfterDistanceChoice(const Choice &choice)
{
    m_surface.clear();
    drawCirclesAndSegment(choice);
    drawLength(choice);
    drawCentre(QLatin1Char('P'), choice.xP(), colours::kGreen);
    drawCentre(QLatin1Char('Q'), choice.xQ(), colours::kDarkGreen);
    drawStipple(choice);
    describe(choice);
}

void Figure::redrawAfterRadiusChoice(const Choice &choice)
{
    if (!choice.complete())
        return;
    m_surface.clear();
    drawCentre(QLatin1Char('P'), choice.xP(), colours::kGreen);
    drawCentre(QLatin1Char('Q'), choice.xQ(), colours::kGreen);
    drawCirclesAndSegment(choice);
    drawLength(choice);
    drawStipple(choice);
    describe(choice);
}

void Figure::erase()
{
    m_surface.clear();
    m_accessibleArea->hide();
}

void Figure::drawCirclesAndSegment(const Choice &choice)
{
    m_surface.drawCircle(choice.centreP(), *choice.r1, colours::kRed, 2);
    m_surface.drawCircle(choice.centreQ(), *choice.r2, colours::kRed, 2);
    m_surface.drawLine(choice.centreP(), choice.centreQ(), colours::kBlue, 2);
}

// The length as " n " in small bold blue figures, 2 mm left of and 3.5 mm above the middle of
// the segment; each position is worked out in double precision and kept as a single.
void Figure::drawLength(const Choice &choice)
{
    const QPointF at(float(Choice::kMidpoint - 0.2), float(Choice::kCentreLine - 0.35));
    m_surface.drawText(at, QStringLiteral(" %1 ").arg(*choice.distance), figureFont(8),
                       colours::kBlue);
}

// A centre: its red letter 1 mm below it and a 3-pixel dot on it.
void Figure::drawCentre(QChar letter, float x, const QColor &dot)
{
    const QPointF at(x, Choice::kCentreLine);
    m_surface.drawText(QPointF(x, float(Choice::kCentreLine + 0.1)), letter, figureFont(10),
                       colours::kRed);
    m_surface.drawDots({at}, dot, 3);
}

void Figure::drawStipple(const Choice &choice)
{
    QList<QPointF> stipple;
    forEachStipplePoint(choice, [&stipple](float x, float y) { stipple.append({x, y}); });
    m_surface.drawDots(stipple, colours::kGreen, 3);
}

void Figure::describe(const Choice &choice)
{
    m_accessibleArea->setAccessibleName(circlesInWords(choice));
    m_accessibleArea->setAccessibleDescription(relationInWords(choice));
    m_accessibleArea->show();
}
