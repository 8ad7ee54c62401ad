#include "window/lessonwindow.h"

void LessonWindow::DrawDistanceFigure() {}
void LessonWindow::DrawFigure() {}
void LessonWindow::ShadeCommonRegion() {}
