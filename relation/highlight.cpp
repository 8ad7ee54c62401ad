#include "window/lessonwindow.h"

void LessonWindow::HighlightRelation() {}
