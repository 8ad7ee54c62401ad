#include "window/lessonwindow.h"

void LessonWindow::cboR1_Click() {}
void LessonWindow::cboR2_Click() {}
void LessonWindow::cboPQ_Click() {}
