#include "window/controls.h"

#include "cues/helparrow.h"
#include "figure/figure.h"
#include "platform/colours.h"
#include "platform/design.h"
#include "window/accessibility.h"
#include "window/lessonwindow.h"

#include <QAccessible>
#include <QTextEdit>

// Places in twips (left, top, width, height), colours 0x00BBGGRR; made back to front, as Qt stacks.

namespace {

constexpr bool Hidden = false, Shown = true;

// Every control takes the mouse over its rectangle: the window's hover is the bare surface's.
void place(QWidget *widget, const char *name, const QRectF &r, const QFont &font, bool shown)
{
    widget->setObjectName(QString::fromLatin1(name));
    design::setFont(widget, font);
    design::place(widget, r);
    widget->setMouseTracking(true);
    widget->setAttribute(Qt::WA_NoMousePropagation);
    widget->setVisible(shown);
}

// A label draws only its letters unless it has a background colour.
QLabel *label(QWidget *window, const char *name, const QRectF &r, const QString &text,
              const QFont &font, quint32 fore, std::optional<quint32> back, Qt::Alignment align,
              bool shown)
{
    auto *label = new QLabel(text, window);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignTop | align);
    colours::set(label, QPalette::WindowText, colours::fromBgr(fore));
    if (back) {
        colours::set(label, QPalette::Window, colours::fromBgr(*back));
        label->setAutoFillBackground(true);
    }
    place(label, name, r, font, shown);
    return label;
}

LabelButton *button(QWidget *window, const char *name, const QRectF &r, const QString &text,
                    Qt::Key key, bool shown)
{
    auto *button = new LabelButton(text, window);
    button->setShortcut(QKeySequence(Qt::ALT | key));
    button->setTextColour(colours::kBlack);
    place(button, name, r, design::font("Arial", 9.75), shown);
    return button;
}

// One line that runs on to its edge rather than wrap into a second it would hide.
QTextEdit *textBox(QWidget *window, const char *name, const QRectF &r, const QFont &font,
                   quint32 back, bool shown = Shown, const QColor &ink = colours::kBlack)
{
    auto *box = new QTextEdit(window);
    box->setFrameShape(QFrame::NoFrame);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::NoTextInteraction);
    box->setFocusPolicy(Qt::NoFocus);
    box->setUndoRedoEnabled(false);
    box->document()->setDocumentMargin(1);
    box->setWordWrapMode(QTextOption::NoWrap);
    box->viewport()->setMouseTracking(true);
    box->viewport()->setCursor(Qt::ArrowCursor);
    colours::set(box, QPalette::Base, colours::fromBgr(back), box->viewport());
    colours::set(box, QPalette::Text, ink, box->viewport());
    place(box, name, r, font, shown);
    return box;
}

ChoiceList *list(QWidget *window, const char *name, const QRectF &r, const QString &placeholder,
                 int first, int last, bool enabled)
{
    const QFont font = design::font("MS Sans Serif", 12, true);
    auto *list = new ChoiceList(placeholder, first, last, font, window);
    list->setEnabled(enabled);
    place(list, name, r, font, Hidden);
    return list;
}

} // namespace

