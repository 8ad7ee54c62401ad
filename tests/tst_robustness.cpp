// What a pupil who does not do as expected meets: a paste too long, double-clicks, shortcuts
// pressed in a list while its pop-up is open or a value is typed, and a print that fails. (Tab
// after typing and the printed pages are the renders'; a cancelled print, the soak's; odd values
// from a screen reader, the accessibility test's.)

#include "pupil.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QLineEdit>
#include <QTemporaryDir>

class RobustnessTest : public QObject
{
    Q_OBJECT

private slots:
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

    // Pupils double-click everything; the lesson must not jump back and forth (Back stands where
    // Next stood), nor print twice. (All the buttons are of one kind.)
    void aDoubleClickIsOneClick_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::newRow("Next") << QByteArray("next");
        QTest::newRow("Print") << QByteArray("print");
    }
    void aDoubleClickIsOneClick()
    {
        QFETCH(QByteArray, button);
        QTemporaryDir paper;
        Pupil pupil;
        if (button == "print")
            pupil.practise({3, 2, 4});
        pupil.print(0, paper.filePath("lesson.pdf"), [&] { pupil.doubleClick(button); });
        QVERIFY(pupil.shows("back"));
        QCOMPARE(pupil.printDialogs(), int(button == "print"));
    }

    // The shortcuts act from a list also with its pop-up open, or with a value typed and not
    // committed, which they drop; a key with Alt that is no shortcut never types into the field.
    void theShortcutsFromAList_data()
    {
        QTest::addColumn<QKeyCombination>("keys");
        QTest::addColumn<QString>("first"); // "pop-up" opened, a value "typed", or "nothing"
        QTest::addColumn<QString>("after");
        QTest::newRow("Ctrl+Q") << (Qt::CTRL | Qt::Key_Q) << "pop-up"
                                << "ended";
        QTest::newRow("Alt+B") << (Qt::ALT | Qt::Key_B) << "pop-up"
                               << "introduction";
        QTest::newRow("Alt+P") << (Qt::ALT | Qt::Key_P) << "pop-up"
                               << "printed";
        QTest::newRow("Alt+X, no shortcut") << (Qt::ALT | Qt::Key_X) << "pop-up"
                                            << "practice";
        QTest::newRow("Alt+X, pop-up closed") << (Qt::ALT | Qt::Key_X) << "nothing"
                                              << "practice";
        QTest::newRow("Alt+H, typed") << (Qt::ALT | Qt::Key_H) << "typed"
                                      << "ended";
        QTest::newRow("Alt+B, typed") << (Qt::ALT | Qt::Key_B) << "typed"
                                      << "introduction";
        QTest::newRow("Alt+P, typed") << (Qt::ALT | Qt::Key_P) << "typed"
                                      << "printed";
    }
    void theShortcutsFromAList()
    {
        QFETCH(QKeyCombination, keys);
        QFETCH(QString, first);
        QFETCH(QString, after);
        QTemporaryDir paper;
        Pupil pupil;
        pupil.practise({3, 2, 4}); // the pick leaves the pupil in the distance's list
        ChoiceList *list = pupil.list("distance");
        const auto press = [&] {
            if (first == "typed")
                pupil.type("distance", QStringLiteral("6"));
            if (first != "pop-up")
                return pupil.press(keys.key(), keys.keyboardModifiers());
            pupil.press(Qt::Key_Down, Qt::AltModifier);
            QTRY_VERIFY(list->view()->isVisible());
            QTest::keyClick(list->view(), keys.key(), keys.keyboardModifiers());
        };
        // Alt+P opens the print dialog, which is answered.
        keys.key() == Qt::Key_P ? void(pupil.print(2, paper.filePath("lesson.pdf"), press))
                                : press();
        QTRY_VERIFY(!list->view()->isVisible());
        if (after == "ended") {
            QTRY_VERIFY(!pupil.window().isVisible());
            return;
        }
        QTRY_COMPARE(pupil.shows("next"), after == "introduction");
        QCOMPARE(pagesIn(paper.filePath("lesson.pdf")), after == "printed" ? 2 : -1);
        QCOMPARE(list->lineEdit()->text(), QStringLiteral("4"));
    }

    // On a device that takes nothing the pupil is told, once, and the next print works.
    void aPrintThatFails()
    {
        QTemporaryDir paper;
        Pupil pupil;
        pupil.practise({3, 2, 4});
        QCOMPARE(
            pupil.print(1, QStringLiteral("/dev/full")),
            QStringList(QStringLiteral("The lesson was not printed: No space left on device.")));
        QVERIFY(pupil.print(2, paper.filePath("lesson.pdf")).isEmpty());
        QCOMPARE(pagesIn(paper.filePath("lesson.pdf")), 2);
    }
};

QTEST_MAIN(RobustnessTest)
#include "tst_robustness.moc"
