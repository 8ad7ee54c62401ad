#include "window/lessonwindow.h"

void LessonWindow::Form_MouseMove() {}
void LessonWindow::lblNext_MouseMove() {}
void LessonWindow::lblBack_MouseMove() {}
void LessonWindow::lblHome_MouseMove() {}
void LessonWindow::lblPrint_MouseMove() {}
void LessonWindow::lblCombo_MouseMove() {}
void LessonWindow::rtfSelect_MouseMove() {}
