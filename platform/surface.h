#pragma once

#include <QFont>
#include <QImage>
#include <QColor>
#include <QList>
#include <QPointF>
#include <QPicture>
#include <QSize>
#include <QString>

#include <memory>

class QPainter;
class QWidget;

namespace platform {

// The window's own drawing surface. What is drawn stays until clear(), whatever controls are
// shown, hidden or moved over it, like scribble's image. Positions are centimetres from the
// client area's top left, colours 0x00BBGGRR, pen widths logical pixels.
//
// Besides the screen image, every drawing is recorded, so that the figure can be drawn again
// at any resolution: on a screen of another pixel density, or on a printer page.
class Surface
{
public:
    // The owner is the widget that shows the surface; it is asked to repaint what changed.
    Surface(QWidget *owner, QSize logicalSize, quint32 backColour);
    ~Surface();
    Surface(const Surface &) = delete;
    Surface &operator=(const Surface &) = delete;

    // Erases everything drawn; the text position returns to the top left.
    void clear();

    void setDrawWidth(int pixels);
    int drawWidth() const { return m_drawWidth; }

    void drawCircle(double x, double y, double radius, quint32 colour);
    void drawLine(double x1, double y1, double x2, double y2, quint32 colour);
    // A dot as wide as the pen.
    void setPoint(double x, double y, quint32 colour);

    void setCurrentX(double x) { m_currentX = x; }
    void setCurrentY(double y) { m_currentY = y; }
    double currentX() const { return m_currentX; }
    double currentY() const { return m_currentY; }
    void setForeColor(quint32 colour) { m_foreColour = colour; }
    quint32 foreColor() const { return m_foreColour; }
    void setFontSize(double points);
    double fontSize() const { return m_font.pointSizeF(); }
    void setFontBold(bool bold) { m_font.setBold(bold); }
    bool fontBold() const { return m_font.bold(); }

    // Text with its top-left corner at the current text position; afterwards the position moves
    // to the start of the next line.
    void print(const QString &text);
    // A 16-bit integer prints as its digits with a blank before (in place of a plus sign) and one
    // after: 4 prints as " 4 ", -4 as "-4 ".
    void printNumber(qint16 value);
    static QString numberText(qint16 value);

    quint32 backColor() const { return m_backColour; }

    // Draws the surface: on the screen the image is copied; on any other device (a printer, a
    // picture) the recorded drawing is replayed, so it stays sharp at that device's resolution.
    void paint(QPainter &painter, bool toScreen);

    // The screen image, with everything drawn so far (for tests and screenshots).
    const QImage &image();
    // Number of drawing operations since the last clear.
    int operationCount() const { return m_operations; }

    void setDevicePixelRatio(qreal ratio);

private:
    template <typename Draw> void draw(Draw &&draw);
    void beginPainting();
    void drawDots();
    const QImage &dotImage(const QColor &colour, int width);
    void flush();
    QPointF toPixels(double x, double y) const;
    void touched(const QRectF &pixels);

    QWidget *m_owner;
    QSize m_logicalSize;
    // What was drawn since the last clear, and what waits to be shown, in logical pixels.
    QRect m_drawnBounds;
    QRect m_dirty;
    bool m_updatePosted = false;
    quint32 m_backColour;
    qreal m_ratio = 1.0;
    QImage m_image;
    QList<QPicture> m_record;
    QPicture m_batch;
    std::unique_ptr<QPainter> m_imagePainter;
    std::unique_ptr<QPainter> m_batchPainter;

    int m_drawWidth = 1;
    double m_currentX = 0;
    double m_currentY = 0;
    quint32 m_foreColour = 0x00000000;
    QFont m_font;
    int m_operations = 0;

    // The run of dots not yet drawn, all of one colour and width.
    QList<QPointF> m_dots;
    quint32 m_dotColour = 0;
    int m_dotWidth = 1;
    QImage m_dotImage;
    QColor m_dotImageColour;
    int m_dotImageWidth = 0;
};

} // namespace platform
