// Random whole lessons. A seeded generator plays a pupil who clicks the visible label buttons,
// picks in the lists that are open (from the drop-down, with the arrow keys, with the wheel),
// types and pastes texts of every kind into their fields, moves the mouse over every control and
// the bare window, lets the timers tick and prints (cancelled, several copies, a failing
// printer). After every action a small model of the lesson, written from the lesson's rules and
// not from its code, says what must hold: the page shown, which lists are open, which rule box
// is yellow (decided by the independent circle geometry), where the centres stand, and that the
// program is still alive. A failing seed is shrunk to the shortest action sequence that still
// fails, and that sequence is printed.
//
// The short run is part of the suite. The long one is the same program with more actions and
// seeds: SOAK_ACTIONS=25000 SOAK_SEEDS=1-8 tst_soak (make soak).

#include "circlegeometry.h"
#include "referencelistvalue.h"

#include "platform/commondialog.h"
#include "platform/program.h"
#include "platform/runtimeerror.h"
#include "window/lessonwindow.h"
#include "window/placeholders.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <random>

using platform::ComboBox;
using platform::Label;

namespace {

constexpr quint32 kYellow = 0x0000FFFF;
// An action that takes longer than this has left the pupil looking at a frozen window.
constexpr qint64 kResponsiveMs = 2000;

// ---------------------------------------------------------------------------------------------
// Actions

enum class Act { Click, Pick, Type, Paste, Erase, Move, Tick, Print, Home };

// How a pick is made: from the open drop-down, by the arrow keys or by the mouse wheel.
enum class PickBy { DropDown, KeyDown, KeyUp, WheelDown, WheelUp };

// How the printer dialog answers: cancelled, confirmed with a number of copies, or confirmed
// with a printer that fails on one of the pages.
enum class PrintMode { Cancel, Copies, FailingPage };

// One pupil action. Which control it reaches is decided when it is played, among those the
// pupil can reach at that moment (the k-th visible button, the k-th open list), so that any
// subsequence of a run is still a run a pupil could make; this is what lets a failure shrink.
struct Action
{
    Act act = Act::Move;
    int target = 0;
    int value = 0;
    PickBy pickBy = PickBy::DropDown;
    PrintMode printMode = PrintMode::Cancel;
    int failingPage = 0;
    QString text;
    QPoint at{-1, -1};
};

// ---------------------------------------------------------------------------------------------
// The model


// The rule that holds for the radii and the distance. The geometry decides for every figure the
// lists can give. A distance below zero can only be typed; the lesson's order of tests puts it
// under rule (4), since it is below |r1 - r2|.
int expectedRule(int r1, int r2, int distance)
{
    if (distance < 0)
        return 4;
    return int(circlegeometry::relation(r1, r2, distance));
}

struct ListModel
{
    QString text;
    int index = -1; // the item last picked; typing leaves it
};

struct Model
{
    bool practicePage = false;
    bool startLayout = true; // until the first Next, Back is shown behind Next
    ListModel lists[3] = {{kR1Placeholder}, {kR2Placeholder}, {kPQPlaceholder}};
    bool r2Open = false;
    bool pqOpen = false;
    int r1 = 0, r2 = 0;
    std::optional<int> distance; // as the last distance choice (or Next's resume) read it
    int yellowRule = 0;          // 0: no rule box is yellow
    bool printShown = false;

    bool chosen(int list) const
    {
        static const QString placeholders[] = {kR1Placeholder, kR2Placeholder, kPQPlaceholder};
        return lists[list].text != placeholders[list];
    }

    void classify() { yellowRule = expectedRule(r1, r2, referenceListValue(lists[2].text)); }

    void distanceChoice()
    {
        distance = referenceListValue(lists[2].text);
        classify();
        printShown = true;
    }

    void picked(int list, int index, const QString &item)
    {
        lists[list] = {item, index};
        if (list == 0) {
            r1 = referenceListValue(item);
            r2Open = true;
            if (chosen(2) && chosen(1))
                classify();
        } else if (list == 1) {
            r2 = referenceListValue(item);
            pqOpen = true;
            if (chosen(2) && chosen(0))
                classify();
        } else {
            distanceChoice();
        }
    }

    void next()
    {
        practicePage = true;
        startLayout = false;
        if (!chosen(2)) {
            r2Open = false;
            pqOpen = false;
        } else {
            distanceChoice();
        }
    }