Controls buildControls(QWidget *w)
{
    using design::font;
    constexpr quint32 blue = 0x00FF0000;
    constexpr quint32 paleGreen = 0x00DCFFD5;
    constexpr quint32 darkBlue = 0x00C00000;
    Controls c;

    // Behind everything: the figure, then the frames.
    c.figure = new Figure(w);
    c.figure->setProperty(kRoleProperty, QAccessible::Graphic);
    c.pages.frames = new Frames(w);
    c.pages.frames->setObjectName(QStringLiteral("frames"));

    c.pages.heading = label(w, "heading", {1800, 840, 9735, 495}, QString(),
                            font("Times New Roman", 20.25, true, true, true), 0x00000000, {},
                            Qt::AlignLeft, Shown);
    c.pages.heading->setProperty(kRoleProperty, QAccessible::Heading);
    c.lists.r1Letter =
        label(w, "r1Letter", {11955, 720, 75, 255}, QStringLiteral("r"),
              font("Times New Roman", 14.25), blue, paleGreen, Qt::AlignRight, Hidden);
    c.lists.r2Letter =
        label(w, "r2Letter", {12630, 720, 105, 255}, QStringLiteral("r"),
              font("Times New Roman", 14.25), blue, paleGreen, Qt::AlignRight, Hidden);
    c.lists.distanceCaption =
        label(w, "distanceCaption", {13365, 795, 375, 255}, QStringLiteral("PQ"),
              font("MS Sans Serif", 9.75, true), blue, paleGreen, Qt::AlignHCenter, Hidden);
    c.lists.r1Digit = label(w, "r1Digit", {12015, 885, 90, 165}, QStringLiteral("1"),
                            font("Arial", 6.75), blue, paleGreen, Qt::AlignLeft, Hidden);
    c.lists.r2Digit = label(w, "r2Digit", {12735, 870, 90, 165}, QStringLiteral("2"),
                            font("Arial", 6.75), blue, paleGreen, Qt::AlignLeft, Hidden);
    //: The prompt line as designed; keep the leading blank and the two after "between".
    c.pages.promptLine = label(
        w, "promptLine", {1680, 60, 10215, 435},
        LessonWindow::tr(" Select the distance PQ between  their centers P and Q."),
        font("Trebuchet MS", 14.25, false, true), darkBlue, paleGreen, Qt::AlignHCenter, Shown);
    //: The line above the five rules; keep the two full stops.
    c.pages.possibilities =
        label(w, "possibilities", {2280, 3120, 9495, 375},
              LessonWindow::tr(
                  "In this Situation one and only one Possibility exists, out of below five.."),
              font("Times New Roman", 15.75, false, true), darkBlue, {}, Qt::AlignLeft, Shown);

    // An invisible area round the lists, where the help arrow may come out.
    c.lists.surroundings = new QWidget(w);
    place(c.lists.surroundings, "surroundings", {11640, 1080, 2415, 615}, w->font(), Shown);

    //: A text button for about four letters; it ends the lesson.
    c.buttons.home =
        button(w, "home", {14280, 120, 495, 255}, LessonWindow::tr("Home"), Qt::Key_H, Shown);
    // Back shares Next's place; Next is offered first.
    //: A text button for about four letters; it returns to the introduction.
    c.buttons.back =
        button(w, "back", {13440, 120, 495, 255}, LessonWindow::tr("Back"), Qt::Key_B, Hidden);
    //: A text button for about four letters, set in bold while it blinks.
    c.buttons.next =
        button(w, "next", {13440, 120, 495, 255}, LessonWindow::tr("Next"), Qt::Key_N, Shown);
    colours::set(c.buttons.next, QPalette::Window, colours::kPaleGreen);
    c.buttons.next->setAutoFillBackground(true);
    //: A text button for about four letters.
    c.buttons.print =
        button(w, "print", {12600, 120, 495, 255}, LessonWindow::tr("Print"), Qt::Key_P, Hidden);
    for (LabelButton *pointed : {c.buttons.home, c.buttons.next, c.buttons.print})
        pointed->setCursor(Qt::PointingHandCursor);

    const QFont ruleFont = font("Times New Roman", 14.25);
    c.pages.messageLine =
        textBox(w, "messageLine", {2280, 0, 10200, 435}, font("Trebuchet MS", 14.25, false, true),
                paleGreen, Hidden, colours::kBlue);
    c.rules[0] = textBox(w, "rule1", {2580, 3720, 7680, 405}, ruleFont, paleGreen);
    c.rules[1] = textBox(w, "rule2", {2580, 4440, 7800, 405}, ruleFont, paleGreen);
    c.rules[4] = textBox(w, "rule5", {2580, 6600, 10800, 405}, ruleFont, paleGreen);
    // 180 twips wider than first drawn, so that the last word of the longest rule shows.
    c.rules[3] = textBox(w, "rule4", {2580, 5865, 11820, 405}, ruleFont, paleGreen);
    c.note = textBox(w, "note", {1680, 7920, 11640, 495},
                     font("Times New Roman", 15.75, true, true), 0x00C0FFFF);
    c.pages.firstSentence = textBox(w, "firstSentence", {2280, 1920, 8730, 375},
                                    font("Times New Roman", 15.75), paleGreen);
    c.pages.secondSentence = textBox(w, "secondSentence", {2280, 2400, 11595, 375},
                                     font("Times New Roman", 15.75), paleGreen);
    c.rules[2] = textBox(w, "rule3", {2580, 5160, 9240, 405}, ruleFont, paleGreen);

    c.lists.r1 = list(w, "r1", {11730, 1080, 690, 420}, QStringLiteral(" r1"), 1, 5, true);
    c.lists.r2 = list(w, "r2", {12510, 1080, 615, 420}, QStringLiteral("r2"), 1, 5, false);
    c.lists.distance =
        list(w, "distance", {13230, 1080, 735, 420}, QStringLiteral("PQ"), 0, 12, false);

    c.helpArrow = new HelpArrow(w);
    return c;
}
