// Renders the lesson window offscreen into PNG files, for the README and for looking at what
// the pupil sees. Usage: lesson-screenshots [output-folder]

#include "window/lessonwindow.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

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

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);

    LessonWindow window;
    window.Form_Load();
    window.show();
    save(window, folder, QStringLiteral("introduction.png"));
    return 0;
}
