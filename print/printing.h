#pragma once

#include <functional>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;

// Print: the printer dialog, then the window as it stands, one page per copy asked for, at true
// scale. Cancelling the dialog, or a printer that fails on the way, ends the action quietly:
// the pages printed so far go to the printer and nothing on the window changes.
class Printing
{
public:
    explicit Printing(QWidget *window);
    ~Printing();

    void print();

    // The printer the dialog chooses, made on first use: high resolution, landscape like the
    // window, with narrow margins so that the window fits an A4 or Letter sheet at true scale.
    QPrinter &printer();

    // What the dialog answers (the copies asked for, or nothing when cancelled) and how a page
    // is printed (false when the printer fails). By default Qt's print dialog and the window at
    // true scale; tests script them.
    using Dialog = std::function<std::optional<int>(QPrinter &)>;
    using PagePrinter = std::function<bool(int copy)>;
    void replaceDialog(Dialog dialog) { m_dialog = std::move(dialog); }
    void replacePagePrinter(PagePrinter printPage) { m_printPage = std::move(printPage); }

private:
    QWidget *m_window;
    std::unique_ptr<QPrinter> m_printer;
    Dialog m_dialog;
    PagePrinter m_printPage;
};