    void back()
    {
        practicePage = false;
        yellowRule = 0;
        printShown = false;
    }
};

// ---------------------------------------------------------------------------------------------
// The generator

const QStringList kShortTexts = {
    // numbers, with and without blanks
    QStringLiteral("0"), QStringLiteral("3"), QStringLiteral("12"), QStringLiteral("13"),
    QStringLiteral(" 7"), QStringLiteral("   5   "), QStringLiteral("007"),
    // what the placeholders look like, nearly
    QStringLiteral("PQ"), QStringLiteral("pq"), QStringLiteral(" PQ"), QStringLiteral(" r1"),
    QStringLiteral("r1"), QStringLiteral("r2"), QStringLiteral("R2"), QStringLiteral(" "),
    // letters and signs
    QStringLiteral("abc"), QStringLiteral("x5"), QStringLiteral("-3"), QStringLiteral("+7"),
    QStringLiteral("-0"), QStringLiteral("--5"), QStringLiteral("+-2"), QStringLiteral("- 4"),
    QStringLiteral("-"), QStringLiteral("+"), QStringLiteral("."),
    // fractions, halves and exponents
    QStringLiteral("2.5"), QStringLiteral("3.5"), QStringLiteral("0.5"), QStringLiteral(".5"),
    QStringLiteral("5."), QStringLiteral("-2.5"), QStringLiteral("1.49999"), QStringLiteral("1e1"),
    QStringLiteral("2E0"), QStringLiteral("5e-1"), QStringLiteral("1.2e+1"), QStringLiteral("3e"),
    QStringLiteral("4e+"), QStringLiteral("1e400"), QStringLiteral("1e-400"),
    QStringLiteral("-1e400"),
    // beyond 16 bits
    QStringLiteral("32767"), QStringLiteral("32768"), QStringLiteral("-32768"),
    QStringLiteral("-32769"), QStringLiteral("99999"), QStringLiteral("100000000000000000000000"),
    QStringLiteral("-1e30"),
    // other scripts' digits and letters
    QStringLiteral("\u0663"), QStringLiteral("\uFF11\uFF12"), QStringLiteral("\u00E9t\u00E9"),
    QStringLiteral("\u00B2")};

class Generator
{
public:
    explicit Generator(quint64 seed) : m_random(seed) {}

    int below(int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(m_random)); }

    QString typedText()
    {
        if (below(4) == 0) {
            // printable ASCII, as a pupil's fingers find it
            QString text;
            const int length = 1 + below(20);
            for (int i = 0; i < length; ++i)
                text += QChar(0x20 + below(0x5F));
            return text;
        }
        return kShortTexts.at(below(int(kShortTexts.size())));
    }

    QString pastedText()
    {
        QString text;
        switch (below(4)) {
        case 0: // a long number
            text = QStringLiteral("4");
            text += QString(2000 + below(40000), QLatin1Char('0'));
            break;
        case 1: // a long mixed text, as from a document
            for (int i = 0, n = 3000 + below(40000); i < n; ++i)
                text += QChar(0x20 + below(0x5F));
            break;
        case 2: // a short one with what typing cannot bring: tabs, emoji, a line break
            text = QStringLiteral("\t6\U0001F600") + typedText() + QStringLiteral("\n2");
            break;
        default:
            text = typedText();
        }
        return text;
    }

    Action next()
    {
        Action a;
        const int roll = below(100);
        if (roll < 12) {
            a.act = Act::Click;
            a.target = below(3);
        } else if (roll < 34) {
            a.act = Act::Pick;
            a.target = below(3);
            a.value = below(13);
            a.pickBy = PickBy(below(5));
        } else if (roll < 46) {
            a.act = Act::Type;
            a.target = below(3);
            a.text = typedText();
        } else if (roll < 48) {
            a.act = Act::Paste;
            a.target = below(3);
            a.text = pastedText();
        } else if (roll < 51) {
            a.act = Act::Erase;
            a.target = below(3);
        } else if (roll < 76) {
            a.act = Act::Move;
            a.target = below(64); // a control by its number, or the bare window beyond them
            a.at = QPoint(below(1018), below(736));
        } else if (roll < 95) {
            a.act = Act::Tick;
            a.target = below(4);
        } else {
            a.act = Act::Print;
            a.printMode = PrintMode(below(3));
            const int copies[] = {0, 1, 2, 3, -1, 40000, 32767};
            a.value = copies[below(7)];
            a.failingPage = 1 + below(3);
        }
        return a;
    }

private:
    std::mt19937_64 m_random;
};

