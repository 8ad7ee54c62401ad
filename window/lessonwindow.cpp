#include "window/lessonwindow.h"

#include "buttons/lessonbuttons.h"
#include "cues/blinkingcue.h"
#include "cues/helparrow.h"
#include "lists/choicelists.h"
#include "pages/pages.h"
#include "platform/choicelist.h"
#include "platform/colours.h"
#include "platform/design.h"
#include "platform/labelbutton.h"
#include "rules/ruleboard.h"
#include "window/accessibility.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QScreen>
#include <QShortcut>
#include <QTextEdit>
#include <QWindow>

namespace {

// The client area as designed: 15270 x 11040 twips.
QSize clientSize()
{
    return {design::twipsToPixels(15270), design::twipsToPixels(11040)};
}

// Where a window's frame goes: at the designed place, moved just far enough for the whole
// frame to lie in the available area; where the frame is larger, at the area's top left, so
// that the title bar stays in reach.
QPoint framePlace(QPoint designed, QSize frame, const QRect &available)
{
    return {qMax(available.left(), qMin(designed.x(), available.right() + 1 - frame.width())),
            qMax(available.top(), qMin(designed.y(), available.bottom() + 1 - frame.height()))};
}

// A focus moved for the keyboard shows its ring; one moved for the mouse does not.
Qt::FocusReason focusReason(bool fromKeyboard)
{
    return fromKeyboard ? Qt::TabFocusReason : Qt::OtherFocusReason;
}

} // namespace

