#pragma once

#include <QWidget>

// The help panel: a block arrow pointing right at the three lists, with a hint inside. Its
// outline is dark green below and magenta above; the parts above the panel's top edge are cut
// off by the panel.
class HelpArrow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpArrow(QWidget *parent);
    // How far the hint runs out of its place in the panel, across and down, at the zoom.
    QSize hintOverflow() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};
