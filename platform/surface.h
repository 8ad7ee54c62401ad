#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPicture>
#include <QPointF>
#include <QSize>
#include <QString>

#include <memory>

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
public:
    // The owner shows the surface and is asked to repaint what changed.
    Surface(QWidget *owner, QSize logicalSize);
    ~Surface();
    Surface(const Surface &) = delete;
    Surface &operator=(const Surface &) = delete;

    void clear();
    void drawCircle(QPointF centre, double radius, const QColor &colour, int penWidth);
    void drawLine(QPointF from, QPointF to, const QColor &colour, int penWidth);
    // A round dot as wide as the pen.
    void drawDot(QPointF at, const QColor &colour, int width);
    // Text with its top-left corner at the given place.
    void drawText(QPointF topLeft, const QString &text, const QFont &font, const QColor &colour);

    // Draws the surface: on the screen at its density the image is copied; on any other device
    // (a printer, a picture, another scale) the record is replayed, sharp at that resolution.
    void paint(QPainter &painter);
    // The screen image with everything drawn so far (for tests and screenshots).
    const QImage &image();
    void setDevicePixelRatio(qreal ratio);

private:
    template <typename Draw> void draw(Draw &&draw);
    void beginPainting();
    void drawDots();
    const QImage &dotImage(const QColor &colour, int width);
    void flush();
    void touched(const QRectF &pixels);

    QWidget *m_owner;
    QSize m_logicalSize;
    // What was drawn since the last clear, and what waits to be shown, in logical pixels.
    QRect m_drawnBounds;
    QRect m_dirty;
    bool m_updatePosted = false;
    qreal m_ratio = 1.0;
    QImage m_image;
    QList<QPicture> m_record;
    QPicture m_batch;
    std::unique_ptr<QPainter> m_imagePainter;
    std::unique_ptr<QPainter> m_batchPainter;

    // The run of dots not yet drawn, all of one colour and width.
    QList<QPointF> m_dots;
    QColor m_dotColour;
    int m_dotWidth = 1;
    QImage m_dotImage;
    QColor m_dotImageColour;
    int m_dotImageWidth = 0;
};
