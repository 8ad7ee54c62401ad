#include "window/lessonwindow.h"

#include "window/placeholders.h"

// Hover feedback: a label button turns red under the mouse and blue again once the mouse crosses
// the bare window. Hovering "Next" pauses its blinking; the bare window and the message box at
// the top resume it. The help arrow appears when the mouse comes near the lists after all three
// are chosen on the practice page, and goes when it crosses the bare window.

namespace {

constexpr quint32 kRed = 0x000000FF;
constexpr quint32 kBlue = 0x00FF0000;

} // namespace

void LessonWindow::Form_MouseMove()
{
    frameHelp->setVisible(false);
    lblBack->setForeColor(kBlue);
    lblHome->setForeColor(kBlue);
    lblPrint->setForeColor(kBlue);
    Timer1->setEnabled(true);
}

void LessonWindow::lblNext_MouseMove()
{
    lblNext->setForeColor(kRed);
    lblNext->setFontBold(false);
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
}

void LessonWindow::lblBack_MouseMove()
{
    lblBack->setForeColor(kRed);
}

void LessonWindow::lblHome_MouseMove()
{
    lblHome->setForeColor(kRed);
}

void LessonWindow::lblPrint_MouseMove()
{
    lblPrint->setForeColor(kRed);
}

// Unlike the bare window, the message box leaves Print as it is and the help arrow shown.
void LessonWindow::rtfSelect_MouseMove()
{
    lblBack->setForeColor(kBlue);
    lblHome->setForeColor(kBlue);
    Timer1->setEnabled(true);
}

void LessonWindow::lblCombo_MouseMove()
{
    const bool allChosen = cboPQ->Text() != kPQPlaceholder && cboR2->Text() != kR2Placeholder &&
                           cboR1->Text() != kR1Placeholder;
    if (allChosen && !lblNext->Visible())
        frameHelp->setVisible(true);
}
