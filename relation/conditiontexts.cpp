#include "window/lessonwindow.h"

void LessonWindow::WriteConditionTexts() {}
