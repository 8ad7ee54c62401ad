#pragma once

#include "platform/surface.h"
#include "platform/twips.h"

#include <QWidget>

namespace platform {

// The lesson window: a fixed client area in the design's twips, a background colour, the
// persistent drawing surface behind every control, and the window's own mouse-move event,
// which fires only where no control lies (the bare surface).
class Form : public QWidget
{
    Q_OBJECT

public:
    Form(const QString &objectName, const QString &caption, double clientWidthTwips,
         double clientHeightTwips, quint32 backColour);

    Surface &surface() { return m_surface; }
    quint32 backColor() const { return m_backColour; }
    void setBackColor(quint32 colour);

    // Places the window so that its client area starts at the designed screen position, kept
    // on the screen.
    void placeOnScreen(double leftTwips, double topTwips);

signals:
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    quint32 m_backColour;
    Surface m_surface;
};

} // namespace platform
