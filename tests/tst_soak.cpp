// Random whole lessons: a seeded pupil clicks the text buttons, picks and types in the open lists,
// presses keys in them, points at controls and lets the cues blink. After every action a small
// model, written from the lesson's rules, says what the window must show (the page, the lists,
// the highlighted rule from the circles' geometry, the prompts, Print, the figure that picking
// alone gives), and a failing run is shrunk to a short sequence, which is printed.
// SOAK_SEEDS ("1,2,5" or "1-8") and SOAK_ACTIONS choose a long run (make soak); by default three
// seeds of 600 actions run with the suite.

#include "pupil.h"

#include "platform/choicelist.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <array>
#include <memory>
#include <optional>

namespace {

const char *const kLists[] = {"cboR1", "cboR2", "cboPQ"};
const char *const kPlaceholders[] = {" r1", "r2", "PQ"};
const int kFirst[] = {1, 1, 0}, kLast[] = {5, 5, 12};

// The rule that holds for circles of radii r1, r2 whose centres lie d apart, from where they
// meet. Their common chord lies a = (d² + r1² - r2²) / 2d from P along PQ and is 2h long, with
// h² = r1² - a²; scaled by 2d both stay whole numbers.
int ruleThatHolds(int r1, int r2, int d)
{
    if (d == 0)
        return r1 == r2 ? 2 : 4; // one circle twice, or one inside the other
    const int a = d * d + r1 * r1 - r2 * r2, h = 4 * d * d * r1 * r1 - a * a;
    if (h != 0) // two common points, or none: one inside the other or each outside
        return h > 0 ? 3 : d + std::min(r1, r2) < std::max(r1, r2) ? 4 : 5;
    return a >= 0 && a <= 2 * d * d ? 1 : 2; // one, between the centres or beyond one
}

// The message line and the prompt line at each stage of the lesson ("-": hidden).
constexpr int kInvitation = 0, kSelectRadii = 1, kAskDistance = 2, kRearrange = 3;
const char *const kStageTexts[][2] = {
    {"Author:  lessons@example.org    Mobile:  07700 900461",
     "Let us test it for practice..    Click 'Next'."},
    {"Now  select  length  of  radius  r1  and  r2  for  the  circles.", "-"},
    {"-", " Select the distance PQ between  their centers P and Q"},
    {"You can rearrange r1 , r2 and PQ", "-"}};

// What the pupil must see, from what they have done.
struct Lesson
{
    bool practice = false;
    std::array<std::optional<int>, 3> chosen;
    std::array<std::optional<QString>, 3> typed; // typed into a list, not committed yet
    std::array<bool, 3> enabled{true, false, false};
    int stage = kInvitation;
    bool redrawnForRadius = false; // the figure was last drawn after a radius, not a distance
    int pages = 0;

