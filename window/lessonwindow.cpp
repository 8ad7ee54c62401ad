#include "window/lessonwindow.h"

#include "cues/blinkingcue.h"
#include "cues/helparrow.h"
#include "figure/figure.h"
#include "platform/colours.h"
#include "platform/design.h"
#include "platform/richtext.h"
#include "rules/ruleboard.h"
#include "window/accessibility.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QTextEdit>
#include <QWindow>

namespace {

// Every text fits its box at each of the zooms Ctrl+Plus and Ctrl+Minus step through.
constexpr double kZoomSteps[] = {0.5, 0.625, 0.75, 0.875, 1, 1.25, 1.5, 1.75, 2, 2.5, 3};
constexpr double kSmallestZoom = kZoomSteps[0];
constexpr double kLargestZoom = std::end(kZoomSteps)[-1];

// Moved just far enough to lie in the available area; a frame too large keeps its title in reach.
QPoint framePlace(QPoint designed, QSize frame, const QRect &available)
{
    return {qMax(available.left(), qMin(designed.x(), available.right() + 1 - frame.width())),
            qMax(available.top(), qMin(designed.y(), available.bottom() + 1 - frame.height()))};
}

} // namespace

LessonWindow::LessonWindow(int cueBeatMs)
    // Interfaces first, as Qt keeps the first it makes; controls at the designed size, not zoomed.
    : m_controls((design::view = {}, setProperty(kRoleProperty, QAccessible::Window),
                  installAccessibleInterfaces(), buildControls(this))),
      m_printing(this)
{
    setObjectName(QStringLiteral("lessonWindow"));
    //: The window's title and its name to a screen reader; the two blanks after the colon stay.
    setWindowTitle(tr("Chapter 4:  Relative Positions of Two Circles in a Plane."));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(design::clientSize());
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);

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
    connect(m_lists, &ChoiceLists::approached, this, [this] {
        if (m_onPractice && m_lists->choice().complete())
            m_controls.helpArrow->show();
    });
    connect(m_buttons, &LessonButtons::nextPointedAt, m_nextCue, &BlinkingCue::stop);
    connect(m_nextCue, &BlinkingCue::styleDue, m_buttons, &LessonButtons::showNext);
    connect(m_listCue, &BlinkingCue::styleDue, this, [this](bool second) {
        m_lists->colourWaitingList(second ? colours::kCyan : colours::kMagenta);
    });
    c.pages.messageLine->viewport()->installEventFilter(this);

    const auto shortcut = [this](const QKeySequence &keys, auto action) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, action);
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), &QWidget::close);
    shortcut(QKeySequence(Qt::ALT | Qt::Key_F4), &QWidget::close);
    shortcut(QKeySequence::ZoomIn, [this] { zoomBy(1); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { zoomBy(1); });
    shortcut(QKeySequence::ZoomOut, [this] { zoomBy(-1); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { zoomBy(0); });
    shortcut(QKeySequence(Qt::Key_F11), [this] { toggleFullScreen(); });
    QWidget *const tabOrder[] = {c.lists.r1,     c.lists.r2,     c.lists.distance, c.buttons.print,
                                 c.buttons.back, c.buttons.next, c.buttons.home};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
    c.buttons.next->setFocus(Qt::OtherFocusReason);

    describeForAssistiveTechnology(this, m_controls, m_rules, m_pages, m_lists);
    m_designedOverflows = textOverflows();
    m_nextCue->start();
}

// Typing left open would commit as the window closes, and draw on a surface already gone.
LessonWindow::~LessonWindow()
{
    m_lists->dropTyping();
    disconnect(m_lists, nullptr, this, nullptr);
}

// Until the window manager has framed the window, the usual room for a frame stands in.
void LessonWindow::showFitted(double largestZoom, bool fullScreen)
{
    const QRect available = screen()->availableGeometry();
    setZoom(fittingZoom(std::clamp(largestZoom, kSmallestZoom, 1.0),
                        available.size() - design::kFrame));
    const QPoint designed(design::twipsToPixels(1035), design::twipsToPixels(1755));
    move(framePlace(designed, size() + design::kFrame, available));
    m_frameKnown = false;
    show();
    if (fullScreen)
        toggleFullScreen();
}

// move() on a shown window places the client area, which openbox at scale 3 took for the frame.
void LessonWindow::keepFrameOnScreen()
{
    const QRect frame = frameGeometry();
    const QPoint at = framePlace(frame.topLeft(), frame.size(), screen()->availableGeometry());
    if (at != frame.topLeft())
        windowHandle()->setFramePosition(at);
}

// A page changed from the keyboard shows the focus ring, as after Tab (Qt marks only Tab's).
bool LessonWindow::pageChangedFromKeyboard(const LabelButton *button)
{
    const bool fromKeyboard = !button->clickedByMouse();
    if (fromKeyboard)
        setAttribute(Qt::WA_KeyboardFocusChange);
    return fromKeyboard;
}

void LessonWindow::showPractice()
{
    const bool fromKeyboard = pageChangedFromKeyboard(m_controls.buttons.next);
    m_onPractice = true;
    m_lists->open();
    const Choice choice = m_lists->choice();
    if (choice.complete()) {
        m_pages->showResume();
        showFigure(choice, false);
        m_lists->focusWaitingList(fromKeyboard ? Qt::TabFocusReason : Qt::OtherFocusReason);
    } else {
        m_pages->showGuidedStart(choice.r1 && choice.r2);
        m_listCue->start();
        if (fromKeyboard)
            m_lists->focusWaitingList(Qt::TabFocusReason);
    }
    m_rules->placeInColumn();
    m_nextCue->dropSecondHalf();
    // A mouse user's focus stays out of sight: Back takes it from Next, in the same place.
    const bool focusGoesWithNext = m_controls.buttons.next->hasFocus();
    m_buttons->offer(m_controls.buttons.back,
                     focusGoesWithNext ? std::optional(Qt::OtherFocusReason) : std::nullopt);
}

void LessonWindow::showIntroduction()
{
    const bool fromKeyboard = pageChangedFromKeyboard(m_controls.buttons.back);
    m_onPractice = false;
    const QWidget *focused = focusWidget();
    const bool focusLeavesWithPage =
        focused && focused != m_controls.buttons.home && focused != m_controls.buttons.next;
    // Before the focus moves, which would commit it.
    m_lists->dropTyping();
    m_controls.figure->hide();
    // Left out, it would cover the introduction for a pupil who never moves the mouse.
    m_controls.helpArrow->hide();
    m_buttons->offerPrint(false);
    m_pages->showIntroduction();
    m_rules->placeForReading();
    const Qt::FocusReason reason = fromKeyboard || testAttribute(Qt::WA_KeyboardFocusChange)
                                       ? Qt::TabFocusReason
                                       : Qt::OtherFocusReason;
    m_buttons->offer(m_controls.buttons.next,
                     fromKeyboard || focusLeavesWithPage ? std::optional(reason) : std::nullopt);
    m_lists->close();
    m_rules->clearHighlight();
}

void LessonWindow::takeRadius()
{
    const Choice choice = m_lists->choice();
    if (!choice.distance && choice.r1 && choice.r2)
        m_pages->askForDistance();
    else
        m_pages->hideDistancePrompt();
    if (choice.complete()) {
        m_pages->showFullFrames();
        showFigure(choice, true);
        m_controls.helpArrow->show();
    }
}

void LessonWindow::takeDistance()
{
    const Choice choice = m_lists->choice();
    if (!choice.complete())
        return;
    m_pages->offerRearranging();
    showFigure(choice, false);
}

void LessonWindow::showFigure(const Choice &choice, bool radiusChanged)
{
    m_controls.figure->showChoice(choice, radiusChanged);
    m_rules->highlight(choice.rule());
    m_buttons->offerPrint(true);
    m_listCue->stop();
}

// Ctrl+0 (no steps): the designed size, or the largest the screen allows below it.
void LessonWindow::zoomBy(int steps)
{
    if (isFullScreen())
        return;
    const QSize frame = m_frameKnown ? frameGeometry().size() - size() : design::kFrame;
    const QSize room = screen()->availableGeometry().size() - frame;
    const double now = design::view.zoom;
    const double *next = std::ranges::upper_bound(kZoomSteps, now);
    // The step below, or the smallest.
    const double *below = std::max(std::ranges::lower_bound(kZoomSteps, now), kZoomSteps + 1) - 1;
    if (steps > 0 && next == std::end(kZoomSteps))
        return;
    const double wanted = steps > 0 ? *next : steps < 0 ? *below : 1;
    const double zoom = fittingZoom(wanted, room);
    // Only ever a step in the direction asked for.
    if ((steps > 0 && zoom <= now) || (steps < 0 && zoom >= now))
        return setZoom(now);
    setZoom(zoom);
    keepFrameOnScreen();
}

void LessonWindow::setZoom(double zoom)
{
    design::view = {zoom, {}};
    if (isFullScreen()) {
        const QSize room = size() - design::clientSize();
        design::view.origin = QPoint(room.width() / 2, room.height() / 2);
    }
    design::follow(this);
    if (!isFullScreen())
        setFixedSize(design::clientSize());
    update();
}

// Down from the largest in hundredths to where the lesson fits the room and every text its box.
double LessonWindow::fittingZoom(double largest, QSize room)
{
    const QSizeF atOne = design::kClientTwips * (design::pixelsPerTwip() / design::view.zoom);
    for (double zoom =
             std::min({largest, room.width() / atOne.width(), room.height() / atOne.height()});
         zoom > kSmallestZoom; zoom = std::ceil(zoom * 100 - 1 - 1e-9) / 100) {
        design::view = {zoom, {}};
        design::follow(this);
        const QSize lesson = design::clientSize();
        if (lesson.width() <= room.width() && lesson.height() <= room.height() && textsFit())
            return zoom;
    }
    return kSmallestZoom;
}

void LessonWindow::toggleFullScreen()
{
    if (isFullScreen()) {
        showNormal();
        setZoom(m_windowZoom);
        return windowHandle()->setFramePosition(m_windowFrame);
    }
    m_windowZoom = design::view.zoom;
    m_windowFrame = frameGeometry().topLeft();
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    showFullScreen();
}

void LessonWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (isFullScreen())
        setZoom(fittingZoom(kLargestZoom, size()));
}

