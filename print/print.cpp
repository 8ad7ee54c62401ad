#include "window/lessonwindow.h"

#include "platform/commondialog.h"
#include "platform/integer16.h"
#include "platform/runtimeerror.h"

#include <exception>

// Print: the printer dialog, then the window as it stands, one page per copy asked for.
void LessonWindow::lblPrint_Click()
{
    try {
        CommonDialog1->setCancelError(true);
        CommonDialog1->ShowPrinter();
        const qint16 copies = platform::toInt16(CommonDialog1->Copies());
        for (int copy = 1; copy <= copies; ++copy)
            CommonDialog1->PrintForm();
    } catch (const platform::RuntimeError &) {
        // Cancelled, no printer, a failing page or more copies than 16 bits hold: the click ends
        // without a message.
    } catch (const std::exception &) {
    }
    // The pages printed so far go to the printer, after an error as well.
    CommonDialog1->EndDoc();
}