    void choose(int list, int value)
    {
        chosen[list] = value;
        typed[list].reset();
        redrawnForRadius = list < 2;
        if (list < 2)
            enabled[list + 1] = true;
        if (list == 2 || (!chosen[2] && chosen[1 - list]))
            stage = list == 2 ? kRearrange : kAskDistance;
    }
    // Enter, Tab or leaving a list: a whole number it offers is chosen, anything else put back.
    void commit(int list)
    {
        static const QRegularExpression number(QStringLiteral("^ *[+-]?[0-9]{1,9} *$"));
        const int value = typed[list] ? typed[list]->trimmed().toInt() : -1;
        if (typed[list] && number.match(*typed[list]).hasMatch() && value >= kFirst[list] &&
            value <= kLast[list])
            choose(list, value);
        typed[list].reset();
    }
    void leaveAllBut(int list)
    {
        for (int i = 0; i < 3; ++i)
            if (i != list)
                commit(i);
    }
    void next()
    {
        practice = true;
        redrawnForRadius = false;
        stage = chosen[2] ? kRearrange : kSelectRadii;
        enabled = {true, enabled[1] && chosen[2], enabled[2] && chosen[2]};
    }
    // The lists go with the page; what was typed in one is dropped.
    void back()
    {
        practice = false;
        stage = kInvitation;
        typed = {};
    }
};

// What disagrees between the window and the model, or nothing. The figure must be the one that
// picking alone draws, in a second window that only ever picks (`picking`).
QString disagreement(Pupil &pupil, const Lesson &m, int pages, Pupil &picking,
                     QHash<int, size_t> &picked)
{
    const auto hash = [](const QImage &image) {
        return qHashBits(image.constBits(), image.sizeInBytes());
    };
    QStringList wrong;
    const auto expect = [&wrong](const QString &what, const auto &saw, const auto &wanted) {
        if (saw != wanted)
            wrong << QStringLiteral("%1 \"%2\", expected \"%3\"").arg(what).arg(saw).arg(wanted);
    };
    const bool figure = m.practice && m.chosen[2];
    expect("Next shown", pupil.shows("lblNext"), !m.practice);
    expect("Back shown", pupil.shows("lblBack"), m.practice);
    expect("Print shown", pupil.shows("lblPrint"), figure);
    expect("pages printed", pages, m.pages);
    expect("rule", pupil.highlightedRule(),
           figure ? ruleThatHolds(*m.chosen[0], *m.chosen[1], *m.chosen[2]) : 0);
    expect("message line", pupil.shows("rtfSelect") ? pupil.text("rtfSelect") : "-",
           QString(kStageTexts[m.stage][0]));
    expect("prompt line", pupil.shows("lblPQ") ? pupil.text("lblPQ") : "-",
           QString(kStageTexts[m.stage][1]));
    const Choice &c = pupil.window().choice();
    const std::optional<int> held[] = {c.r1, c.r2, c.distance};
    for (int i = 0; i < 3; ++i) {
        const QString list = QLatin1String(kLists[i]);
        expect(list + " shown", pupil.shows(kLists[i]), m.practice);
        expect(list + " enabled", pupil.list(kLists[i])->isEnabled(), m.enabled[i]);
        expect(list + " held by the window", held[i].value_or(-1), m.chosen[i].value_or(-1));
        expect(list + " shows", pupil.text(kLists[i]),
               m.typed[i]    ? *m.typed[i]
               : m.chosen[i] ? QString::number(*m.chosen[i])
                             : kPlaceholders[i]);
    }
    const QImage &surface = pupil.window().surface().image(); // read as kept, without a copy
    if (!m.practice || !m.chosen[2]) {
        static QImage blank;
        if (blank.size() != surface.size() || blank.format() != surface.format()) {
            blank = QImage(surface.size(), surface.format());
            blank.fill(Qt::transparent);
        }
        if (surface != blank)
            wrong << QStringLiteral("a drawing without a figure");
        return wrong.join(QStringLiteral("; "));
    }
    const int r1 = *m.chosen[0], r2 = *m.chosen[1], d = *m.chosen[2];
    const int key = ((r1 * 8 + r2) * 16 + d) * 2 + m.redrawnForRadius;
    if (!picked.contains(key)) {
        picking.choose(r1, r2, d);
        if (m.redrawnForRadius)
            picking.pick("cboR1", r1);
        picked.insert(key, hash(picking.window().surface().image()));
    }
    if (hash(surface) != picked.value(key))
        wrong << QStringLiteral("not the figure that picking gives");
    else if (!m.redrawnForRadius && pupil.surfaceAt(13 - d / 2.0, 13) != seen::green)
        wrong << QStringLiteral("no green centre P at x = %1 cm").arg(13 - d / 2.0);
    return wrong.join(QStringLiteral("; "));
}

// An action: a kind (Click, Pick, Type, Key, pOint, tIck) and two numbers, resolved against the
// window as it stands (the k-th usable list, the k-th control), so that any part of a run is
// still a lesson a pupil could take; that is what lets a failure shrink.
struct Action
{
    char kind;
    int target, value;
};
const QStringList kTexts = QStringLiteral("0|3|5|7|12| 4 |+2|05|-0|13|6|-1|-3|99999|"
                                          "123456789012345678901|2.5|1e1|abc|PQ| r1|r2|pq|"
                                          "x5|5x| |   |")
                               .split(QLatin1Char('|'));
const Qt::Key kKeys[] = {Qt::Key_Up,  Qt::Key_Down,    Qt::Key_Return, Qt::Key_Enter,
                         Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Escape};
const char *const kPointed[] = {"lblNext",  "lblBack", "lblPrint", "lblHome", "rtfSelect",
                                "lblCombo", "cboR1",   "cboPQ",    "rtBox3",  ""};

// One action on the window and the model alike; what was done, in words.
QString perform(Pupil &pupil, Lesson &m, const Action &a, int &copies)
{
    QList<int> usable;
    for (int i = 0; i < 3; ++i)
        if (pupil.shows(kLists[i]) && pupil.list(kLists[i])->isEnabled())
            usable.append(i);
    int in = usable.isEmpty() ? -1 : usable[a.target % usable.size()];
    for (int i : usable) // a key goes to the list the pupil is in, if any
        if (a.kind == 'K' && QApplication::focusWidget() == pupil.list(kLists[i]))
            in = i;
    const char *list = in < 0 ? "" : kLists[in];
    if (a.kind == 'C') {
        const bool print = a.target % 2 && pupil.shows("lblPrint");
        const char *button = pupil.shows("lblNext") ? "lblNext" : print ? "lblPrint" : "lblBack";
        copies = a.value % 4;
        pupil.click(button);
        if (qstrcmp(button, "lblNext") == 0)
            m.next();
        else if (print) {
            m.typed = {}; // the lesson is printed as it stands: typing goes first
            m.pages += copies;
        } else
            m.back();
        return QString::asprintf(print ? "click %s (the dialog answers %d)" : "click %s", button,
                                 copies);
    } else if (a.kind == 'O') {
        const char *pointed = kPointed[a.target % std::size(kPointed)];
        if (!*pointed || !pupil.shows(pointed))
            pointed = nullptr;
        pointed ? pupil.point(pointed) : pupil.pointAtBareWindow();
        return QString::asprintf("point at %s", pointed ? pointed : "the bare window");
    } else if (a.kind == 'I') {
        a.value % 2 ? pupil.tickListCue() : pupil.tickNextCue();
        return QString::asprintf("a blink of the %s cue", a.value % 2 ? "list" : "Next");
    } else if (in < 0) {
        return QString::asprintf("no list for '%c'", a.kind);
    } else if (a.kind == 'P') {
        const int value = kFirst[in] + a.value % (kLast[in] - kFirst[in] + 1);
        pupil.pick(list, value);
        m.leaveAllBut(in);
        m.choose(in, value);
        return QString::asprintf("pick %d in %s", value, list);
    } else if (a.kind == 'T') {
        const QString text = kTexts[a.value % kTexts.size()];
        pupil.type(list, text);
        m.leaveAllBut(in);
        if (!text.isEmpty())
            m.typed[in] = text;
        return QString::asprintf("type \"%s\" in %s", qUtf8Printable(text), list);
    }
    if (QApplication::focusWidget() != pupil.list(list)) {
        pupil.list(list)->setFocus(Qt::MouseFocusReason); // the pupil clicks into the list
        m.leaveAllBut(in);
    }
    const Qt::Key key = kKeys[a.value % std::size(kKeys)];
    pupil.press(key);
    const int item = m.chosen[in].value_or(kFirst[in] - 1) + (key == Qt::Key_Up ? -1 : 1);
    if (key == Qt::Key_Escape)
        m.typed[in].reset();
    else if (key != Qt::Key_Up && key != Qt::Key_Down)
        m.commit(in);
    else if (item >= kFirst[in] && item <= kLast[in])
        m.choose(in, item);
    return QStringLiteral("key %1 in %2").arg(QKeySequence(key).toString(), list);
}

} // namespace

