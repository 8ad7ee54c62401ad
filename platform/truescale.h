#pragma once

#include <memory>

class QPainter;
class QPagedPaintDevice;
class QWidget;

// One print job of a window at true scale, so that pupils can check the figure with a ruler:
// each page shows the window as it stands, centred. The pages go to the device when the job
// ends, so copies sent to a file all land in it.
class TrueScaleJob
{
public:
    TrueScaleJob(QWidget *window, QPagedPaintDevice &device, int resolution);
    ~TrueScaleJob();
    TrueScaleJob(const TrueScaleJob &) = delete;
    TrueScaleJob &operator=(const TrueScaleJob &) = delete;

    // Both false on failure; nothing to send is no failure.
    bool printPage();
    bool finish();

private:
    QWidget *m_window;
    QPagedPaintDevice &m_device;
    int m_resolution;
    std::unique_ptr<QPainter> m_painter;
};
