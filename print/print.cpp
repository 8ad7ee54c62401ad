#include "window/lessonwindow.h"

void LessonWindow::lblPrint_Click() {}
