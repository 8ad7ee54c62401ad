#pragma once

#include <QObject>
#include <QRectF>
#include <QSizeF>

#include <functional>
#include <memory>
#include <optional>

class QPainter;
class QPrinter;
class QWidget;

namespace platform {

// The error a cancelled printer dialog raises while CancelError is on.
inline constexpr int kErrorCancel = 32755;
// The error of a printer that cannot take a page.
inline constexpr int kErrorPrinter = 482;

// Where a window of the given true size (its size on paper at one centimetre per centimetre)
// lands in a printable area: at true scale where it fits, otherwise scaled down to fit, keeping
// its proportions; centred either way. Both in the printer's device pixels.
QRectF placeOnPage(QSizeF trueSize, QRectF printable);

// The window's common dialog, used for its printer dialog, and the printer chosen there. It
// prints the window's client area, with its controls and its drawing, as a page of one print
// job; the job ends with EndDoc, so that copies sent to a file all land in it.
class CommonDialog : public QObject
{
    Q_OBJECT

public:
    CommonDialog(QWidget *window, const char *name);
    ~CommonDialog() override;

    // With CancelError on, a cancelled dialog raises error 32755 instead of returning normally.
    bool CancelError() const { return m_cancelError; }
    void setCancelError(bool on) { m_cancelError = on; }

    // Shows the printer dialog modally and returns when it closes; the printer chosen there is
    // the one PrintForm prints to.
    void ShowPrinter();
    // The number of copies asked for in the last confirmed dialog.
    int Copies() const { return m_copies; }
    // Prints the window's client area as one page; raises an error if the printer fails.
    void PrintForm();
    // Ends the print job, if one is open: the pages printed so far go to the printer. Never
    // raises; returns whether the job went out (true when there was none).
    bool EndDoc();

    // The printer the dialog chooses, made on first use: high resolution, landscape like the
    // window, with narrow margins so that the window fits an A4 or Letter sheet at true scale.
    QPrinter &printer();

    // What the dialog and the printer do. By default Qt's print dialog over printer() (on Linux
    // it also offers printing to a PDF file) and pages rendered onto it; tests replace them to
    // script a cancel, the copies asked for or a failing page.
    struct System
    {
        // Shows the dialog modally: the copies asked for, or nothing when it was cancelled.
        std::function<std::optional<int>()> showDialog;
        // Prints one page; raises an error when the printer fails.
        std::function<void()> printPage;
        // Sends the pages printed so far; false when that failed.
        std::function<bool()> endJob;
    };
    System &system() { return m_system; }

private:
    std::optional<int> execPrintDialog();
    void renderPage();
    bool finishJob();

    QWidget *m_window;
    bool m_cancelError = false;
    int m_copies = 1;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_job;
    System m_system;
};

} // namespace platform