class SoakTest : public QObject
{
    Q_OBJECT

    // Plays the actions on a fresh window, Print answered by a scripted dialog and its pages
    // counted; returns the first action after which the window disagreed, and how.
    std::pair<int, QString> play(const QList<Action> &actions, QStringList *log = nullptr)
    {
        Pupil pupil;
        Lesson model;
        int copies = 0, printed = 0;
        pupil.window().printing().replaceDialog([&copies](QPrinter &) -> std::optional<int> {
            return copies ? std::optional(copies) : std::nullopt;
        });
        pupil.window().printing().replacePagePrinter([&printed](int) { return bool(++printed); });
        std::pair<int, QString> failure{-1, QString()};
        for (int i = 0; i < actions.size() && failure.first < 0; ++i) {
            const QString done = perform(pupil, model, actions[i], copies);
            if (log)
                log->append(done);
            if (i % 16 == 15) // now and then the window repaints and the cues' timers tick
                QCoreApplication::processEvents();
            const QString wrong = disagreement(pupil, model, printed, *m_picking, m_picked);
            if (!wrong.isEmpty())
                failure = {i, wrong};
        }
        pupil.click("lblHome"); // the lesson ends as a pupil ends it
        return failure;
    }

private slots:
    void initTestCase()
    {
        // The picking window first, so that each lesson's window is the active one.
        m_picking = std::make_unique<Pupil>();
        m_picking->next();
    }

