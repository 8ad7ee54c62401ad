#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPicture>
#include <QPointF>
#include <QSize>
#include <QString>

class QPainter;
class QWidget;

// The window's own drawing surface, behind every control. What is drawn stays until clear(),
// whatever controls are shown, hidden or moved over it, like scribble's image. Positions are
// centimetres from the client area's top left; pen widths are logical pixels.
//
// Besides the screen image every drawing is recorded, so that it can be drawn again at any
// resolution: on a screen of another pixel density, or on a printer page.
class Surface
{
    Q_DISABLE_COPY(Surface)

public:
    // The owner shows the surface and is asked to repaint what changed.
    Surface(QWidget *owner, QSize logicalSize);

    void clear();
    void drawCircle(QPointF centre, double radius, const QColor &colour, int penWidth);
    void drawLine(QPointF from, QPointF to, const QColor &colour, int penWidth);
    // Round dots as wide as the pen, all in one step: a stipple has thousands.
    void drawDots(const QList<QPointF> &centres, const QColor &colour, int width);
    // Text with its top-left corner at the given place.
    void drawText(QPointF topLeft, const QString &text, const QFont &font, const QColor &colour);

    // Draws the surface: on the screen at its density the image is copied; on any other device
    // (a printer, a picture, another scale) the record is replayed, sharp at that resolution.
    void paint(QPainter &painter);
    void setDevicePixelRatio(qreal ratio);

private:
    template <typename OnScreen, typename InRecord>
    void draw(const QRectF &area, OnScreen &&onScreen, InRecord &&inRecord);

    QWidget *m_owner;
    QSize m_logicalSize;
    // What was drawn since the last clear, in logical pixels.
    QRect m_drawnBounds;
    qreal m_ratio = 1.0;
    QImage m_image;
    // One picture per drawing step.
    QList<QPicture> m_record;
};
