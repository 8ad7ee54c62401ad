#pragma once

#include "platform/fonts.h"
#include "platform/twips.h"

#include <QPushButton>

namespace platform {

struct ButtonDesign
{
    const char *name;
    TwipsRect rect;
    QString caption;
    FontSpec font;
    quint32 back = 0x8000000F;
    bool visible = true;
};

// A push button. The lesson's one button has no action; it only moves with the pages.
class CommandButton : public QPushButton
{
    Q_OBJECT

public:
    CommandButton(QWidget *parent, const ButtonDesign &design);

    double Left() const { return twipsToCentimetres(m_rect.left); }
    double Top() const { return twipsToCentimetres(m_rect.top); }
    // Moves to (left, top) in centimetres; the size stays.
    void Move(double leftCm, double topCm);

private:
    TwipsRect m_rect;
};

} // namespace platform
