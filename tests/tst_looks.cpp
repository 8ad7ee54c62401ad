// Golden renders: the window in every state a pupil can reach that looks different, and the
// pages Print makes, compared pixel for pixel with the PNGs in tests/looks/ (tests/looks/scale-2/
// on a screen scaled 2x). A difference fails with the state's name and leaves the window as seen,
// and a difference image (black where they agree), in looks-seen/ beside the test. `make looks`
// records them again. Then the cues in real time.

#include "pupil.h"

#include <QDir>
#include <QElapsedTimer>
#include <QKeySequence>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>

namespace {

// A state named "name (how it was reached)" looks as the state "name" does.
QString fileName(const QString &state)
{
    return state.section(QStringLiteral(" ("), 0, 0).replace(' ', '-').remove(',') + ".png";
}

// Whether the state comes to look as recorded (at once, or within a few beats of a cue).
bool looksAsRecorded(const QString &state, const std::function<QImage()> &look)
{
    const QString folder =
        QStringLiteral(LOOKS_FOLDER) + (qApp->devicePixelRatio() > 1 ? "/scale-2" : "");
    const QString golden = folder + '/' + fileName(state);
    if (qEnvironmentVariableIsSet("LOOKS_RECORD"))
        return QDir().mkpath(folder) && look().save(golden);
    const QImage expected = QImage(golden).convertToFormat(QImage::Format_RGB32);
    QImage seen;
    const bool same = QTest::qWaitFor(
        [&] { return (seen = look().convertToFormat(QImage::Format_RGB32)) == expected; }, 2000);
    if (same || !QDir().mkpath(QStringLiteral("looks-seen")))
        return same;
    const QString seenFile = QStringLiteral("looks-seen/") + fileName(state);
    seen.save(seenFile);
    QPainter difference(&seen);
    difference.setCompositionMode(QPainter::CompositionMode_Difference);
    difference.drawImage(0, 0, expected);
    difference.end();
    seen.save(seenFile.chopped(4) + QStringLiteral("-difference.png"));
    return false;
}

// Does what a step says: "next", "back", "r1=3", "type pq 6", "point print", "point bare",
// "point near", "print 2", "screen large", "wait red" (Next's blinking text comes to red), or
// keys ("tab", "alt+b", "ctrl++", ...).
void act(Pupil &pupil, const QString &step, QTemporaryDir &paper)
{
    const QStringList word = step.split(QLatin1Char(' '));
    const QStringList lists{"r1", "r2", "pq"};
    const QKeyCombination keys = QKeySequence(step)[0];
    if (step == "next" || step == "back")
        pupil.click(qPrintable(step));
    else if (const QStringList pick = step.split('='); pick.size() == 2)
        pupil.pick(kLists[lists.indexOf(pick[0])], pick[1].toInt());
    else if (word[0] == "type")
        pupil.type(kLists[lists.indexOf(word[1])], word[2]);
    else if (step == "point bare")
        pupil.point(nullptr, QPoint(10, pupil.window().height() - 5));
    else if (step == "point near")
        pupil.pointNearLists();
    else if (word[0] == "point")
        pupil.point(qPrintable(word[1]));
    else if (word[0] == "print")
        QVERIFY(pupil.print(word[1].toInt(), paper.filePath("lesson.pdf")).isEmpty());
    else if (word[0] == "screen")
        pupil.moveToScreen(word[1]);
    else if (step == "wait red")
        QTRY_COMPARE(pupil.control("next")->palette().color(QPalette::WindowText), QColor(Qt::red));
    else if (keys.key() != Qt::Key_unknown) {
        pupil.press(keys.key(), keys.keyboardModifiers());
        // A shortcut clicks its button a moment later, once it has shown it pressed.
        if (step.startsWith(QLatin1String("alt+")))
            QVERIFY(
                QTest::qWaitFor([&] { return pupil.shows(step == "alt+n" ? "back" : "next"); }));
    } else
        QFAIL(qPrintable(QStringLiteral("no such step: ") + step));
}

// The middle one of five times between changes of a widget's colour between two (a loaded
// machine may delay a tick now and then), in milliseconds; -1 if it stopped changing.
qint64 beat(QWidget *widget, QPalette::ColorRole role, Qt::GlobalColor one, Qt::GlobalColor other)
{
    QList<qint64> times;
    QElapsedTimer clock;
    for (int change = 0; change < 6; ++change) {
        const QColor awaited(change % 2 ? other : one);
        if (!QTest::qWaitFor([&] { return widget->palette().color(role) == awaited; }, 2000))
            return -1;
        times << clock.restart();
    }
    std::sort(times.begin() + 1, times.end());
    return times[3];
}

} // namespace

class LooksTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // A caret that blinks would make each render a matter of luck.
        QApplication::setCursorFlashTime(0);
    }

    void everyState_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("beat");
        QTest::addColumn<bool>("atScale2");
        const auto state = [](const char *name, const QString &steps, bool atScale2 = false,
                              int beat = Pupil::kStill) {
            QTest::newRow(name) << steps << beat << atScale2;
        };
        // Rule (3): the figure most states start from.
        const QString figure = QStringLiteral("next;r1=3;r2=2;pq=4");
        state("introduction", "", true);
        state("introduction after a visit", figure + ";back");
        state("guided start", "next", true);
        state("r1 chosen", "next;r1=3");
        state("r1 and r2 chosen", "next;r1=3;r2=2;point near");
        state("rule 1 touching externally", "next;r1=2;r2=3;pq=5");
        state("rule 2 touching internally", "next;r1=4;r2=1;pq=3");
        state("rule 2 coinciding at PQ 0", "next;r1=3;r2=3;pq=0");
        state("rule 3 intersecting", figure, true);
        state("rule 4 one inside the other", "next;r1=5;r2=2;pq=1");
        state("rule 5 each outside the other", "next;r1=2;r2=3;pq=7");
        state("rule 5 the largest figure", "next;r1=5;r2=5;pq=12");
        state("a radius changed after the figure", figure + ";r2=4");
        state("resumed after back", figure + ";back;next");
        state("radii resumed after back", "next;r1=4;r2=2;back;next");
        state("typed but not committed", figure + ";type pq 6");
        state("pointer on next", "point next");
        state("pointer on home", "point home");
        state("pointer on back", "next;point back");
        state("pointer on print", figure + ";point print");
        state("pointer on the message line after the buttons",
              figure + ";point near;point print;point back;point home;point messageLine");
        state("pointer on the bare window after the buttons",
              figure + ";point near;point print;point back;point home;point bare");
        state("help arrow", figure + ";point near", true);
        state("keyboard on home", "tab");
        state("keyboard on next", "tab;backtab", true);
        state("keyboard on r1", "space");
        state("keyboard on r2", "space;down;tab");
        // Tab commits a typed value first, and goes on to the list it opened.
        state("keyboard on r2 (Tab after a typed value)", "space;type r1 1;tab");
        state("keyboard on pq", "space;down;tab;down;tab");
        state("keyboard on print", "space;down;tab;down;tab;down;tab");
        state("keyboard on back", "space;down;tab;down;tab;down;tab;tab");
        state("keyboard back on next", "space;down;tab;down;tab;down;tab;tab;return");
        // A blinking cue comes to each of its looks within a few beats.
        state("next blinking red", "", false, LessonWindow::kCueBeatMs);
        state("next blinking blue", "", false, LessonWindow::kCueBeatMs);
        state("next blinking on after being taken while red", "wait red;alt+n;alt+b", false,
              LessonWindow::kCueBeatMs);
        state("list blinking magenta", "next", false, LessonWindow::kCueBeatMs);
        state("list blinking cyan", "next", false, LessonWindow::kCueBeatMs);
        // The teacher's zoom: everything drawn larger or smaller, the pupil's state kept.
        state("zoomed out to 0.75", figure + ";type pq 6;ctrl+-;ctrl+-");
        state("zoomed in to 1.5 on a large screen",
              "screen large;" + figure + ";point near;ctrl++;ctrl++");
        state("full screen on a projector", figure + ";f11");
        // Escape puts a typed value back first; full screen stays.
        state("full screen on a projector (a typed value put back by Escape)",
              figure + ";f11;type pq 6;escape");
        state("full screen at the introduction", "f11");
        state("rule 3 intersecting (back from full screen and a zoom)",
              figure + ";f11;escape;ctrl+-;ctrl++");
    }
    void everyState()
    {
        QFETCH(QString, steps);
        QFETCH(int, beat);
        QFETCH(bool, atScale2);
        if (qApp->devicePixelRatio() > 1 && !atScale2)
            QSKIP("rendered at scale 1 only");
        QTemporaryDir paper;
        Pupil pupil(beat);
        for (const QString &step : steps.split(QLatin1Char(';'), Qt::SkipEmptyParts))
            act(pupil, step, paper);
        QVERIFY2(looksAsRecorded(QString::fromLatin1(QTest::currentDataTag()),
                                 [&pupil] { return pupil.look(); }),
                 QTest::currentDataTag());
    }

    // Each page of a print, made through the system's dialog as PDF and read back at 50 dpi.
    void printedPages_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("pages");
        QTest::newRow("printed, two copies") << "next;r1=3;r2=2;pq=4;print 2" << 2;
        QTest::newRow("printed after two figures") << "next;r1=3;r2=2;pq=4;pq=7;print 1" << 1;
        QTest::newRow("printed zoomed out") << "next;r1=3;r2=2;pq=4;ctrl+-;ctrl+-;print 1" << 1;
    }
    void printedPages()
    {
        QFETCH(QString, steps);
        QFETCH(int, pages);
        if (qApp->devicePixelRatio() > 1)
            QSKIP("printed at scale 1 only");
        QTemporaryDir paper;
        Pupil pupil;
        for (const QString &step : steps.split(QLatin1Char(';')))
            act(pupil, step, paper);
        QCOMPARE(pagesIn(paper.filePath("lesson.pdf")), pages);
        QCOMPARE(QProcess::execute(
                     QStringLiteral("pdftoppm"),
                     {"-png", "-r", "50", paper.filePath("lesson.pdf"), paper.filePath("page")}),
                 0);
        for (int page = 1; page <= pages; ++page) {
            const QString state =
                QStringLiteral("%1 page %2").arg(QTest::currentDataTag()).arg(page);
            const QImage image(paper.filePath(QStringLiteral("page-%1.png").arg(page)));
            QVERIFY2(looksAsRecorded(state, [&image] { return image; }), qPrintable(state));
        }
    }

    // Next flickers between red and plain and blue and bold, the waiting list between magenta
    // and cyan, each style for 400 ms.
    void bothCuesAlternateEvery400Milliseconds()
    {
        Pupil pupil(LessonWindow::kCueBeatMs);
        const qint64 next = beat(pupil.control("next"), QPalette::WindowText, Qt::red, Qt::blue);
        QVERIFY2(next > 350 && next < 460, qPrintable(QString::number(next)));
        pupil.next();
        const qint64 list = beat(pupil.list("r1"), QPalette::Base, Qt::magenta, Qt::cyan);
        QVERIFY2(list > 350 && list < 460, qPrintable(QString::number(list)));
    }

    // Pointing at Next stops its cue whichever half is due: it shows red and plain, and stays so
    // for beats on end while the pointer rests on it.
    void nextKeepsStillUnderThePointer()
    {
        Pupil pupil(100);
        QWidget *next = pupil.control("next");
        const auto shows = [next](Qt::GlobalColor colour) {
            return next->palette().color(QPalette::WindowText) == QColor(colour);
        };
        QTRY_VERIFY(shows(Qt::red)); // the blue half is due next
        pupil.point("next");
        QVERIFY(!QTest::qWaitFor([&] { return shows(Qt::blue); }, 500));
        QVERIFY(shows(Qt::red) && !next->font().bold());
    }
};

QTEST_MAIN(LooksTest)
#include "tst_looks.moc"
