#pragma once

#include "platform/combobox.h"
#include "platform/commandbutton.h"
#include "platform/form.h"
#include "platform/frame.h"
#include "platform/label.h"
#include "platform/line.h"
#include "platform/richtextbox.h"
#include "platform/shape.h"
#include "platform/timer.h"

#include <QObject>

namespace platform {
class CommonDialog;
}

// The lesson window: its controls, the values it keeps while it lives, and its event handlers.
// The handlers are defined beside their subsystem: app/ (load, Home), lesson/ (Next, Back),
// relation/ (the lists, the classification and the rule texts), figure/ (the drawing), cues/
// (timers and hover) and print/ (Print). Which page is shown is nothing but the controls' state.
class LessonWindow : public QObject
{
    Q_OBJECT

public:
    LessonWindow();
    ~LessonWindow() override;
    LessonWindow(const LessonWindow &) = delete;
    LessonWindow &operator=(const LessonWindow &) = delete;

    // The window itself; it owns every control below.
    platform::Form *form;

    // The controls, named as designed, from front to back.
    platform::CommonDialog *CommonDialog1;
    platform::Frame *frameHelp;
    platform::Line *Line24, *Line25, *Line26, *Line27, *Line28, *Line29, *Line30;
    platform::Label *lblHelp;
    platform::Timer *Timer6, *Timer5, *Timer2, *Timer1;
    platform::ComboBox *cboPQ, *cboR2, *cboR1;
    platform::RichTextBox *rtBox3, *rtfSuppose2, *rtfSuppose1, *rtfHighlight, *rtBox4, *rtBox5,
        *rtBox2, *rtBox1, *rtfSelect;
    platform::CommandButton *cmdHome;
    platform::Label *lblPossibility;
    platform::Shape *Shape3;
    platform::Label *lblPrint, *lblCombo;
    platform::Line *Line1;
    platform::Label *lblPQ, *lblNext, *lblBack, *lblHome, *lblR22, *lblR11, *lblPQ1, *lblR2, *lblR1,
        *lblRelative;
    platform::Shape *Shape2, *Shape1;

    // The values the window keeps, all zero until the pupil's choices set them.
    qint16 r1 = 0;           // radius of the circle with centre P
    qint16 r2 = 0;           // radius of the circle with centre Q
    qint16 PQ = 0;           // distance of the centres
    qint16 r1PlusR2 = 0;     // r1 + r2
    qint16 absR1MinusR2 = 0; // |r1 - r2|
    qint16 xMid = 0;         // midpoint of PQ on the surface (cm)
    qint16 yCentres = 0;     // line of the centres on the surface (cm)
    float xP = 0;            // x of P: 13 - PQ/2
    float xQ = 0;            // x of Q: PQ/2 + 13
    // Working values of the common-region scan.
    float xScan = 0, yScan = 0, dP = 0, dQ = 0;

    platform::Surface &surface() { return form->surface(); }

    // Events (app/, lesson/, relation/, cues/, print/).
    void Form_Load();
    void Form_MouseMove();
    void lblHome_Click();
    void lblNext_Click();
    void lblBack_Click();
    void lblPrint_Click();
    void cboR1_Click();
    void cboR2_Click();
    void cboPQ_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer5_Timer();
    void Timer6_Timer();
    void lblNext_MouseMove();
    void lblBack_MouseMove();
    void lblHome_MouseMove();
    void lblPrint_MouseMove();
    void lblCombo_MouseMove();
    void rtfSelect_MouseMove();

    // Procedures (relation/, figure/).
    void WriteConditionTexts();
    void HighlightRelation();
    void DrawDistanceFigure();
    void DrawFigure();
    void ShadeCommonRegion();

    // Shows the window on the screen at its designed place.
    void show();

private:
    void createControls();
    void connectEvents();
};
