#pragma once

#include <memory>

class QPainter;
class QPagedPaintDevice;
class QWidget;

// Printing a window at true scale: a centimetre on the screen is a centimetre on paper, so
// pupils can check the figure with a ruler.

// One print job on a printer or a PDF writer of the given resolution: each page shows the
// window as it stands, with its controls and its drawing, at true scale and centred. The pages
// go to the device when the job ends (or is destroyed), so copies sent to a file all land in it.
class TrueScaleJob
{
public:
    TrueScaleJob(QWidget *window, QPagedPaintDevice &device, int resolution);
    ~TrueScaleJob();
    TrueScaleJob(const TrueScaleJob &) = delete;
    TrueScaleJob &operator=(const TrueScaleJob &) = delete;

    // Prints the window as the next page; false if the printer cannot take it.
    bool printPage();
    // Sends the pages printed so far; false if that failed. Nothing to send is no failure.
    bool finish();

private:
    QWidget *m_window;
    QPagedPaintDevice &m_device;
    int m_resolution;
    std::unique_ptr<QPainter> m_painter;
};
