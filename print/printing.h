#pragma once

#include <QString>

#include <memory>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

// One page per copy; a failed print says so, leaves no complete-looking file, and starts afresh.
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
