// What a pupil who does not do as expected meets: Tab straight after typing, values from every
// route that are no item of the list, and shortcuts pressed while a list's pop-up is open.

#include "pupil.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QClipboard>
#include <QLineEdit>
#include <QTemporaryDir>

class RobustnessTest : public QObject
{
    Q_OBJECT

private slots:
    // Tab after a typed value goes on to the list that the value opened, r1 to r2 to PQ.
    void tabAfterATypedValue()
    {
        Pupil pupil;
        pupil.press(Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(pupil.focus(), "r1");
        pupil.type("r1", "3");
        pupil.press(Qt::Key_Tab);
        QCOMPARE(pupil.text("r1"), QStringLiteral("3"));
        QCOMPARE(pupil.focus(), "r2");
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2"));
        pupil.press(Qt::Key_Tab);
        QCOMPARE(pupil.focus(), "distance");
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("4"));
        pupil.press(Qt::Key_Return);
        QCOMPARE(pupil.highlightedRule(), 3);
        QVERIFY(pupil.shows("back"));
    }

    // A screen reader sets a number of any size through AT-SPI's Value interface; only one that
    // rounds to an item of the list is a choice. Each list starts as r1 4, r2 1, PQ 4.
    void aValueFromAScreenReader_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<double>("set");
        QTest::addColumn<int>("chosen");
        QTest::newRow("PQ 2.5, rounded") << 2 << 2.5 << 3;
        QTest::newRow("PQ 2 to the 32nd") << 2 << 4294967296.0 << 4;
        QTest::newRow("PQ 2 to the 32nd and 5") << 2 << 4294967301.0 << 4;
        QTest::newRow("PQ 12.5, past the last") << 2 << 12.5 << 4;
        QTest::newRow("PQ not a number") << 2 << qQNaN() << 4;
        QTest::newRow("PQ infinite") << 2 << qInf() << 4;
        QTest::newRow("PQ 1e300") << 2 << 1e300 << 4;
        QTest::newRow("r1 2 to the 32nd and 3") << 0 << 4294967299.0 << 4;
        QTest::newRow("r2 minus 2 to the 32nd and 5") << 1 << -4294967291.0 << 1;
    }
    void aValueFromAScreenReader()
    {
        QFETCH(int, list);
        QFETCH(double, set);
        QFETCH(int, chosen);
        Pupil pupil;
        pupil.practise({4, 1, 4});
        QAccessible::queryAccessibleInterface(pupil.list(kLists[list]))
            ->valueInterface()
            ->setCurrentValue(set);
        QCOMPARE(pupil.text(kLists[list]), QString::number(chosen));
        QCOMPARE(pupil.highlightedRule(), list == 2 && chosen == 3 ? 2 : 3);
    }

    // A paste that Qt cuts to the field's length is not what the pupil pasted: 32767 zeros and a
    // 5, cut to the zeros, would read 0.
    void aPasteLongerThanTheField()
    {
        Pupil pupil;
        pupil.practise({4, 1, 4});
        ChoiceList *distance = pupil.list("distance");
        QApplication::clipboard()->setText(QString(distance->lineEdit()->maxLength(), '0') + '5');
        pupil.type("distance", QString());
        pupil.press(Qt::Key_V, Qt::ControlModifier);
        QVERIFY(distance->lineEdit()->isModified());
        pupil.press(Qt::Key_Return);
        QCOMPARE(pupil.text("distance"), QStringLiteral("4"));
    }

    // With a list's pop-up open the shortcuts still act, once the pop-up has closed; a key with
    // Alt or Ctrl never types into the field, whether the pop-up is open or not.
    void shortcutsWithAPopUpOpen_data()
    {
        QTest::addColumn<QKeyCombination>("keys");
        QTest::addColumn<bool>("figure");
        QTest::addColumn<bool>("popUp");
        QTest::addColumn<QString>("after");
        QTest::newRow("Ctrl+Q") << (Qt::CTRL | Qt::Key_Q) << false << true << "ended";
        QTest::newRow("Alt+H") << (Qt::ALT | Qt::Key_H) << true << true << "ended";
        QTest::newRow("Alt+F4") << (Qt::ALT | Qt::Key_F4) << false << true << "ended";
        QTest::newRow("Alt+B") << (Qt::ALT | Qt::Key_B) << true << true << "introduction";
        QTest::newRow("Alt+P") << (Qt::ALT | Qt::Key_P) << true << true << "printed";
        QTest::newRow("Alt+P, no figure yet")
            << (Qt::ALT | Qt::Key_P) << false << true << "practice";
        QTest::newRow("Alt+N, Next not shown")
            << (Qt::ALT | Qt::Key_N) << true << true << "practice";
        QTest::newRow("Alt+X, no shortcut") << (Qt::ALT | Qt::Key_X) << false << true << "practice";
        QTest::newRow("Alt+X, pop-up closed")
            << (Qt::ALT | Qt::Key_X) << false << false << "practice";
    }
    void shortcutsWithAPopUpOpen()
    {
        QFETCH(QKeyCombination, keys);
        QFETCH(bool, figure);
        QFETCH(bool, popUp);
        QFETCH(QString, after);
        QTemporaryDir paper;
        Pupil pupil;
        pupil.press(Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(pupil.focus(), "r1");
        if (figure)
            pupil.choose({3, 2, 4});
        ChoiceList *list = pupil.list(figure ? "distance" : "r1");
        const QString shown = list->lineEdit()->text();
        const auto press = [&] {
            if (!popUp)
                return pupil.press(keys.key(), keys.keyboardModifiers());
            pupil.press(Qt::Key_Down, Qt::AltModifier);
            QTRY_VERIFY(list->view()->isVisible());
            QTest::keyClick(list->view(), keys.key(), keys.keyboardModifiers());
        };
        // Alt+P may open the print dialog, which is answered.
        keys.key() == Qt::Key_P ? void(pupil.print(1, paper.filePath("lesson.pdf"), press))
                                : press();
        QTRY_VERIFY(!list->view()->isVisible());
        if (after == "ended") {
            QTRY_VERIFY(!pupil.window().isVisible());
            return;
        }
        QTRY_COMPARE(pupil.shows("next"), after == "introduction");
        QTRY_COMPARE(pupil.printDialogs(), after == "printed" ? 1 : 0);
        QCOMPARE(list->lineEdit()->text(), shown);
    }
};

QTEST_MAIN(RobustnessTest)
#include "tst_robustness.moc"
