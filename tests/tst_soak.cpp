// Random whole lessons: a seeded pupil clicks the text buttons, picks and types in the open lists
// and presses keys in them; after every action a small model, written from the lesson's rules,
// says what the window must show. SOAK_SEEDS ("1,2,5" or "1-8") and SOAK_ACTIONS choose a long
// run (make soak); by default three seeds of 600 actions run with the suite.

#include "pupil.h"

#include <QRandomGenerator>
#include <QRegularExpression>

#include <array>

namespace {

const char *const kPlaceholders[] = {" r1", "r2", "PQ"};
const int kFirst[] = {1, 1, 0}, kLast[] = {5, 5, 12};

// The message line and the prompt line at each stage of the lesson ("-": hidden).
constexpr int kInvitation = 0, kSelectRadii = 1, kAskDistance = 2, kRearrange = 3;
const char *const kStageTexts[][2] = {
    {"Author:  lessons@example.org    Mobile:  07700 900461",
     "Let us test it for practice..    Click 'Next'."},
    {"Now  select  length  of  radius  r₁  and  r₂  for  the  circles.", "-"},
    {"-", " Select the distance PQ between  their centers P and Q"},
    {"You can rearrange r₁ , r₂ and PQ", "-"}};

// What the pupil must see, from what they have done.
struct Lesson
{
    bool practice = false;
    std::array<std::optional<int>, 3> chosen;
    std::array<std::optional<QString>, 3> typed; // typed into a list, not committed yet
    std::array<bool, 3> enabled{true, false, false};
    int stage = kInvitation, pages = 0;
    bool redrawnForRadius = false; // the figure was last drawn after a radius, not a distance

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
};

const QStringList kTexts = QStringLiteral("0|3|5|7|12| 4 |+2|05|-0|13|6|-1|-3|99999|"
                                          "123456789012345678901|2.5|1e1|abc|PQ| r1|r2|pq|"
                                          "x5|5x| |   |")
                               .split(QLatin1Char('|'));
const Qt::Key kKeys[] = {Qt::Key_Up,  Qt::Key_Down,    Qt::Key_Return, Qt::Key_Enter,
                         Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Escape};

// A random action on the window and the model alike, resolved against the window as it stands
// (the k-th usable list): a kind (Click, Pick, Type, Key), a target and a number. Returns what was
// done, in words.
QString perform(Pupil &pupil, Lesson &m, QRandomGenerator &random)
{
    const char kind = "CPPTTKKK"[random.bounded(8)];
    const int target = int(random.bounded(64)), number = int(random.bounded(1024));
    QList<int> usable;
    for (int i = 0; i < 3; ++i)
        if (pupil.shows(kLists[i]) && pupil.list(kLists[i])->isEnabled())
            usable.append(i);
    int in = usable.isEmpty() ? -1 : usable[target % usable.size()];
    for (int i : usable) // a key goes to the list the pupil is in, if any
        if (kind == 'K' && pupil.focus() == QLatin1String(kLists[i]))
            in = i;
    const char *list = in < 0 ? "" : kLists[in];
    if (kind == 'C') {
        const bool print = target % 2 && pupil.shows("lblPrint");
        const char *button = pupil.shows("lblNext") ? "lblNext" : print ? "lblPrint" : "lblBack";
        const int copies = number % 4; // what the print dialog answers (0: cancelled)
        pupil.answerPrint(copies ? std::optional(copies) : std::nullopt);
        pupil.click(button);
        if (!m.practice) {
            m.practice = true;
            m.redrawnForRadius = false;
            m.stage = m.chosen[2] ? kRearrange : kSelectRadii;
            m.enabled = {true, m.enabled[1] && m.chosen[2], m.enabled[2] && m.chosen[2]};
        } else if (print) {
            m.pages += copies; // the lesson is printed as it stands: typing goes first
        } else {
            m.practice = false;
            m.stage = kInvitation;
        }
        m.typed = {}; // the lists go with the page, and what was typed in them
        return QString::asprintf("click %s (a dialog would answer %d)", button, copies);
    } else if (in < 0) {
        return QString::asprintf("no list for '%c'", kind);
    } else if (kind == 'P') {
        const int item = kFirst[in] + number % (kLast[in] - kFirst[in] + 1);
        pupil.pick(list, item);
        m.leaveAllBut(in);
        m.choose(in, item);
        return QString::asprintf("pick %d in %s", item, list);
    } else if (kind == 'T') {
        const QString text = kTexts[number % kTexts.size()];
        pupil.type(list, text);
        m.leaveAllBut(in);
        if (!text.isEmpty())
            m.typed[in] = text;
        return QString::asprintf("type \"%s\" in %s", qUtf8Printable(text), list);
    }
    if (pupil.focus() != QLatin1String(list)) {
        pupil.list(list)->setFocus(Qt::MouseFocusReason); // the pupil clicks into the list
        m.leaveAllBut(in);
    }
    const Qt::Key key = kKeys[number % std::size(kKeys)];
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

    // What disagrees between the window and the model, or nothing.
    static QString disagreement(Pupil &pupil, const Lesson &m, int pages)
    {
        QStringList wrong;
        const auto expect = [&wrong](const QString &what, const auto &saw, const auto &wanted) {
            if (saw != wanted)
                wrong
                    << QStringLiteral("%1 \"%2\", expected \"%3\"").arg(what).arg(saw).arg(wanted);
        };
        const bool figure = m.practice && m.chosen[2];
        expect("Next shown", pupil.shows("lblNext"), !m.practice);
        expect("Back shown", pupil.shows("lblBack"), m.practice);
        expect("Print shown", pupil.shows("lblPrint"), figure);
        expect("pages printed", pages, m.pages);
        expect("rule", pupil.highlightedRule(),
               figure ? ruleFromGeometry(*m.chosen[0], *m.chosen[1], *m.chosen[2]) : 0);
        expect("message line", pupil.shows("rtfSelect") ? pupil.text("rtfSelect") : "-",
               QString::fromUtf8(kStageTexts[m.stage][0]));
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
        const int d = m.chosen[2].value_or(0);
        if (!figure)
            expect("a blank surface", pupil.drawsNothing(), true);
        else if (!m.redrawnForRadius) // drawn for a distance: P's centre d/2 left of the middle
            expect("P's centre green", pupil.surfaceAt(13 - d / 2.0, 13).name(),
                   seen::green.name());
        return wrong.join(QStringLiteral("; "));
    }

private slots:
    void randomLessons_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("count");
        const int count = qEnvironmentVariableIntValue("SOAK_ACTIONS");
        for (const QString &part : qEnvironmentVariable("SOAK_SEEDS", "1-3").split(',')) {
            const QStringList range = part.split('-');
            for (quint32 seed = range.first().toUInt(); seed <= range.last().toUInt(); ++seed)
                QTest::addRow("seed %u", seed) << seed << (count > 0 ? count : 600);
        }
    }
    // Print's pages are counted; a failure names the seed and the last actions before it.
    void randomLessons()
    {
        QFETCH(quint32, seed);
        QFETCH(int, count);
        QRandomGenerator random(seed);
        Pupil pupil;
        Lesson model;
        int printed = 0;
        pupil.window().printing().replacePagePrinter([&printed](int) { return bool(++printed); });
        QStringList log;
        for (int i = 0; i < count; ++i) {
            log << QStringLiteral("%1: %2").arg(i).arg(perform(pupil, model, random));
            if (i % 16 == 15) // now and then the window repaints and the cues' timers tick
                QCoreApplication::processEvents();
            if (const QString wrong = disagreement(pupil, model, printed); !wrong.isEmpty())
                QFAIL(qPrintable(QStringLiteral("SOAK_SEEDS=%1 SOAK_ACTIONS=%2:\n  %3\n-> %4")
                                     .arg(seed)
                                     .arg(count)
                                     .arg(log.mid(i - 19).join(QStringLiteral("\n  ")), wrong)));
        }
        pupil.click("lblHome"); // the lesson ends as a pupil ends it
    }
};

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