    void randomLessons_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("count");
        const int count = qEnvironmentVariableIsSet("SOAK_ACTIONS")
                              ? qEnvironmentVariableIntValue("SOAK_ACTIONS")
                              : 600;
        for (const QString &part : qEnvironmentVariable("SOAK_SEEDS", "1-3").split(',')) {
            const QStringList range = part.split('-');
            for (quint32 seed = range.first().toUInt(); seed <= range.last().toUInt(); ++seed)
                QTest::addRow("seed %u", seed) << seed << count;
        }
    }
    void randomLessons()
    {
        QFETCH(quint32, seed);
        QFETCH(int, count);
        QRandomGenerator random(seed);
        QList<Action> actions;
        for (int i = 0; i < count; ++i)
            actions.append({"CPPTTKKKOI"[random.bounded(10)], int(random.bounded(64)),
                            int(random.bounded(1024))});
        auto [failed, why] = play(actions);
        if (failed < 0)
            return;
        // Shrinking: drop ever smaller runs of actions while the lesson still goes wrong, for at
        // most half a minute in the short run and two in a long one.
        actions.resize(failed + 1);
        const qint64 budget = std::min(count * 50LL, 120000LL);
        QElapsedTimer clock;
        clock.start();
        for (qsizetype chunk = actions.size() / 2; chunk >= 1; chunk /= 2) {
            for (qsizetype from = 0; from < actions.size() && clock.elapsed() < budget;) {
                QList<Action> shorter = actions;
                shorter.remove(from, std::min(chunk, actions.size() - from));
                const int at = play(shorter).first;
                if (at >= 0)
                    actions = shorter.mid(0, at + 1);
                else
                    from += chunk;
            }
        }
        QStringList log;
        std::tie(failed, why) = play(actions, &log);
        QFAIL(qPrintable(QStringLiteral("SOAK_SEEDS=%1 SOAK_ACTIONS=%2, shrunk to:\n  %3\n-> %4")
                             .arg(seed)
                             .arg(count)
                             .arg(log.join(QStringLiteral("\n  ")), why)));
    }

private:
    std::unique_ptr<Pupil> m_picking;
    QHash<int, size_t> m_picked;
};

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