LessonWindow::LessonWindow(int cueBeatMs)
    // The lesson's accessible interfaces come first: Qt keeps the one it makes for a control.
    : m_surface(this, clientSize()),
      m_controls((setProperty(kRoleProperty, QAccessible::Window), installAccessibleInterfaces(),
                  buildControls(this))),
      m_figure(m_surface, m_controls.figureArea), m_printing(this)
{
    setObjectName(QStringLiteral("lessonWindow"));
    //: The window's title, also its name to a screen reader. The two blanks after the colon
    //: belong to the design.
    setWindowTitle(tr("Chapter 4:  Relative Positions of Two Circles in a Plane."));
    // A fixed client area of the designed size, no maximise or minimise button.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(clientSize());
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_surface.setDevicePixelRatio(devicePixelRatioF());

    const Controls &c = m_controls;
    m_rules = new RuleBoard(c.rules, c.note, this);
    m_pages = new Pages(c.pages, this);
    m_lists = new ChoiceLists(c.lists, this);
    m_buttons = new LessonButtons(c.buttons, this);
    m_nextCue = new BlinkingCue(QStringLiteral("nextCue"), cueBeatMs, this);
    m_listCue = new BlinkingCue(QStringLiteral("listCue"), cueBeatMs, this);

    connect(c.buttons.next, &QAbstractButton::clicked, this, &LessonWindow::showPractice);
    connect(c.buttons.back, &QAbstractButton::clicked, this, &LessonWindow::showIntroduction);
    connect(c.buttons.home, &QAbstractButton::clicked, this, &QWidget::close);
    // The window is printed as the lesson stands: what is typed but not committed goes first.
    connect(c.buttons.print, &QAbstractButton::clicked, this, [this] {
        m_lists->dropTyping();
        m_printing.print();
    });
    connect(m_lists, &ChoiceLists::radiusChosen, this, &LessonWindow::takeRadius);
    connect(m_lists, &ChoiceLists::distanceChosen, this, &LessonWindow::takeDistance);
    connect(m_lists, &ChoiceLists::approached, this, &LessonWindow::pointerNearLists);
    connect(m_buttons, &LessonButtons::nextPointedAt, m_nextCue, &BlinkingCue::stop);
    connect(m_nextCue, &BlinkingCue::firstStyleDue, m_buttons, &LessonButtons::showNextPlain);
    connect(m_nextCue, &BlinkingCue::secondStyleDue, m_buttons, &LessonButtons::showNextBold);
    connect(m_listCue, &BlinkingCue::firstStyleDue, this,
            [this] { m_lists->colourWaitingList(colours::kMagenta); });
    connect(m_listCue, &BlinkingCue::secondStyleDue, this,
            [this] { m_lists->colourWaitingList(colours::kCyan); });
    c.pages.messageLine->viewport()->installEventFilter(this);

    // Home and Alt+H end the lesson; so do the desktop's usual keys.
    for (const QKeySequence &keys :
         {QKeySequence(Qt::CTRL | Qt::Key_Q), QKeySequence(Qt::ALT | Qt::Key_F4)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
    QWidget *const tabOrder[] = {c.lists.r1,     c.lists.r2,     c.lists.distance, c.buttons.print,
                                 c.buttons.back, c.buttons.next, c.buttons.home};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
    c.buttons.next->setFocus(Qt::OtherFocusReason);

    describeForAssistiveTechnology(this, m_controls, m_rules, m_pages, m_lists);
    m_nextCue->start();
}

// A list still being typed into would commit its text as it loses the focus to the closing
// window, and the choice would then draw on a surface already gone.
LessonWindow::~LessonWindow()
{
    m_lists->dropTyping();
    disconnect(m_lists, nullptr, this, nullptr);
}

void LessonWindow::showAtDesignedPlace()
{
    // Before it is shown a window's position is its frame's, whose size is not known until the
    // window manager has framed it: the room the fit to the screen left for it stands in.
    const QPoint designed(design::twipsToPixels(1035), design::twipsToPixels(1755));
    const QSize frame = size() + QSize(design::kFrameWidth, design::kFrameHeight);
    move(framePlace(designed, frame, screen()->availableGeometry()));
    m_frameKnown = false;
    show();
}

// Once the window manager has framed the window: its real frame, kept on the screen. The frame
// is placed itself: QWidget::move() on a shown window asks for a place of the client area, which
// openbox at a scale factor of 3 took for the frame's, leaving the window where it was.
void LessonWindow::keepFrameOnScreen()
{
    const QRect frame = frameGeometry();
    const QPoint at = framePlace(frame.topLeft(), frame.size(), screen()->availableGeometry());
    if (at != frame.topLeft())
        windowHandle()->setFramePosition(at);
}

// A page changed from the keyboard (a shortcut, or Space on a button) moves the focus for the
// keyboard, and its ring shows, as after Tab; Qt marks only a focus moved by Tab so.
void LessonWindow::showFocusRings(bool fromKeyboard)
{
    if (fromKeyboard)
        setAttribute(Qt::WA_KeyboardFocusChange);
}

// Next: the practice page, at its guided start or, when a distance was chosen on an earlier
// visit, with the pupil's figure in place.
void LessonWindow::showPractice()
{
    const bool fromKeyboard = !m_controls.buttons.next->clickedByMouse();
    showFocusRings(fromKeyboard);
    m_lists->open();
    if (m_choice.complete()) {
        // The figure drawn and classified again, as if the distance were chosen anew; the
        // resume's own texts and frames are set after it.
        takeDistance(*m_choice.distance);
        m_pages->showResume();
        m_lists->focusWaitingList(focusReason(fromKeyboard));
    } else {
        // Radii chosen on an earlier visit are kept, and the prompt asks for what is missing.
        m_pages->showGuidedStart(m_choice.r1 && m_choice.r2);
        if (fromKeyboard)
            m_lists->focusWaitingList(Qt::TabFocusReason);
    }
    m_rules->placeInColumn();
    m_nextCue->dropSecondHalf();
    m_listCue->start();
    // A mouse user's focus stays out of sight: Back takes it from Next, in the same place.
    const bool focusGoesWithNext = m_controls.buttons.next->hasFocus();
    m_buttons->offerBack(focusGoesWithNext ? std::optional(Qt::OtherFocusReason) : std::nullopt);
}

// Back: the introduction again, without the figure and the highlight; the choice is kept for
// the next visit.
void LessonWindow::showIntroduction()
{
    const bool fromKeyboard = !m_controls.buttons.back->clickedByMouse();
    showFocusRings(fromKeyboard);
    const QWidget *focused = focusWidget();
    const bool focusLeavesWithPage =
        focused && focused != m_controls.buttons.home && focused != m_controls.buttons.next;
    // Before the focus moves, which would commit it.
    m_lists->dropTyping();
    m_figure.erase();
    // The help arrow points at lists that are gone; left out it would cover the introduction
    // for a pupil who never moves the mouse over the bare window.
    m_controls.helpArrow->hide();
    m_buttons->offerPrint(false);
    m_pages->showIntroduction();
    m_rules->placeForReading();
    if (fromKeyboard || focusLeavesWithPage)
        m_buttons->offerNext(
            focusReason(fromKeyboard || testAttribute(Qt::WA_KeyboardFocusChange)));
    else
        m_buttons->offerNext();
    m_lists->close();
    m_rules->clearHighlight();
}

void LessonWindow::takeRadius(int which, int value)
{
    (which == 1 ? m_choice.r1 : m_choice.r2) = value;
    const bool otherChosen = (which == 1 ? m_choice.r2 : m_choice.r1).has_value();
    if (!m_choice.distance && otherChosen)
        m_pages->askForDistance();
    else
        m_pages->hideDistancePrompt();
    if (m_choice.complete()) {
        m_rules->highlight(m_choice.rule());
        m_pages->showFullFrames();
        // The same centres, the new radius.
        m_figure.redrawAfterRadiusChoice(m_choice);
        m_controls.helpArrow->show();
    }
}

void LessonWindow::takeDistance(int value)
{
    m_choice.distance = value;
    if (!m_choice.complete())
        return;
    m_buttons->offerPrint(true);
    m_pages->offerRearranging();
    m_figure.drawAfterDistanceChoice(m_choice);
    m_rules->highlight(m_choice.rule());
    // The list cue has nothing left to point at.
    m_listCue->stop();
    m_pages->showFullFrames();
}

// The bare window puts the help arrow away, calms the buttons and lets Next blink again.
void LessonWindow::pointerOnBareWindow()
{
    m_controls.helpArrow->hide();
    m_buttons->calmAll();
    m_nextCue->start();
}

// Unlike the bare window, the message line leaves Print as it is and the help arrow shown.
void LessonWindow::pointerOnMessageLine()
{
    m_buttons->calmBackAndHome();
    m_nextCue->start();
}

// Near the lists, once all three hold a value on the practice page, the help arrow comes out.
void LessonWindow::pointerNearLists()
{
    if (m_choice.complete() && !m_buttons->nextOffered())
        m_controls.helpArrow->show();
}

void LessonWindow::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), colours::kPaleGreen);
    m_surface.paint(painter);
}

// Only where no control lies: every control takes the mouse over its own rectangle.
void LessonWindow::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    pointerOnBareWindow();
}

bool LessonWindow::event(QEvent *event)
{
    // A window manager that frames the window moves it into its frame.
    if (event->type() == QEvent::Move && !m_frameKnown && frameGeometry() != geometry()) {
        m_frameKnown = true;
        keepFrameOnScreen();
    }
    if (event->type() == QEvent::ScreenChangeInternal) {
        m_surface.setDevicePixelRatio(devicePixelRatioF());
        update();
    }
    return QWidget::event(event);
}

bool LessonWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_controls.pages.messageLine->viewport() && event->type() == QEvent::MouseMove)
        pointerOnMessageLine();
    return QWidget::eventFilter(watched, event);
}
