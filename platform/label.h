#pragma once

#include "platform/fonts.h"
#include "platform/pointer.h"
#include "platform/twips.h"

#include <QLabel>

#include <optional>

namespace platform {

enum class Align
{
    Left,
    Right,
    Centre
};

struct LabelDesign
{
    const char *name;
    TwipsRect rect;
    QString caption;
    FontSpec font;
    quint32 fore = 0x80000008;
    std::optional<quint32> back; // none: transparent, only the letters are drawn
    bool visible = true;
    Align align = Align::Left;
    Pointer pointer = Pointer::Default;
};

// A windowless text label. It takes clicks and mouse movement over its whole rectangle, even
// where it is transparent, so the window's own mouse-move handler never runs under it.
class Label : public QLabel
{
    Q_OBJECT

public:
    Label(QWidget *parent, const LabelDesign &design);

    // The control's own Visible setting, whether or not the window is on screen yet.
    bool Visible() const { return !isHidden(); }
    void setCaption(const QString &caption) { setText(caption); }
    QString caption() const { return text(); }
    void setForeColor(quint32 colour);
    quint32 foreColor() const { return m_fore; }
    void setBackColor(quint32 colour);
    std::optional<quint32> backColor() const { return m_back; }
    void setFontName(const QString &face);
    void setFontSize(double points);
    void setFontBold(bool bold);
    void setFontUnderline(bool underline);

    // Positions in centimetres from the client area's top left.
    double Left() const;
    double Top() const;
    void setLeft(double cm);
    void setTop(double cm);

signals:
    void clicked();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void applyRect();

    TwipsRect m_rect;
    quint32 m_fore;
    std::optional<quint32> m_back;
    bool m_pressed = false;
};

} // namespace platform
