#include "window/lessonwindow.h"

#include "app/contactline.h"
#include "platform/program.h"
#include "window/richtextrules.h"

namespace {

constexpr quint32 kBlue = 0x00FF0000;
constexpr int kAlignLeft = 0;
constexpr int kAlignCentre = 2;
// The introduction sentences lower their digits less than the note and the rules do.
constexpr int kSentenceSubscriptOffset = -60;
constexpr int kNoteSubscriptOffset = -80;
constexpr double kSubscriptSize = 7;

// Each introduction box names r1, r2 or both; a token the text lacks changes nothing.
void lowerRadiusDigits(platform::RichTextBox &box, int offsetTwips)
{
    FormatSubscript(box, QStringLiteral("r1"), QStringLiteral("1"), offsetTwips, kSubscriptSize);
    FormatSubscript(box, QStringLiteral("r2"), QStringLiteral("2"), offsetTwips, kSubscriptSize);
}

} // namespace

// Fills the lists and writes the introduction page. The lists keep showing their placeholders;
// the window-level values stay zero until the pupil chooses.
void LessonWindow::Form_Load()
{
    for (int i = 1; i <= 5; ++i) {
        cboR1->AddItem(QString::number(i));
        cboR2->AddItem(QString::number(i));
    }
    for (int i = 0; i <= 12; ++i)
        cboPQ->AddItem(QString::number(i));

    // The invitation lies at the top of the window by design; the introduction shows it lower.
    lblPQ->setTop(16.0);
    lblPQ->setCaption(QStringLiteral("Let us test it for practice..    Click 'Next'."));

    // The heading ends in a superscript two (R squared, the plane).
    lblRelative->setCaption(QStringLiteral("Relative position of two circles in R") +
                            QChar(0x00B2));

    rtfSuppose1->setText(
        QStringLiteral("Suppose that the centre of a circle is P and its radius is r1."));
    rtfSuppose1->setSelAlignment(kAlignLeft);
    lowerRadiusDigits(*rtfSuppose1, kSentenceSubscriptOffset);

    rtfSuppose2->setText(QStringLiteral(
        "Suppose that in the same plane there is another circle with centre Q and radius r2."));
    rtfSuppose2->setSelAlignment(kAlignLeft);
    lowerRadiusDigits(*rtfSuppose2, kSentenceSubscriptOffset);

    rtfHighlight->setText(QStringLiteral("It  will  be  highlighted  according  to  your  "
                                         "selection  of  r1 ,  r2  and  PQ."));
    rtfHighlight->setSelAlignment(kAlignCentre);
    lowerRadiusDigits(*rtfHighlight, kNoteSubscriptOffset);

    // The contact line keeps the box's design font; only its colour is set.
    rtfSelect->show();
    rtfSelect->setText(contactLine());
    ColourWholeText(*rtfSelect, kBlue);

    lblHelp->setCaption(
        QStringLiteral("Double Click any of these 3 buttons and turn mouse wheel."));

    WriteConditionTexts();
}

// Home ends the lesson at once; nothing is kept, so nothing is saved or asked.
void LessonWindow::lblHome_Click()
{
    platform::endProgram();
}
