// The yardstick for the lesson's start-up: a bare Qt program that opens one empty window with
// the lesson's client size (1018 x 736) and style, and exits after its first painted frame.
// With --text the window also shows one line of text, so that the price of loading the first
// font, which an empty window never pays, can be told apart from the lesson's own.

#include "firstframe.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(1018, 736);
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
        auto *label = new QLabel(QStringLiteral("Relative position of two circles"), &window);
        label->move(40, 40);
    }
    exitAfterFirstFrame(&window);
    window.show();
    return QApplication::exec();
}