std::vector<Action> generateRun(quint64 seed, int count)
{
    Generator generator(seed);
    std::vector<Action> actions;
    actions.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i)
        actions.push_back(generator.next());
    return actions;
}

// ---------------------------------------------------------------------------------------------
// Playing a run

struct Failure
{
    int index = -1;   // the action after which the check failed
    QString check;    // which check
    QString details;
};

struct RunStats
{
    int actions = 0;
    int pageChanges = 0;
    int highlightsChecked = 0;
    int printed = 0;
    qint64 slowestMs = 0;
};

QString shown(const QString &text)
{
    QString s = text.size() > 24 ? text.left(20) + QStringLiteral("... (%1 characters)").arg(text.size())
                                 : text;
    s.replace(QLatin1Char('\n'), QStringLiteral("\\n")).replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    return QLatin1Char('"') + s + QLatin1Char('"');
}

class Player
{
public:
    Player()
    {
        platform::setUnhandledErrorReporter([this](const QString &message) {
            m_unhandled = message.isEmpty() ? QStringLiteral("(no message)") : message;
        });
    }
    ~Player() { platform::setUnhandledErrorReporter([](const QString &) {}); }

    // Plays the actions on a fresh window; the first failed check ends the run. With a log, each
    // action is written down as it was resolved against the window.
    std::optional<Failure> play(const std::vector<Action> &actions, RunStats *stats = nullptr,
                                QStringList *log = nullptr)
    {
        m_unhandled.clear();
        m_printCheck.reset();
        m_ended = false;
        m_pages = m_attempts = m_jobs = 0;
        LessonWindow w;
        m_w = &w;
        m_model = Model();
        installPrinter();
        w.Form_Load();
        w.show();
        if (!QTest::qWaitForWindowExposed(w.form))
            return Failure{-1, QStringLiteral("window shown"), QStringLiteral("not exposed")};
        if (auto failure = verify(-1))
            return failure;

        QElapsedTimer clock;
        for (int i = 0; i < int(actions.size()); ++i) {
            const bool wasPractice = m_model.practicePage;
            clock.start();
            const QString what = perform(actions[std::size_t(i)]);
            QCoreApplication::sendPostedEvents();
            const qint64 ms = clock.elapsed();
            if (log)
                log->append(what);
            if (stats) {
                ++stats->actions;
                stats->slowestMs = std::max(stats->slowestMs, ms);
                stats->pageChanges += wasPractice != m_model.practicePage;
                stats->highlightsChecked += m_model.yellowRule != 0;
            }
            if (ms > kResponsiveMs)
                return Failure{i, QStringLiteral("responsive"),
                               QStringLiteral("the action took %1 ms").arg(ms)};
            if (m_ended)
                return checkEnded(i);
            if (auto failure = verify(i))
                return failure;
        }
        // The event loop still turns: everything queued (timers, repaints) is handled and returns.
        QCoreApplication::processEvents();
        if (auto failure = verify(int(actions.size()) - 1))
            return failure;
        if (stats)
            stats->printed += m_pages;
        return std::nullopt;
    }

private:
    ComboBox *list(int i) const { return i == 0 ? m_w->cboR1 : i == 1 ? m_w->cboR2 : m_w->cboPQ; }

    QPoint centreOf(QWidget *control) const
    {
        return control->mapTo(m_w->form, control->rect().center());
    }

    QWindow *window() const { return m_w->form->windowHandle(); }

    // The printer dialog and the printer, scripted by the action being played.
    void installPrinter()
    {
        platform::CommonDialog::System &system = m_w->CommonDialog1->system();
        system.showDialog = [this]() -> std::optional<int> {
            if (m_print.printMode == PrintMode::Cancel)
                return std::nullopt;
            return m_print.value;
        };
        system.printPage = [this] {
            ++m_attempts;
            if (m_print.printMode == PrintMode::FailingPage && m_attempts == m_print.failingPage)
                throw platform::RuntimeError(platform::kErrorPrinter, QStringLiteral("Printer error"));
            if (m_pages == 0) {
                // The first page of a run is rendered, as the printer would get it.
                QImage page(m_w->form->size(), QImage::Format_ARGB32_Premultiplied);
                m_w->form->render(&page);
            }
            ++m_pages;
            ++m_pagesThisClick;
        };
        system.endJob = [this] {
            ++m_jobs;
            return true;
        };
    }

