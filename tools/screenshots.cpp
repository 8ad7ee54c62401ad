// Renders the lesson window offscreen into PNG files, for the README and for looking at what a
// pupil sees. The window is driven through its own handlers, as a pupil's clicks would.
// Usage: lesson-screenshots [output-folder]   (QT_SCALE_FACTOR=2 renders a high-density set)

#include "platform/commondialog.h"
#include "window/lessonwindow.h"

#include <QApplication>
#include <QDir>
#include <QPageSize>
#include <QPixmap>
#include <QPrinter>

#include <cstdio>

namespace {

void save(LessonWindow &window, const QString &folder, const QString &name)
{
    QCoreApplication::processEvents();
    const QString path = QDir(folder).filePath(name);
    if (!window.form->grab().save(path))
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

// A pupil's pick of the item with that text.
void pick(platform::ComboBox *list, const QString &item, void (LessonWindow::*handler)(),
          LessonWindow &window)
{
    list->setCurrentIndex(list->findText(item));
    (window.*handler)();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);

    LessonWindow w;
    w.Form_Load();
    w.show();
    save(w, folder, QStringLiteral("introduction.png"));

    w.lblNext_Click();
    save(w, folder, QStringLiteral("guided-start.png"));

    pick(w.cboR1, QStringLiteral("3"), &LessonWindow::cboR1_Click, w);
    pick(w.cboR2, QStringLiteral("2"), &LessonWindow::cboR2_Click, w);
    save(w, folder, QStringLiteral("choose-distance.png"));
    pick(w.cboPQ, QStringLiteral("4"), &LessonWindow::cboPQ_Click, w);
    save(w, folder, QStringLiteral("figure-r3-r2-pq4.png"));

    w.lblPrint_MouseMove();
    w.lblCombo_MouseMove();
    save(w, folder, QStringLiteral("hover-print.png"));

    // The page Print gives, as a PDF file on A4 (the Makefile turns it into a PNG).
    QPrinter &printer = w.CommonDialog1->printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    const QString pdf = QDir(folder).filePath(QStringLiteral("printed-page.pdf"));
    printer.setOutputFileName(pdf);
    w.CommonDialog1->PrintForm();
    if (w.CommonDialog1->EndDoc())
        std::printf("%s\n", qPrintable(pdf));

    // The pupil's pointer crosses the window on its way to Back, which puts the help away.
    w.Form_MouseMove();
    w.lblBack_MouseMove();
    w.lblBack_Click();
    save(w, folder, QStringLiteral("after-back.png"));
    return 0;
}
