// The cues in real time, on a running event loop: Next flickers between red and plain and blue
// and bold, the waiting list between magenta and cyan, each style for 400 ms. (What each phase
// looks like, and the hover, are the renders'.)

#include "pupil.h"

#include <QElapsedTimer>

#include <algorithm>

namespace {

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

class CuesTest : public QObject
{
    Q_OBJECT

private slots:
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

QTEST_MAIN(CuesTest)
#include "tst_cues.moc"