    QString perform(const Action &a)
    {
        switch (a.act) {
        case Act::Click: {
            // The buttons the pupil can see: shown, and not behind another control (at start
            // Back is shown too, hidden behind Next).
            QList<Label *> visible;
            for (Label *button : {m_w->lblNext, m_w->lblBack, m_w->lblPrint})
                if (button->Visible() && m_w->form->childAt(centreOf(button)) == button)
                    visible.append(button);
            Label *button = visible.at(a.target % visible.size());
            if (button == m_w->lblPrint)
                return printClick(Action{.act = Act::Print, .value = 1,
                                         .printMode = PrintMode::Copies});
            const bool next = button == m_w->lblNext;
            QTest::mouseClick(window(), Qt::LeftButton, {}, centreOf(button));
            if (next)
                m_model.next();
            else
                m_model.back();
            return next ? QStringLiteral("click Next") : QStringLiteral("click Back");
        }
        case Act::Pick: {
            ComboBox *target = openList(a.target);
            if (!target)
                return QStringLiteral("pick: no list open");
            return pick(target, a);
        }
        case Act::Type:
        case Act::Paste:
        case Act::Erase: {
            ComboBox *target = openList(a.target);
            if (!target)
                return QStringLiteral("type: no list open");
            return type(target, a);
        }
        case Act::Move: {
            const QList<QWidget *> controls = namedControls();
            const bool bare = a.target >= controls.size();
            const QPoint at = bare ? a.at : centreOf(controls.at(a.target));
            QTest::mouseMove(window(), at);
            return bare ? QStringLiteral("move to (%1, %2)").arg(at.x()).arg(at.y())
                        : QStringLiteral("move over %1").arg(controls.at(a.target)->objectName());
        }
        case Act::Tick: {
            platform::Timer *timers[] = {m_w->Timer1, m_w->Timer2, m_w->Timer5, m_w->Timer6};
            platform::Timer *timer = timers[a.target];
            // A timer that is off does not tick.
            if (!timer->Enabled())
                return QStringLiteral("tick: %1 is off").arg(timer->objectName());
            emit timer->tick();
            return QStringLiteral("tick %1").arg(timer->objectName());
        }
        case Act::Print:
            if (!m_w->lblPrint->Visible())
                return QStringLiteral("print: not offered");
            return printClick(a);
        case Act::Home:
            QTest::mouseClick(window(), Qt::LeftButton, {}, centreOf(m_w->lblHome));
            m_ended = true;
            return QStringLiteral("click Home");
        }
        return {};
    }

    // The k-th list that is shown and open, or none.
    ComboBox *openList(int k) const
    {
        QList<ComboBox *> open;
        for (int i = 0; i < 3; ++i)
            if (list(i)->Visible() && list(i)->isEnabled())
                open.append(list(i));
        return open.isEmpty() ? nullptr : open.at(k % open.size());
    }

    int indexOf(ComboBox *target) const
    {
        return target == m_w->cboR1 ? 0 : target == m_w->cboR2 ? 1 : 2;
    }

