#pragma once

#include <array>

class ChoiceList;
class Frames;
class HelpArrow;
class LabelButton;
class QLabel;
class QTextEdit;
class QWidget;

// Every control of the lesson window, as the design places them.
struct Controls
{
    QWidget *figureArea;
    QLabel *heading;
    std::array<QWidget *, 2> r1Caption;
    std::array<QWidget *, 2> r2Caption;
    QLabel *distanceCaption;
    QLabel *promptLine;
    QLabel *possibilities;
    QWidget *listSurroundings;
    Frames *frames;
    LabelButton *home;
    LabelButton *back;
    LabelButton *next;
    LabelButton *print;
    QTextEdit *messageLine;
    std::array<QTextEdit *, 5> rules;
    QTextEdit *note;
    QTextEdit *firstSentence;
    QTextEdit *secondSentence;
    ChoiceList *r1;
    ChoiceList *r2;
    ChoiceList *distance;
    HelpArrow *helpArrow;
};

// Makes the controls on the window in their designed places, fonts, colours and visibility.
Controls buildControls(QWidget *window);
