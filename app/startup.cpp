#include "window/lessonwindow.h"

void LessonWindow::Form_Load() {}
void LessonWindow::lblHome_Click() {}