    QString pick(ComboBox *target, const Action &a)
    {
        const int which = indexOf(target);
        const int count = target->count();
        const QString name = target->objectName();
        int row = -1;
        switch (a.pickBy) {
        case PickBy::DropDown: {
            row = a.value % count;
            target->showPopup();
            QAbstractItemView *view = target->view();
            if (!QTest::qWaitFor([view] { return view->isVisible(); }))
                return QStringLiteral("pick: the drop-down of %1 did not open").arg(name);
            view->setCurrentIndex(view->model()->index(row, target->modelColumn()));
            QTest::keyClick(view, Qt::Key_Return);
            break;
        }
        case PickBy::KeyDown:
        case PickBy::KeyUp: {
            const bool down = a.pickBy == PickBy::KeyDown;
            QTest::keyClick(target, down ? Qt::Key_Down : Qt::Key_Up);
            const int current = m_model.lists[which].index;
            row = down ? current + 1 : current - 1;
            break;
        }
        case PickBy::WheelDown:
        case PickBy::WheelUp: {
            const bool down = a.pickBy == PickBy::WheelDown;
            const QPoint local = target->rect().center();
            QWheelEvent wheel(local, target->mapToGlobal(local), QPoint(),
                              QPoint(0, down ? -120 : 120), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(target, &wheel);
            const int current = m_model.lists[which].index;
            row = down ? current + 1 : current - 1;
            break;
        }
        }
        static const char *const ways[] = {"from the drop-down", "with the Down key",
                                           "with the Up key", "with the wheel down",
                                           "with the wheel up"};
        if (row < 0 || row >= count)
            return QStringLiteral("pick in %1 %2: no item there").arg(name, ways[int(a.pickBy)]);
        const QString item = target->itemText(row);
        m_model.picked(which, row, item);
        return QStringLiteral("pick %1 in %2 %3").arg(item, name, ways[int(a.pickBy)]);
    }

    QString type(ComboBox *target, const Action &a)
    {
        const int which = indexOf(target);
        QLineEdit *field = target->lineEdit();
        const QString name = target->objectName();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        if (a.act == Act::Erase) {
            QTest::keyClick(field, Qt::Key_Backspace);
            m_model.lists[which].text.clear();
            return QStringLiteral("erase the field of %1").arg(name);
        }
        if (a.act == Act::Paste) {
            QGuiApplication::clipboard()->setText(a.text);
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            // A field holds one line of at most maxLength characters.
            QString expected = a.text.left(field->maxLength());
            m_model.lists[which].text = expected;
            return QStringLiteral("paste %1 into %2").arg(shown(a.text), name);
        }
        // Key by key; a character beyond ASCII comes as the text of a key the keyboard has no
        // code for, as an input method delivers it.
        for (QChar c : a.text) {
            if (c.unicode() < 0x80)
                QTest::keyClick(field, char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        m_model.lists[which].text = a.text;
        return QStringLiteral("type %1 into %2").arg(shown(a.text), name);
    }

    QString printClick(const Action &a)
    {
        m_print = a;
        m_attempts = 0;
        m_pagesThisClick = 0;
        const int jobsBefore = m_jobs;
        QTest::mouseClick(window(), Qt::LeftButton, {}, centreOf(m_w->lblPrint));
        m_printCheck.reset();
        int expectedPages = 0;
        if (a.printMode != PrintMode::Cancel && a.value >= 1 && a.value <= 32767)
            expectedPages = a.printMode == PrintMode::FailingPage
                                ? std::min(a.value, a.failingPage - 1)
                                : a.value;
        if (m_pagesThisClick != expectedPages || m_jobs - jobsBefore > 1)
            m_printCheck = QStringLiteral("%1 pages printed in %2 jobs, %3 pages expected")
                               .arg(m_pagesThisClick)
                               .arg(m_jobs - jobsBefore)
                               .arg(expectedPages);
        static const char *const modes[] = {"cancelled", "copies", "printer failing on page"};
        QString what = QStringLiteral("print, dialog %1").arg(modes[int(a.printMode)]);
        if (a.printMode != PrintMode::Cancel)
            what += QStringLiteral(" (copies %1%2)")
                        .arg(a.value)
                        .arg(a.printMode == PrintMode::FailingPage
                                 ? QStringLiteral(", fails on page %1").arg(a.failingPage)
                                 : QString());
        return what;
    }

    QList<QWidget *> namedControls() const
    {
        QList<QWidget *> controls;
        for (QWidget *child : m_w->form->findChildren<QWidget *>())
            if (!child->isWindow() && !child->objectName().isEmpty() &&
                !child->objectName().startsWith(QLatin1String("qt_")))
                controls.append(child);
        return controls;
    }

    std::optional<Failure> fail(int index, const QString &check, const QString &details) const
    {
        return Failure{index, check, details};
    }

    // Everything the model says must hold after an action.
    std::optional<Failure> verify(int i) const
    {
        LessonWindow &w = *m_w;
        if (!m_unhandled.isEmpty())
            return fail(i, QStringLiteral("alive"), QStringLiteral("unhandled error: ") + m_unhandled);
        if (!w.form->isVisible() || platform::programEnded() != m_endedBefore)
            return fail(i, QStringLiteral("alive"), QStringLiteral("the window closed"));
        if (m_printCheck)
            return fail(i, QStringLiteral("print"), *m_printCheck);

        const bool practice = m_model.practicePage;
        const bool backShown = practice || m_model.startLayout;
        if (w.lblNext->Visible() == practice || w.lblBack->Visible() != backShown)
            return fail(i, QStringLiteral("page"),
                        QStringLiteral("Next %1, Back %2 on the %3 page")
                            .arg(w.lblNext->Visible() ? "shown" : "hidden",
                                 w.lblBack->Visible() ? "shown" : "hidden",
                                 practice ? "practice" : "introduction"));
        for (int l = 0; l < 3; ++l)
            if (list(l)->Visible() != practice)
                return fail(i, QStringLiteral("page"),
                            QStringLiteral("%1 %2 on the %3 page")
                                .arg(list(l)->objectName(), list(l)->Visible() ? "shown" : "hidden",
                                     practice ? "practice" : "introduction"));
        if (w.lblPrint->Visible() != m_model.printShown)
            return fail(i, QStringLiteral("page"),
                        QStringLiteral("Print %1").arg(w.lblPrint->Visible() ? "shown" : "hidden"));

        const bool open[] = {true, m_model.r2Open, m_model.pqOpen};
        for (int l = 0; l < 3; ++l)
            if (list(l)->isEnabled() != open[l])
                return fail(i, QStringLiteral("lists open"),
                            QStringLiteral("%1 %2").arg(list(l)->objectName(),
                                                        list(l)->isEnabled() ? "enabled" : "disabled"));
        for (int l = 0; l < 3; ++l)
            if (list(l)->Text() != m_model.lists[l].text)
                return fail(i, QStringLiteral("list text"),
                            QStringLiteral("%1 shows %2, the pupil left %3")
                                .arg(list(l)->objectName(), shown(list(l)->Text()),
                                     shown(m_model.lists[l].text)));

        platform::RichTextBox *const boxes[] = {w.rtBox1, w.rtBox2, w.rtBox3, w.rtBox4, w.rtBox5};
        QStringList yellow;
        for (int k = 0; k < 5; ++k)
            if (boxes[k]->backColor() == kYellow)
                yellow.append(QString::number(k + 1));
        const QString expected = m_model.yellowRule ? QString::number(m_model.yellowRule) : QString();
        if (yellow.join(QLatin1Char(',')) != expected)
            return fail(i, QStringLiteral("yellow rule"),
                        QStringLiteral("yellow: (%1), expected: (%2) for r1 %3, r2 %4, PQ text %5")
                            .arg(yellow.join(QLatin1Char(',')), expected)
                            .arg(m_model.r1)
                            .arg(m_model.r2)
                            .arg(shown(m_model.lists[2].text)));

        if (w.r1 != m_model.r1 || w.r2 != m_model.r2)
            return fail(i, QStringLiteral("radii"),
                        QStringLiteral("r1 %1, r2 %2, expected %3, %4")
                            .arg(w.r1).arg(w.r2).arg(m_model.r1).arg(m_model.r2));
        const double d = m_model.distance.value_or(0);
        const float xP = m_model.distance ? float(13 - d / 2.0) : 0.0f;
        const float xQ = m_model.distance ? float(d / 2.0 + 13) : 0.0f;
        if (w.xP != xP || w.xQ != xQ)
            return fail(i, QStringLiteral("centres"),
                        QStringLiteral("xP %1, xQ %2, expected %3, %4 for the distance %5")
                            .arg(w.xP).arg(w.xQ).arg(xP).arg(xQ).arg(d));
        return std::nullopt;
    }

    // Home ends the program: the window is gone, no timer runs, and no event reaches a handler.
    std::optional<Failure> checkEnded(int i)
    {
        m_ended = false;
        LessonWindow &w = *m_w;
        if (!m_unhandled.isEmpty())
            return fail(i, QStringLiteral("ended"), QStringLiteral("unhandled error: ") + m_unhandled);
        if (!platform::programEnded() || w.form->isVisible())
            return fail(i, QStringLiteral("ended"), QStringLiteral("the window is still open"));
        for (platform::Timer *timer : {w.Timer1, w.Timer2, w.Timer5, w.Timer6})
            if (timer->Enabled())
                return fail(i, QStringLiteral("ended"),
                            QStringLiteral("%1 still runs").arg(timer->objectName()));
        const quint32 before = w.lblNext->foreColor();
        emit w.Timer1->tick();
        emit w.Timer2->tick();
        if (w.lblNext->foreColor() != before)
            return fail(i, QStringLiteral("ended"), QStringLiteral("a tick reached its handler"));
        m_endedBefore = true;
        return std::nullopt;
    }

    LessonWindow *m_w = nullptr;
    Model m_model;
    QString m_unhandled;
    Action m_print;
    int m_attempts = 0, m_pages = 0, m_pagesThisClick = 0, m_jobs = 0;
    std::optional<QString> m_printCheck;
    bool m_ended = false;
    bool m_endedBefore = false;
};

// ---------------------------------------------------------------------------------------------
// Shrinking

using PlayFunction = std::function<std::optional<Failure>(const std::vector<Action> &)>;

// The shortest sequence found that still fails the same check: first everything after the
// failing action goes, then ever smaller chunks, then single actions, as long as the failure
// stays. Bounded by a number of replays, since each costs a fresh window.
std::vector<Action> shrink(std::vector<Action> actions, const Failure &failure,
                           const PlayFunction &play, int budget = 400)
{
    const auto stillFails = [&](const std::vector<Action> &candidate) {
        if (budget-- <= 0)
            return false;
        const std::optional<Failure> f = play(candidate);
        return f && f->check == failure.check;
    };
    if (failure.index >= 0 && failure.index + 1 < int(actions.size()))
        actions.resize(std::size_t(failure.index + 1));

    for (std::size_t chunk = std::max<std::size_t>(1, actions.size() / 2); chunk >= 1; chunk /= 2) {
        bool removed = true;
        while (removed && budget > 0) {
            removed = false;
            for (std::size_t start = 0; start < actions.size(); start += chunk) {
                std::vector<Action> candidate = actions;
                candidate.erase(candidate.begin() + std::ptrdiff_t(start),
                                candidate.begin() +
                                    std::ptrdiff_t(std::min(start + chunk, actions.size())));
                if (stillFails(candidate)) {
                    actions = std::move(candidate);
                    removed = true;
                    break;
                }
            }
        }
        if (chunk == 1)
            break;
    }
    return actions;
}

// SOAK_SEEDS: "1,2,5" or "1-8"; SOAK_ACTIONS: actions per seed.
QList<quint64> seedsFromEnvironment(QList<quint64> fallback)
{
    const QString seedList = qEnvironmentVariable("SOAK_SEEDS");
    if (seedList.isEmpty())
        return fallback;
    QList<quint64> seeds;
    for (const QString &part : seedList.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList range = part.split(QLatin1Char('-'));
        const quint64 first = range.at(0).trimmed().toULongLong();
        const quint64 last = range.size() > 1 ? range.at(1).trimmed().toULongLong() : first;
        for (quint64 s = first; s <= last; ++s)
            seeds.append(s);
    }
    return seeds;
}

int actionsFromEnvironment(int fallback)
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("SOAK_ACTIONS", &ok);
    return ok && n > 0 ? n : fallback;
}

} // namespace

Q_DECLARE_METATYPE(std::vector<Action>)

class TestSoak : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The offscreen platform says, at every drop-down, that it cannot raise a window or
        // grab the keyboard; thousands of picks would bury the test's own output.
        static QtMessageHandler previous = nullptr;
        previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
                if (!message.startsWith(QLatin1String("This plugin does not support")))
                    previous(type, context, message);
            });
    }

    void randomLessons_data()
    {
        QTest::addColumn<quint64>("seed");
        for (quint64 seed : seedsFromEnvironment({1, 2, 3}))
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
    }

    void randomLessons()
    {
        QFETCH(quint64, seed);
        const int count = actionsFromEnvironment(1000);
        const std::vector<Action> actions = generateRun(seed, count);
        Player player;
        RunStats stats;
        const std::optional<Failure> failure = player.play(actions, &stats);
        if (failure) {
            const std::vector<Action> shortest = shrink(actions, *failure, [&](const auto &a) {
                return player.play(a);
            });
            QStringList log;
            const std::optional<Failure> again = player.play(shortest, nullptr, &log);
            const Failure &shown = again ? *again : *failure;
            QString steps;
            for (int i = 0; i < log.size(); ++i)
                steps += QStringLiteral("\n  %1. %2").arg(i + 1).arg(log.at(i));
            QFAIL(qPrintable(QStringLiteral("seed %1, action %2 of %3: check '%4' failed: %5\n"
                                            "shortest sequence that fails (%6 actions):%7")
                                 .arg(seed)
                                 .arg(failure->index + 1)
                                 .arg(count)
                                 .arg(shown.check, shown.details)
                                 .arg(shortest.size())
                                 .arg(steps)));
        }
        QCOMPARE(stats.actions, count);
        qInfo("seed %llu: %d actions, %d page changes, %d checks with a rule highlighted, "
              "%d pages printed, slowest action %lld ms",
              seed, stats.actions, stats.pageChanges, stats.highlightsChecked, stats.printed,
              stats.slowestMs);
        // A run of a thousand actions or more reaches the lesson's depths: the practice page,
        // and a highlighted rule (a short run may hop between the pages and never get there).
        if (count >= 1000) {
            QVERIFY(stats.pageChanges > 0);
            QVERIFY(stats.highlightsChecked > 0);
        }
    }

    // The shrinker keeps exactly what the failure needs: here, a fault that shows only after a
    // Back following a pick of 4 in some list.
    void shrinkingKeepsOnlyWhatTheFailureNeeds()
    {
        std::vector<Action> actions = generateRun(7, 300);
        Action four{.act = Act::Pick, .value = 4};
        Action back{.act = Act::Click, .target = 1};
        actions.insert(actions.begin() + 120, four);
        actions.insert(actions.begin() + 200, back);
        const auto isFour = [](const Action &a) { return a.act == Act::Pick && a.value == 4; };
        const auto isBack = [](const Action &a) { return a.act == Act::Click && a.target == 1; };
        int plays = 0;
        const PlayFunction play = [&](const std::vector<Action> &run) -> std::optional<Failure> {
            ++plays;
            bool sawFour = false;
            for (int i = 0; i < int(run.size()); ++i) {
                sawFour = sawFour || isFour(run[std::size_t(i)]);
                if (sawFour && isBack(run[std::size_t(i)]))
                    return Failure{i, QStringLiteral("injected"), {}};
            }
            return std::nullopt;
        };
        const std::optional<Failure> failure = play(actions);
        QVERIFY(failure);
        const std::vector<Action> shortest = shrink(actions, *failure, play);
        QCOMPARE(int(shortest.size()), 2);
        QVERIFY(isFour(shortest[0]));
        QVERIFY(isBack(shortest[1]));
        QVERIFY(plays < 400);
    }

    // The typed extremes reach the figure only through Next's resume, which reads the distance
    // list's text as it stands: the centres then lie 32767 cm apart (or the sign turns them
    // round), and the lesson must stay quick and keep its checks.
    void typedExtremesThroughResume_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("largest distance") << QStringLiteral("99999999");
        QTest::newRow("smallest distance") << QStringLiteral("-1e30");
        QTest::newRow("exponent") << QStringLiteral("1.2e+1");
        QTest::newRow("no number") << QStringLiteral("far");
        QTest::newRow("half") << QStringLiteral("2.5");
    }

    void typedExtremesThroughResume()
    {
        QFETCH(QString, typed);
        std::vector<Action> actions;
        actions.push_back({.act = Act::Click, .target = 0}); // Next
        actions.push_back({.act = Act::Pick, .target = 0, .value = 4});
        actions.push_back({.act = Act::Pick, .target = 1, .value = 4});
        actions.push_back({.act = Act::Pick, .target = 2, .value = 12});
        actions.push_back({.act = Act::Type, .target = 2, .text = typed});
        actions.push_back({.act = Act::Click, .target = 0}); // Back (Print is visible too)
        actions.push_back({.act = Act::Click, .target = 0}); // Next: resume with the typed text
        actions.push_back({.act = Act::Pick, .target = 0, .value = 1}); // r1 = 2: classify again
        Player player;
        QStringList log;
        const std::optional<Failure> failure = player.play(actions, nullptr, &log);
        QVERIFY2(!failure, failure ? qPrintable(failure->check + QStringLiteral(": ") + failure->details +
                                                QStringLiteral("\n") + log.join(QLatin1Char('\n')))
                                   : "");
        QCOMPARE(log.at(5), QStringLiteral("click Back"));
        QCOMPARE(log.at(6), QStringLiteral("click Next"));
    }

    // Last, since ending the program is for good: after a random lesson, Home ends it.
    void homeEndsARandomLesson()
    {
        std::vector<Action> actions = generateRun(99, 300);
        actions.push_back({.act = Act::Home});
        Player player;
        RunStats stats;
        const std::optional<Failure> failure = player.play(actions, &stats);
        QVERIFY2(!failure, failure ? qPrintable(failure->check + QStringLiteral(": ") + failure->details)
                                   : "");
        QVERIFY(platform::programEnded());
    }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
