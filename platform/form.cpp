#include "platform/form.h"

#include "platform/colour.h"
#include "platform/program.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QScreen>

namespace platform {

Form::Form(const QString &objectName, const QString &caption, double clientWidthTwips,
           double clientHeightTwips, quint32 backColour)
    : m_backColour(backColour),
      m_surface(this, QSize(twipsToPixels(clientWidthTwips), twipsToPixels(clientHeightTwips)),
                backColour)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    // No maximise or minimise button; the client area has the designed size and keeps it.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(twipsToPixels(clientWidthTwips), twipsToPixels(clientHeightTwips));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_surface.setDevicePixelRatio(devicePixelRatioF());
}

void Form::setBackColor(quint32 colour)
{
    m_backColour = colour;
    update();
}

void Form::placeOnScreen(double leftTwips, double topTwips)
{
    QPoint at(twipsToPixels(leftTwips), twipsToPixels(topTwips));
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        at.setX(
            qBound(available.left(), at.x(), qMax(available.left(), available.right() - width())));
        at.setY(
            qBound(available.top(), at.y(), qMax(available.top(), available.bottom() - height())));
    }
    move(at);
}

void Form::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), colourFromBgr(m_backColour));
    // The screen gets the image. A window rendered at another scale or into a printer or
    // picture gets the recorded drawing, replayed at that device's own resolution.
    const bool raster =
        painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster;
    const bool sameScale = qFuzzyCompare(painter.deviceTransform().m11(), devicePixelRatioF());
    m_surface.paint(painter, raster && sameScale);
}

void Form::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit mouseMoved();
}

void Form::closeEvent(QCloseEvent *event)
{
    // The close box ends the lesson just as Home does.
    event->accept();
    if (!programEnded())
        endProgram(0);
}

bool Form::event(QEvent *event)
{
    if (event->type() == QEvent::ScreenChangeInternal) {
        m_surface.setDevicePixelRatio(devicePixelRatioF());
        update();
    }
    return QWidget::event(event);
}

} // namespace platform
