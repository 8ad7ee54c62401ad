#include "window/lessonwindow.h"

#include "platform/colour.h"
#include "platform/commondialog.h"
#include "platform/runtimeerror.h"
#include "window/accessibility.h"
#include "window/placeholders.h"

// The window as designed: every control with its design-time properties, in the design's own
// units (twips, points, 0x00BBGGRR colours). Code changes only what its handlers name.

using namespace platform;

namespace {

constexpr quint32 kPaleGreen = 0x00DCFFD5;

} // namespace

LessonWindow::LessonWindow()
{
    installFontSubstitutes();
    form = new Form(QStringLiteral("frmRelative_Circles_tesvak_200313"),
                    QStringLiteral("Chapter 4:  Relative Positions of Two Circles in a Plane."),
                    15270, 11040, kPaleGreen);
    createControls();
    connectEvents();
    describeForScreenReaders(*this);
}

LessonWindow::~LessonWindow()
{
    delete form;
}

void LessonWindow::show()
{
    form->placeOnScreen(1035, 1755);
    form->show();
}

void LessonWindow::createControls()
{
    // Qt stacks a later sibling in front of an earlier one, so the controls are made from back
    // to front: first the windowless ones (shapes, lines, labels), then the windowed ones, which
    // always stand in front of them.
    Shape1 = new Shape(form, {.name = "Shape1",
                              .rect = {480, 600, 14295, 9975},
                              .border = 0x0000683C,
                              .borderWidth = 4});
    Shape2 = new Shape(form, {.name = "Shape2",
                              .rect = {540, 660, 14160, 9840},
                              .border = 0x00808000,
                              .borderWidth = 1});
    lblRelative = new Label(form, {.name = "lblRelative",
                                   .rect = {1800, 840, 9735, 495},
                                   .caption = QString(),
                                   .font = {"Times New Roman", 20.25, true, true, true},
                                   .fore = 0x00000000,
                                   .pointer = Pointer::Arrow});
    lblR1 = new Label(form, {.name = "lblR1",
                             .rect = {11955, 720, 75, 255},
                             .caption = QStringLiteral("r"),
                             .font = {"Times New Roman", 14.25},
                             .fore = 0x00FF0000,
                             .back = kPaleGreen,
                             .visible = false,
                             .align = Align::Right,
                             .pointer = Pointer::Arrow});
    lblR2 = new Label(form, {.name = "lblR2",
                             .rect = {12630, 720, 105, 255},
                             .caption = QStringLiteral("r"),
                             .font = {"Times New Roman", 14.25},
                             .fore = 0x00FF0000,
                             .back = kPaleGreen,
                             .visible = false,
                             .align = Align::Right,
                             .pointer = Pointer::Arrow});
    lblPQ1 = new Label(form, {.name = "lblPQ1",
                              .rect = {13365, 795, 375, 255},
                              .caption = QStringLiteral("PQ"),
                              .font = {"MS Sans Serif", 9.75, true},
                              .fore = 0x00FF0000,
                              .back = kPaleGreen,
                              .visible = false,
                              .align = Align::Centre,
                              .pointer = Pointer::Arrow});
    lblR11 = new Label(form, {.name = "lblR11",
                              .rect = {12015, 885, 90, 165},
                              .caption = QStringLiteral("1"),
                              .font = {"Arial", 6.75},
                              .fore = 0x00FF0000,
                              .back = kPaleGreen,
                              .visible = false,
                              .pointer = Pointer::Arrow});
    lblR22 = new Label(form, {.name = "lblR22",
                              .rect = {12735, 870, 90, 165},
                              .caption = QStringLiteral("2"),
                              .font = {"Arial", 6.75},
                              .fore = 0x00FF0000,
                              .back = kPaleGreen,
                              .visible = false,
                              .pointer = Pointer::Arrow});
    lblHome = new Label(form, {.name = "lblHome",
                               .rect = {14280, 120, 495, 255},
                               .caption = QStringLiteral("Home"),
                               .font = {"Arial", 9.75},
                               .fore = kSystemWindowText,
                               .align = Align::Centre,
                               .pointer = Pointer::Hand});
    lblBack = new Label(form, {.name = "lblBack",
                               .rect = {13440, 120, 495, 255},
                               .caption = QStringLiteral("Back"),
                               .font = {"Arial", 9.75},
                               .fore = kSystemWindowText,
                               .align = Align::Centre});
    lblNext = new Label(form, {.name = "lblNext",
                               .rect = {13440, 120, 495, 255},
                               .caption = QStringLiteral("Next"),
                               .font = {"Arial", 9.75},
                               .fore = kSystemWindowText,
                               .back = kPaleGreen,
                               .align = Align::Centre,
                               .pointer = Pointer::Hand});
    lblPQ = new Label(
        form, {.name = "lblPQ",
               .rect = {1680, 60, 10215, 435},
               .caption = QStringLiteral(" Select the distance PQ between  their centers P and Q."),
               .font = {"Trebuchet MS", 14.25, false, true},
               .fore = 0x00C00000,
               .back = kPaleGreen,
               .align = Align::Centre,
               .pointer = Pointer::Arrow});
    Line1 = new Line(form, {.name = "Line1",
                            .x1 = 0,
                            .y1 = 480,
                            .x2 = 20693,
                            .y2 = 480,
                            .width = 1,
                            .visible = false});
    lblCombo = new Label(
        form, {.name = "lblCombo", .rect = {11640, 1080, 2415, 615}, .caption = QString()});
    lblPrint = new Label(form, {.name = "lblPrint",
                                .rect = {12600, 120, 495, 255},
                                .caption = QStringLiteral("Print"),
                                .font = {"Arial", 9.75},
                                .fore = kSystemWindowText,
                                .visible = false,
                                .align = Align::Centre,
                                .pointer = Pointer::Hand});
    Shape3 = new Shape(form, {.name = "Shape3",
                              .rect = {360, 480, 14550, 10230},
                              .border = 0x0000683C,
                              .borderWidth = 1});
    lblPossibility = new Label(
        form, {.name = "lblPossibility",
               .rect = {2280, 3120, 9495, 375},
               .caption = QStringLiteral(
                   "In this Situation one and only one Possibility exists, out of below five.."),
               .font = {"Times New Roman", 15.75, false, true},
               .fore = 0x00C00000,
               .pointer = Pointer::Arrow});

    cmdHome = new CommandButton(form, {.name = "cmdHome",
                                       .rect = {10920, 7980, 615, 240},
                                       .caption = QStringLiteral("Home"),
                                       .font = {"MS Sans Serif", 9.75},
                                       .back = 0x00C0E0FF});
    rtfSelect = new RichTextBox(form, {.name = "rtfSelect",
                                       .rect = {2280, 0, 10200, 435},
                                       .font = {"Trebuchet MS", 14.25, false, true},
                                       .back = kPaleGreen,
                                       .visible = false});
    const FontSpec ruleFont{"Times New Roman", 14.25};
    rtBox1 = new RichTextBox(form, {.name = "rtBox1",
                                    .rect = {2580, 3720, 7680, 405},
                                    .font = ruleFont,
                                    .back = kPaleGreen,
                                    .tabStop = false});
    rtBox2 = new RichTextBox(form, {.name = "rtBox2",
                                    .rect = {2580, 4440, 7800, 405},
                                    .font = ruleFont,
                                    .back = kPaleGreen,
                                    .tabStop = false});
    rtBox5 = new RichTextBox(form, {.name = "rtBox5",
                                    .rect = {2580, 6600, 10800, 405},
                                    .font = ruleFont,
                                    .back = kPaleGreen,
                                    .tabStop = false});
    // Rule (4) is the longest; at 11640 twips its last letters ("other.") would be cut off, so
    // its box is 180 twips wider than first drawn. It still ends inside the frames.
    rtBox4 = new RichTextBox(form, {.name = "rtBox4",
                                    .rect = {2580, 5865, 11820, 405},
                                    .font = ruleFont,
                                    .back = kPaleGreen,
                                    .tabStop = false});
    rtfHighlight = new RichTextBox(form, {.name = "rtfHighlight",
                                          .rect = {1680, 7920, 11640, 495},
                                          .font = {"Times New Roman", 15.75, true, true},
                                          .back = 0x00C0FFFF});
    rtfSuppose1 = new RichTextBox(form, {.name = "rtfSuppose1",
                                         .rect = {2280, 1920, 8730, 375},
                                         .font = {"Times New Roman", 15.75},
                                         .back = kPaleGreen});
    rtfSuppose2 = new RichTextBox(form, {.name = "rtfSuppose2",
                                         .rect = {2280, 2400, 11595, 375},
                                         .font = {"Times New Roman", 15.75},
                                         .back = kPaleGreen});
    rtBox3 = new RichTextBox(form, {.name = "rtBox3",
                                    .rect = {2580, 5160, 9240, 405},
                                    .font = ruleFont,
                                    .back = kPaleGreen,
                                    .tabStop = false});

    const FontSpec listFont{"MS Sans Serif", 12, true};
    cboR1 = new ComboBox(form, {.name = "cboR1",
                                .rect = {11730, 1080, 690, 420},
                                .text = kR1Placeholder,
                                .font = listFont,
                                .visible = false,
                                .enabled = true,
                                .pointer = Pointer::Arrow});
    cboR2 = new ComboBox(form, {.name = "cboR2",
                                .rect = {12510, 1080, 615, 420},
                                .text = kR2Placeholder,
                                .font = listFont,
                                .visible = false,
                                .enabled = false,
                                .pointer = Pointer::Arrow});
    cboPQ = new ComboBox(form, {.name = "cboPQ",
                                .rect = {13230, 1080, 735, 420},
                                .text = kPQPlaceholder,
                                .font = listFont,
                                .visible = false,
                                .enabled = false,
                                .pointer = Pointer::Arrow});

    Timer1 = new Timer(form, {.name = "Timer1", .interval = 400, .enabled = true});
    Timer2 = new Timer(form, {.name = "Timer2", .interval = 400, .enabled = false});
    Timer5 = new Timer(form, {.name = "Timer5", .interval = 400, .enabled = false});
    Timer6 = new Timer(form, {.name = "Timer6", .interval = 400, .enabled = false});

    // The help panel: a block arrow pointing at the lists. Its edges above the frame's top are
    // clipped by the frame.
    frameHelp = new Frame(form, {.name = "frameHelp",
                                 .rect = {8040, 720, 3615, 1335},
                                 .back = kPaleGreen,
                                 .visible = false});
    lblHelp = new Label(frameHelp, {.name = "lblHelp",
                                    .rect = {120, 240, 3255, 735},
                                    .caption = QStringLiteral("Help"),
                                    .font = {"Times New Roman", 12, true},
                                    .fore = 0x00C000C0});
    Line30 = new Line(frameHelp, {.name = "Line30",
                                  .x1 = 2520,
                                  .y1 = -120,
                                  .x2 = 3600,
                                  .y2 = 600,
                                  .colour = 0x00FF00FF,
                                  .width = 1});
    Line29 = new Line(frameHelp, {.name = "Line29",
                                  .x1 = 2520,
                                  .y1 = 1200,
                                  .x2 = 3600,
                                  .y2 = 600,
                                  .colour = 0x00004000,
                                  .width = 2});
    Line28 = new Line(frameHelp, {.name = "Line28",
                                  .x1 = 2520,
                                  .y1 = -120,
                                  .x2 = 2520,
                                  .y2 = 120,
                                  .colour = 0x00FF00FF,
                                  .width = 1});
    Line27 = new Line(frameHelp, {.name = "Line27",
                                  .x1 = 2520,
                                  .y1 = 1200,
                                  .x2 = 2520,
                                  .y2 = 960,
                                  .colour = 0x00004000,
                                  .width = 2});
    Line26 = new Line(frameHelp, {.name = "Line26",
                                  .x1 = 0,
                                  .y1 = 120,
                                  .x2 = 2520,
                                  .y2 = 120,
                                  .colour = 0x00FF00FF,
                                  .width = 1});
    Line25 = new Line(frameHelp, {.name = "Line25",
                                  .x1 = 0,
                                  .y1 = 960,
                                  .x2 = 2520,
                                  .y2 = 960,
                                  .colour = 0x00004000,
                                  .width = 2});
    Line24 = new Line(frameHelp, {.name = "Line24",
                                  .x1 = 0,
                                  .y1 = 120,
                                  .x2 = 0,
                                  .y2 = 960,
                                  .colour = 0x00004000,
                                  .width = 2});

    CommonDialog1 = new CommonDialog(form, "CommonDialog1");

    // Keyboard order: the three lists first, then the button and the readable boxes.
    QWidget *tabOrder[] = {cboR1,       cboR2,       cboPQ,        cmdHome,
                           rtfSuppose2, rtfSuppose1, rtfHighlight, rtfSelect};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void LessonWindow::connectEvents()
{
    // Every handler runs through the run-time error path: an error escaping it is reported and
    // ends the program, instead of leaving a half-run handler behind.
    const auto on = [this](auto *sender, auto signal, void (LessonWindow::*handler)()) {
        connect(sender, signal, this,
                [this, handler] { runHandler([this, handler] { (this->*handler)(); }); });
    };
    on(form, &Form::mouseMoved, &LessonWindow::Form_MouseMove);
    on(lblHome, &Label::clicked, &LessonWindow::lblHome_Click);
    on(lblNext, &Label::clicked, &LessonWindow::lblNext_Click);
    on(lblBack, &Label::clicked, &LessonWindow::lblBack_Click);
    on(lblPrint, &Label::clicked, &LessonWindow::lblPrint_Click);
    on(cboR1, &ComboBox::selected, &LessonWindow::cboR1_Click);
    on(cboR2, &ComboBox::selected, &LessonWindow::cboR2_Click);
    on(cboPQ, &ComboBox::selected, &LessonWindow::cboPQ_Click);
    on(Timer1, &Timer::tick, &LessonWindow::Timer1_Timer);
    on(Timer2, &Timer::tick, &LessonWindow::Timer2_Timer);
    on(Timer5, &Timer::tick, &LessonWindow::Timer5_Timer);
    on(Timer6, &Timer::tick, &LessonWindow::Timer6_Timer);
    on(lblNext, &Label::mouseMoved, &LessonWindow::lblNext_MouseMove);
    on(lblBack, &Label::mouseMoved, &LessonWindow::lblBack_MouseMove);
    on(lblHome, &Label::mouseMoved, &LessonWindow::lblHome_MouseMove);
    on(lblPrint, &Label::mouseMoved, &LessonWindow::lblPrint_MouseMove);
    on(lblCombo, &Label::mouseMoved, &LessonWindow::lblCombo_MouseMove);
    on(rtfSelect, &RichTextBox::mouseMoved, &LessonWindow::rtfSelect_MouseMove);
}
