#pragma once

#include <QWidget>

// A block arrow pointing right at the three lists, with a hint inside.
class HelpArrow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpArrow(QWidget *parent);
    QSize hintOverflow() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};
