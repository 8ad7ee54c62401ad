#pragma once

#include <memory>

class QPainter;
class QPrinter;
class QWidget;

// Printing a window at true scale: a centimetre on the screen is a centimetre on paper, so
// pupils can check the figure with a ruler.

// One print job on a printer: each page shows the window as it stands, with its controls and
// its drawing, at true scale and centred. The pages go to the printer when the job ends (or is
// destroyed), so copies sent to a file all land in it.
class TrueScaleJob
{
public:
    TrueScaleJob(QWidget *window, QPrinter &printer);
    ~TrueScaleJob();
    TrueScaleJob(const TrueScaleJob &) = delete;
    TrueScaleJob &operator=(const TrueScaleJob &) = delete;

    // Prints the window as the next page; false if the printer cannot take it.
    bool printPage();
    // Sends the pages printed so far; false if that failed. Nothing to send is no failure.
    bool finish();

private:
    QWidget *m_window;
    QPrinter &m_printer;
    std::unique_ptr<QPainter> m_painter;
};
