// Golden renders: the window in every state a pupil can reach that looks different, and the
// pages Print makes, compared pixel for pixel with the PNGs in tests/looks/ (tests/looks/scale-2/
// on a screen scaled 2x). A difference fails with the state's name and leaves the window as seen,
// and the differences in red, in looks-seen/ beside the test. `make looks` records them again.

#include "pupil.h"

#include <QComboBox>
#include <QDir>
#include <QKeySequence>
#include <QLineEdit>
#include <QScreen>
#include <QProcess>
#include <QTemporaryDir>

namespace {

QString goldenFolder()
{
    QString folder = QStringLiteral(LOOKS_FOLDER);
    if (qApp->devicePixelRatio() > 1)
        folder += QStringLiteral("/scale-2");
    return folder;
}

// A state named "name (how it was reached)" looks as the state "name" does.
QString fileName(const QString &state)
{
    return state.section(QStringLiteral(" ("), 0, 0)
               .replace(QLatin1Char(' '), QLatin1Char('-'))
               .remove(QLatin1Char(',')) +
           QStringLiteral(".png");
}

// The seen image with every differing pixel red over a faded copy of the golden one.
QImage differences(const QImage &seen, const QImage &golden)
{
    QImage marked = golden.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < marked.height(); ++y)
        for (int x = 0; x < marked.width(); ++x) {
            const bool same = seen.valid(x, y) && seen.pixel(x, y) == golden.pixel(x, y);
            marked.setPixelColor(x, y, same ? marked.pixelColor(x, y).lighter(170) : Qt::red);
        }
    return marked;
}

// Whether the state comes to look as recorded (at once, or within a few beats of a cue).
bool looksAsRecorded(const QString &state, const std::function<QImage()> &look)
{
    const QString golden = QDir(goldenFolder()).filePath(fileName(state));
    if (qEnvironmentVariableIsSet("LOOKS_RECORD")) {
        QDir().mkpath(goldenFolder());
        return look().save(golden);
    }
    const QImage expected = QImage(golden).convertToFormat(QImage::Format_RGB32);
    QImage seen;
    const bool same = QTest::qWaitFor(
        [&] { return (seen = look().convertToFormat(QImage::Format_RGB32)) == expected; }, 2000);
    if (!same) {
        QDir().mkpath(QStringLiteral("looks-seen"));
        seen.save(QStringLiteral("looks-seen/") + fileName(state));
        if (!expected.isNull())
            differences(seen, expected)
                .save(QStringLiteral("looks-seen/") + fileName(state + QStringLiteral(" diff")));
    }
    return same;
}

// Does what a step says: "next", "back", "r1=3", "type pq 6", "point print", "point bare",
// "point near", "print 2", "screen large", "wait next red" (a blinking cue, Next's text or the
// waiting list's field, comes to a colour), or keys ("tab", "alt+b", "ctrl++", ...).
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
    else if (word[0] == "wait") {
        QWidget *cue = word[1] == "next" ? pupil.control("next") : pupil.list("r1");
        const auto role = word[1] == "next" ? QPalette::WindowText : QPalette::Base;
        QVERIFY2(
            QTest::qWaitFor([&] { return cue->palette().color(role) == QColor(word[2]); }, 3000),
            qPrintable(step));
    } else if (keys.key() != Qt::Key_unknown) {
        const QRect screen = pupil.window().screen()->geometry();
        const bool fullScreen = pupil.window().geometry() == screen;
        const auto *list = qobject_cast<QComboBox *>(QApplication::focusWidget());
        const bool typed = list && list->lineEdit()->isModified();
        pupil.press(keys.key(), keys.keyboardModifiers());
        // The window manager takes a moment to make a window full screen, or a window again;
        // Escape over a typed value only puts the value back.
        if (keys.key() == Qt::Key_F11 || (keys.key() == Qt::Key_Escape && fullScreen && !typed))
            QTRY_VERIFY((pupil.window().geometry() == screen) != fullScreen);
        // A shortcut clicks its button a moment later, once it has shown it pressed.
        if (step.startsWith(QLatin1String("alt+")))
            QVERIFY(
                QTest::qWaitFor([&] { return pupil.shows(step == "alt+n" ? "back" : "next"); }));
    } else
        QFAIL(qPrintable(QStringLiteral("no such step: ") + step));
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
        state("next blinking red", "wait next red", false, LessonWindow::kCueBeatMs);
        state("next blinking blue", "wait next blue", false, LessonWindow::kCueBeatMs);
        state("next blinking on after being taken while red",
              "wait next red;alt+n;alt+b;wait next blue", false, LessonWindow::kCueBeatMs);
        state("list blinking magenta", "next;wait list magenta", false, LessonWindow::kCueBeatMs);
        state("list blinking cyan", "next;wait list cyan", false, LessonWindow::kCueBeatMs);
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
};

QTEST_MAIN(LooksTest)
#include "tst_looks.moc"
