#pragma once

#include "platform/twips.h"

#include <QWidget>

namespace platform {

struct FrameDesign
{
    const char *name;
    TwipsRect rect;
    quint32 back;
    bool visible = true;
};

// A borderless container; its children are placed relative to it and clipped to it. It takes
// the mouse over its rectangle, so the window's own mouse-move handler does not run there.
class Frame : public QWidget
{
    Q_OBJECT

public:
    Frame(QWidget *parent, const FrameDesign &design);
    bool Visible() const { return !isHidden(); }
};

} // namespace platform
