#include "window/lessonwindow.h"

#include "window/placeholders.h"

// The two blinking cues. Timer1 and Timer2 make "Next" flicker between red and plain and blue and
// bold; Timer5 and Timer6 colour the list that waits for the pupil's choice magenta and cyan.
//
// Each tick shows its own style and hands the cue over to its partner: it switches the partner
// on and itself off, so exactly one timer of a pair runs and each style stays for one interval.
// If both timers of a pair simply stayed on, their ticks would fall together and one style
// would show nearly all the time. The partner is started afresh, because switching on a timer
// that is already running keeps its old schedule; the hover over the bare window switches
// Timer1 on with every mouse movement, and a partner due at once would wipe the style just set.

namespace {

constexpr quint32 kRed = 0x000000FF;
constexpr quint32 kBlue = 0x00FF0000;
constexpr quint32 kMagenta = 0x00FF00FF;
constexpr quint32 kCyan = 0x00FFFF00;

void handOver(platform::Timer *from, platform::Timer *to)
{
    to->setEnabled(false);
    to->setEnabled(true);
    from->setEnabled(false);
}

// Colours the list that waits for a choice; a list waits while it shows its placeholder, and
// one list at a time in the order r1, r2, PQ.
void colourWaitingList(LessonWindow &w, quint32 colour)
{
    if (w.cboR1->Text() == kR1Placeholder)
        w.cboR1->setBackColor(colour);
    if (w.cboR2->Text() == kR2Placeholder && w.cboR1->Text() != kR1Placeholder)
        w.cboR2->setBackColor(colour);
    if (w.cboPQ->Text() == kPQPlaceholder && w.cboR2->Text() != kR2Placeholder)
        w.cboPQ->setBackColor(colour);
}

} // namespace

void LessonWindow::Timer1_Timer()
{
    lblNext->setForeColor(kRed);
    lblNext->setFontBold(false);
    handOver(Timer1, Timer2);
}

void LessonWindow::Timer2_Timer()
{
    lblNext->setForeColor(kBlue);
    lblNext->setFontBold(true);
    handOver(Timer2, Timer1);
}

void LessonWindow::Timer5_Timer()
{
    colourWaitingList(*this, kMagenta);
    handOver(Timer5, Timer6);
}

void LessonWindow::Timer6_Timer()
{
    colourWaitingList(*this, kCyan);
    handOver(Timer6, Timer5);
}
