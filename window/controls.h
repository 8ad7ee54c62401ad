#pragma once

#include "buttons/lessonbuttons.h"
#include "lists/choicelists.h"
#include "pages/pages.h"

#include <array>

class Figure;
class HelpArrow;
class QTextEdit;

// Every control of the lesson window, grouped by the part of the lesson that looks after them.
struct Controls
{
    Figure *figure;
    Pages::Texts pages;
    ChoiceLists::Widgets lists;
    LessonButtons::Widgets buttons;
    std::array<QTextEdit *, 5> rules;
    QTextEdit *note;
    HelpArrow *helpArrow;
};

Controls buildControls(QWidget *window);
