#include "window/lessonwindow.h"

#include "relation/listvalue.h"
#include "window/frames.h"
#include "window/placeholders.h"
#include "window/richtextrules.h"

// The pupil's three choices. At first the lists open one after the other (r1, then r2, then
// PQ); once all three hold a value any of them can be changed, and every change classifies the
// pair again and redraws the figure. Whether a list has been chosen is read from its own text:
// it is chosen as soon as it no longer shows its placeholder.

namespace {

constexpr quint32 kBlue = 0x00FF0000;

const QString kDistancePrompt =
    QStringLiteral(" Select the distance PQ between  their centers P and Q");

} // namespace

void LessonWindow::cboR1_Click()
{
    r1 = readListValue(cboR1->Text());
    cboR2->setEnabled(true);

    const bool distanceChosen = cboPQ->Text() != kPQPlaceholder;
    const bool r2Chosen = cboR2->Text() != kR2Placeholder;
    if (!distanceChosen && r2Chosen) {
        rtfSelect->hide();
        lblPQ->show();
        lblPQ->setCaption(kDistancePrompt);
    } else {
        lblPQ->hide();
    }
    if (distanceChosen && r2Chosen) {
        HighlightRelation();
        setFrameHeights(*Shape1, *Shape2, *Shape3, kFullFrameHeight);
    }

    lblR1->show();
    lblR11->show();
    cboR1->setBackColor(form->backColor());
    DrawFigure();
}

void LessonWindow::cboR2_Click()
{
    r2 = readListValue(cboR2->Text());
    cboPQ->setEnabled(true);

    const bool distanceChosen = cboPQ->Text() != kPQPlaceholder;
    const bool r1Chosen = cboR1->Text() != kR1Placeholder;
    if (!distanceChosen && r1Chosen) {
        rtfSelect->hide();
        lblPQ->show();
        lblPQ->setCaption(kDistancePrompt);
    } else {
        lblPQ->hide();
    }
    if (distanceChosen && r1Chosen) {
        HighlightRelation();
        setFrameHeights(*Shape1, *Shape2, *Shape3, kFullFrameHeight);
    }

    lblR2->show();
    lblR22->show();
    cboR2->setBackColor(form->backColor());
    DrawFigure();
}

void LessonWindow::cboPQ_Click()
{
    PQ = readListValue(cboPQ->Text());
    surface().clear();

    lblPrint->show();
    lblPQ->hide();
    lblPQ1->show();

    rtfSelect->show();
    rtfSelect->setText(QStringLiteral("You can rearrange r1 , r2 and PQ"));
    rtfSelect->setSelAlignment(2);
    ColourWholeText(*rtfSelect, kBlue);
    FormatSubscript(*rtfSelect, QStringLiteral("r1"), QStringLiteral("1"), -60, 7);
    FormatSubscript(*rtfSelect, QStringLiteral("r2"), QStringLiteral("2"), -60, 7);

    DrawDistanceFigure();
    cboPQ->setBackColor(form->backColor());
    HighlightRelation();
    // The list cue has nothing left to point at.
    Timer5->setEnabled(false);
    Timer6->setEnabled(false);
    ShadeCommonRegion();
    setFrameHeights(*Shape1, *Shape2, *Shape3, kFullFrameHeight);
}
