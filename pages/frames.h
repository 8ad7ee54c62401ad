#pragma once

#include <QWidget>

#include <optional>

// Three nested rectangles round the lesson area. The inner one's and outer one's heights follow
// from the height the middle one took.
class Frames : public QWidget
{
    Q_OBJECT

public:
    explicit Frames(QWidget *parent);

    static constexpr double kFullHeight = 17.595;
    static constexpr double kShortHeight = 7.595;
    void setMiddleHeight(double cm);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Until a page sets it, each frame has its designed height.
    std::optional<float> m_middle;
};
