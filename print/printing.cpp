#include "print/printing.h"

#include "platform/truescale.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>

namespace {

std::optional<int> askTheSystem(QPrinter &printer, QWidget *window)
{
    QPrintDialog dialog(&printer, window);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    // The window prints each copy as a page of its own; a printer left to make its own copies
    // as well would multiply them.
    const int copies = printer.copyCount();
    printer.setCopyCount(1);
    return copies;
}

} // namespace

Printing::Printing(QWidget *window) : m_window(window) {}

Printing::~Printing() = default;

QPrinter &Printing::printer()
{
    // Made when first needed: looking up the system's printers costs time that a lesson which
    // never prints should not pay.
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setPageOrientation(QPageLayout::Landscape);
        if (!m_printer->setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter))
            m_printer->setPageMargins(m_printer->pageLayout().minimumMargins(),
                                      m_printer->pageLayout().units());
    }
    return *m_printer;
}

void Printing::print()
{
    QPrinter &target = printer();
    const std::optional<int> copies = m_dialog ? m_dialog(target) : askTheSystem(target, m_window);
    if (!copies)
        return;
    TrueScaleJob job(m_window, target);
    for (int copy = 1; copy <= *copies; ++copy) {
        const bool printed = m_printPage ? m_printPage(copy) : job.printPage();
        if (!printed)
            break;
    }
}
