#pragma once

#include <QString>

#include <memory>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

// Print: the system's printer dialog, then the window as it stands, one page per copy asked
// for, at true scale. Cancelling the dialog prints nothing and says nothing. A print that fails
// says so in one short message, and a file that could not be written whole is not left behind
// looking complete; the next print starts afresh.
class Printing
{
public:
    explicit Printing(QWidget *window);
    ~Printing();

    void print();

private:
    QPrinter &printer();
    // Both false when the pages could not be made or sent, with the reason in m_failure.
    bool printPages(QPagedPaintDevice &device, int resolution, int copies);
    bool printToFile(const QString &fileName, int copies);

    QWidget *m_window;
    std::unique_ptr<QPrinter> m_printer;
    QString m_failure;
};