// Escape leaves full screen once an open list or typing has had it.
void LessonWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && isFullScreen())
        return toggleFullScreen();
    QWidget::keyPressEvent(event);
}

QHash<const QWidget *, QSize> LessonWindow::textOverflows() const
{
    QHash<const QWidget *, QSize> found;
    for (const QTextEdit *box : findChildren<QTextEdit *>()) {
        // A hidden box lays its text out for its width only once it is shown.
        const std::unique_ptr<QTextDocument> line(box->document()->clone());
        line->setTextWidth(-1);
        found.insert(box, {int(std::ceil(line->idealWidth())) - box->contentsRect().width(), 0});
    }
    for (const QLabel *label : findChildren<QLabel *>())
        found.insert(label,
                     richtext::overflow(label->font(), label->contentsRect(),
                                        int(label->alignment()) | Qt::TextWordWrap, label->text()));
    for (const QAbstractButton *button : findChildren<LabelButton *>())
        found.insert(button,
                     richtext::overflow(button->font(), button->rect(),
                                        Qt::AlignHCenter | Qt::TextWordWrap, button->text()));
    found.insert(m_controls.helpArrow, m_controls.helpArrow->hintOverflow());
    return found;
}

// Zoomed, a text may run past its box as far as at the designed size, plus a pixel of rounding.
bool LessonWindow::textsFit() const
{
    const double zoom = design::view.zoom;
    const QHash<const QWidget *, QSize> now = textOverflows();
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        const QSize designed = m_designedOverflows.value(it.key());
        if (it.value().width() > std::max(0, designed.width()) * zoom + 1 ||
            it.value().height() > std::max(0, designed.height()) * zoom + 1)
            return false;
    }
    return true;
}

void LessonWindow::paintEvent(QPaintEvent *event)
{
    QPainter(this).fillRect(event->rect(), colours::kPaleGreen);
}

// Only the bare window: every control takes the mouse over its own rectangle.
void LessonWindow::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    m_controls.helpArrow->hide();
    m_buttons->calmAll();
    m_nextCue->start();
}

// A window manager that frames the window moves it into its frame.
bool LessonWindow::event(QEvent *event)
{
    if (event->type() == QEvent::Move && !m_frameKnown && frameGeometry() != geometry()) {
        m_frameKnown = true;
        keepFrameOnScreen();
    }
    return QWidget::event(event);
}

// Unlike the bare window, the message line leaves Print as it is and the help arrow shown.
bool LessonWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_controls.pages.messageLine->viewport() && event->type() == QEvent::MouseMove) {
        m_buttons->calmBackAndHome();
        m_nextCue->start();
    }
    return QWidget::eventFilter(watched, event);
}
