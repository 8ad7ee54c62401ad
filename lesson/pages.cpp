#include "window/lessonwindow.h"

#include "app/contactline.h"
#include "window/frames.h"
#include "window/placeholders.h"
#include "window/richtextrules.h"

// The lesson's two pages. There is no page variable: a page is the state the controls are left
// in, and each transition sets what it needs outright, whatever was shown before. Next opens the
// practice page, either at its guided start or, when a distance was chosen on an earlier visit,
// with the pupil's figure in place; Back returns to the introduction and keeps the choice.

namespace {

constexpr quint32 kBlue = 0x00FF0000;

QString heading()
{
    // "R²": the squared sign is the superscript two of Windows-1252, code 178.
    return QStringLiteral("Relative position of two circles in R") + QChar(0x00B2);
}

// A centred blue line in the message box with the digits of r1 and r2 lowered.
void writePrompt(platform::RichTextBox &box, const QString &text)
{
    box.setText(text);
    box.setSelAlignment(2);
    ColourWholeText(box, kBlue);
    FormatSubscript(box, QStringLiteral("r1"), QStringLiteral("1"), -60, 7);
    FormatSubscript(box, QStringLiteral("r2"), QStringLiteral("2"), -60, 7);
}

} // namespace

void LessonWindow::lblNext_Click()
{
    cmdHome->Move(23.336, 2);
    cboR1->show();
    cboR2->show();
    cboPQ->show();

    if (cboPQ->Text() == kPQPlaceholder) {
        // Guided start: the radii first, one list at a time; the list handlers open the others.
        cboR2->setEnabled(false);
        cboPQ->setEnabled(false);
        rtfSelect->show();
        setFrameHeights(*Shape1, *Shape2, *Shape3, kShortFrameHeight);
        writePrompt(
            *rtfSelect,
            QStringLiteral("Now  select  length  of  radius  r1  and  r2  for  the  circles."));
    } else {
        // Resume: the distance handler draws and classifies the earlier choice again; what
        // Next sets afterwards wins where both touch the same control.
        cboPQ_Click();
        cboPQ->setFocus();
        lblR1->show();
        lblR11->show();
        lblR2->show();
        lblR22->show();
        lblRelative->show();
        lblRelative->setLeft(3.175);
        lblRelative->setTop(1.482);
        lblRelative->setCaption(heading());
        rtfSelect->show();
        writePrompt(*rtfSelect, QStringLiteral("You can rearrange r1 , r2 and PQ"));
        setFrameHeights(*Shape1, *Shape2, *Shape3, kFullFrameHeight);
    }

    rtfSuppose1->hide();
    rtfSuppose2->hide();
    lblPossibility->hide();
    rtfHighlight->hide();
    Timer2->setEnabled(false);
    Timer5->setEnabled(true);
    // The rules in a compact column at the upper left, one centimetre apart.
    platform::RichTextBox *const rules[] = {rtBox1, rtBox2, rtBox3, rtBox4, rtBox5};
    for (int i = 0; i < 5; ++i) {
        rules[i]->setLeft(3);
        rules[i]->setTop(3 + i);
    }
    lblNext->hide();
    lblBack->show();
    // Under the message box, from where the list handlers reveal it with the distance prompt.
    lblPQ->setTop(0.106);
}

void LessonWindow::lblBack_Click()
{
    surface().clear();
    lblPrint->hide();
    cmdHome->Move(19, 14);

    lblRelative->setCaption(heading());
    lblRelative->show();
    lblRelative->setTop(1.482);
    lblRelative->setLeft(3.175);
    lblRelative->setFontName(QStringLiteral("Times New Roman"));
    lblRelative->setFontUnderline(true);
    lblRelative->setFontSize(20);

    lblPossibility->show();
    lblPossibility->setTop(4.868);
    rtfSuppose1->show();
    rtfSuppose1->setTop(2.752);
    rtfSuppose2->show();
    rtfSuppose2->setTop(3.598);
    rtfHighlight->show();

    // The rules in their reading layout.
    platform::RichTextBox *const rules[] = {rtBox1, rtBox2, rtBox3, rtBox4, rtBox5};
    for (platform::RichTextBox *rule : rules)
        rule->setLeft(3.701);
    const double tops[] = {5.927, 7.197, 8.467, 9.71, 11.007};
    for (int i = 0; i < 5; ++i)
        rules[i]->setTop(tops[i]);

    lblR1->hide();
    lblR11->hide();
    lblR2->hide();
    lblR22->hide();
    lblPQ1->hide();
    lblPQ->show();
    // The lists keep their values, their texts and whether they are enabled.
    cboR1->hide();
    cboR2->hide();
    cboPQ->hide();
    lblBack->hide();
    lblNext->show();

    lblPQ->setTop(16);
    lblPQ->setCaption(QStringLiteral("Let us test it for practice..    Click 'Next'."));
    rtfSelect->show();
    rtfSelect->setText(contactLine());
    ColourWholeText(*rtfSelect, kBlue);
    setFrameHeights(*Shape1, *Shape2, *Shape3, kFullFrameHeight);
    // Last, so that the rules lose any highlight.
    WriteConditionTexts();
}
