#include "window/lessonwindow.h"

void LessonWindow::Timer1_Timer() {}
void LessonWindow::Timer2_Timer() {}
void LessonWindow::Timer5_Timer() {}
void LessonWindow::Timer6_Timer() {}
