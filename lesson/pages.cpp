#include "window/lessonwindow.h"

void LessonWindow::lblNext_Click() {}
void LessonWindow::lblBack_Click() {}
