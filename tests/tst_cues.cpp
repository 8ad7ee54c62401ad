// The cues in real time, on a running event loop: Next flickers between red and plain and blue
// and bold, the waiting list between magenta and cyan, each style for 400 ms. (What each phase
// looks like, and the hover, are the renders'.)

#include "pupil.h"

#include <QElapsedTimer>

#include <algorithm>

namespace {

// The times between five changes of a widget's colour between two styles, sorted.
QList<qint64> beats(QWidget *widget, QPalette::ColorRole role, const QColor &one,
                    const QColor &other)
{
    QList<qint64> times;
    QElapsedTimer clock;
    const QColor *awaited = &one;
    for (int change = 0; change < 6; ++change) {
        if (!QTest::qWaitFor([&] { return widget->palette().color(role) == *awaited; }, 2000))
            return times;
        if (change > 0)
            times << clock.restart();
        else
            clock.start();
        awaited = awaited == &one ? &other : &one;
    }
    std::sort(times.begin(), times.end());
    return times;
}

} // namespace

class CuesTest : public QObject
{
    Q_OBJECT

private slots:
    void bothCuesAlternateEvery400Milliseconds()
    {
        Pupil pupil(LessonWindow::kCueBeatMs);
        const QList<qint64> next =
            beats(pupil.control("next"), QPalette::WindowText, seen::red, seen::blue);
        QCOMPARE(next.size(), 5);
        // The middle one: a loaded machine may delay a tick now and then.
        QVERIFY2(next[2] > 350 && next[2] < 460, qPrintable(QString::number(next[2])));
        pupil.next();
        const QList<qint64> list =
            beats(pupil.list("r1"), QPalette::Base, QColor(255, 0, 255), QColor(0, 255, 255));
        QCOMPARE(list.size(), 5);
        QVERIFY2(list[2] > 350 && list[2] < 460, qPrintable(QString::number(list[2])));
    }

    // Pointing at Next stops its cue whichever half is due: it shows red and plain, and stays so
    // for beats on end while the pointer rests on it.
    void nextKeepsStillUnderThePointer()
    {
        Pupil pupil(100);
        QWidget *next = pupil.control("next");
        const auto shows = [next](const QColor &colour) {
            return next->palette().color(QPalette::WindowText) == colour;
        };
        QTRY_VERIFY(shows(seen::red)); // the blue half is due next
        pupil.point("next");
        QVERIFY(!QTest::qWaitFor([&] { return shows(seen::blue); }, 500));
        QVERIFY(shows(seen::red) && !next->font().bold());
    }
};

QTEST_MAIN(CuesTest)
#include "tst_cues.moc"
