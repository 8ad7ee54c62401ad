// What a pupil who does not do as expected meets: Tab straight after typing, values from every
// route that are no item of the list, and shortcuts pressed while a list's pop-up is open.

#include "pupil.h"

#include <QLineEdit>

class RobustnessTest : public QObject
{
    Q_OBJECT

private slots:
    // Tab after a typed value goes on to the list that the value opened, r1 to r2 to PQ.
    void tabAfterATypedValue()
    {
        Pupil pupil;
        pupil.press(Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(pupil.focus(), "cboR1");
        pupil.type("cboR1", "3");
        pupil.press(Qt::Key_Tab);
        QCOMPARE(pupil.window().choice().r1, 3);
        QCOMPARE(pupil.focus(), "cboR2");
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2"));
        pupil.press(Qt::Key_Tab);
        QCOMPARE(pupil.focus(), "cboPQ");
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("4"));
        pupil.press(Qt::Key_Return);
        QCOMPARE(pupil.highlightedRule(), 3);
        QVERIFY(pupil.shows("lblBack"));
    }
};

QTEST_MAIN(RobustnessTest)
#include "tst_robustness.moc"
