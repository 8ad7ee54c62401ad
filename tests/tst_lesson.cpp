// The lesson as a pupil takes it, where the renders cannot tell: the exact texts, blanks
// included; the lists' items; typed values; double-clicks; the whole lesson from the keyboard.

#include "pupil.h"

#include <QAbstractItemView>
#include <QTemporaryDir>

class LessonTest : public QObject
{
    Q_OBJECT

private slots:
    // Every text of the introduction to the last blank, radius digits as subscripts. (The
    // prompts are the lesson model's to check.)
    void theIntroductionsTexts()
    {
        Pupil pupil;
        const QList<std::pair<const char *, const char *>> texts = {
            {"firstSentence", "Suppose that the centre of a circle is P and its radius is r₁."},
            {"secondSentence",
             "Suppose that in the same plane there is another circle with centre Q "
             "and radius r₂."},
            {"possibilities",
             "In this Situation one and only one Possibility exists, out of below five.."},
            {"note", "It  will  be  highlighted  according  to  your  selection  of  r₁ ,  "
                     "r₂  and  PQ."},
            {"rule1", " (1)  If PQ =  r₁ + r₂ then the two circles touch each other externally."},
            {"rule2", " (2)  If PQ = | r₁ - r₂ | then the two circles touch each other "
                      "internally."},
            {"rule3", " (3)  If | r₁ - r₂ | < PQ < r₁ + r₂  then the two circles intersect each "
                      "other in 2 Points."},
            {"rule4", " (4)  If PQ < | r₁ - r₂ |  then the two circles neither intersect nor "
                      "touch and one of them is inside the other."},
            {"rule5", " (5)  If PQ > r₁ + r₂  then the two circles do not intersect or touch and "
                      "each is outside the other."},
            {"heading", "Relative position of two circles in R²"}};
        for (const auto &[control, text] : texts)
            QCOMPARE(pupil.text(control), QString::fromUtf8(text));
        QCOMPARE(pupil.window().windowTitle(),
                 QStringLiteral("Chapter 4:  Relative Positions of Two Circles in a Plane."));
        for (const char *name : kLists) {
            QStringList items;
            for (int i = 0; i < pupil.list(name)->count(); ++i)
                items << pupil.list(name)->itemText(i);
            QCOMPARE(items.join(' '), name == kLists[2]
                                          ? QStringLiteral("0 1 2 3 4 5 6 7 8 9 10 11 12")
                                          : QStringLiteral("1 2 3 4 5"));
        }
        // The rule that holds carries the note as its tooltip.
        pupil.practise({3, 2, 4});
        QCOMPARE(pupil.box("rule3")->toolTip(), pupil.box("note")->toPlainText());
        QVERIFY(pupil.box("rule1")->toolTip().isEmpty());
    }

    // A typed value counts once the pupil commits it, and only if the list offers it; anything
    // else is refused and the list shows its last choice again. (The random lessons type more.)
    void typedValues_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("rule");
        QTest::newRow("a distance, Enter") << 2 << "5" << Qt::Key_Return << "5" << 1;
        QTest::newRow("a distance, Tab") << 2 << " 6 " << Qt::Key_Tab << "6" << 5;
        QTest::newRow("too far") << 2 << "99999" << Qt::Key_Return << "4" << 3;
        QTest::newRow("not a number") << 1 << "abc" << Qt::Key_Tab << "2" << 3;
        QTest::newRow("no such radius") << 0 << "0" << Qt::Key_Return << "3" << 3;
        QTest::newRow("Escape") << 2 << "5" << Qt::Key_Escape << "4" << 3;
    }
    void typedValues()
    {
        QFETCH(int, list);
        QFETCH(QString, typed);
        QFETCH(Qt::Key, key);
        QFETCH(QString, shown);
        QFETCH(int, rule);
        Pupil pupil;
        pupil.practise({3, 2, 4});
        const QImage figure = pupil.figure();
        pupil.type(kLists[list], typed);
        QCOMPARE(pupil.highlightedRule(), 3); // not committed yet: nothing else has changed
        pupil.press(key);
        QCOMPARE(pupil.text(kLists[list]), shown);
        QCOMPARE(pupil.highlightedRule(), rule);
        QCOMPARE(pupil.figure() == figure, rule == 3);
    }

    // Pupils double-click everything; the lesson must not jump back and forth, nor print twice.
    void aDoubleClickIsOneClick_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QString>("after");
        QTest::newRow("Next") << QByteArray("next") << "practice";
        QTest::newRow("Back") << QByteArray("back") << "introduction";
        QTest::newRow("Print") << QByteArray("print") << "practice";
        QTest::newRow("Home") << QByteArray("home") << "ended";
    }
    void aDoubleClickIsOneClick()
    {
        QFETCH(QByteArray, button);
        QFETCH(QString, after);
        QTemporaryDir paper;
        Pupil pupil;
        if (button != "next")
            pupil.practise({3, 2, 4});
        pupil.print(0, paper.filePath("lesson.pdf"), [&] { pupil.doubleClick(button); });
        QTRY_COMPARE(!pupil.window().isVisible() ? "ended"
                     : pupil.shows("back")       ? "practice"
                                                 : "introduction",
                     after);
        QCOMPARE(pupil.printDialogs(), int(button == "print"));
    }

    // Alt+Down opens a list; Down and Enter in it pick, as a click would.
    void aListOpenedFromTheKeyboard()
    {
        Pupil pupil;
        pupil.press(Qt::Key_Space);
        pupil.press(Qt::Key_Down, Qt::AltModifier);
        QTRY_VERIFY(pupil.list("r1")->view()->isVisible());
        QTest::keyClick(pupil.list("r1")->view(), Qt::Key_Down);
        QTest::keyClick(pupil.list("r1")->view(), Qt::Key_Return);
        QCOMPARE(pupil.text("r1"), QStringLiteral("2"));
        QVERIFY(pupil.list("r2")->isEnabled());
    }

    // The keys that act from anywhere, the focus in a list: Alt+N resumes with the focus on
    // the distance, Alt+P prints, Alt+B goes back; each key that ends the lesson ends it, also
    // with a value typed and not committed. (Tab's way through the page is the renders'.)
    void theKeysThatActFromAnywhere_data()
    {
        QTest::addColumn<QKeyCombination>("end");
        QTest::newRow("Alt+H") << (Qt::ALT | Qt::Key_H);
        QTest::newRow("Ctrl+Q") << (Qt::CTRL | Qt::Key_Q);
        QTest::newRow("Alt+F4") << (Qt::ALT | Qt::Key_F4);
    }
    void theKeysThatActFromAnywhere()
    {
        QFETCH(QKeyCombination, end);
        QTemporaryDir paper;
        Pupil pupil;
        pupil.practise({3, 2, 4});
        pupil.press(Qt::Key_B, Qt::AltModifier);
        QTRY_VERIFY(pupil.shows("next"));
        pupil.press(Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(pupil.focus(), "distance");
        pupil.print(2, paper.filePath("lesson.pdf"),
                    [&] { pupil.press(Qt::Key_P, Qt::AltModifier); });
        QCOMPARE(pagesIn(paper.filePath("lesson.pdf")), 2);
        pupil.type("distance", "6");
        pupil.press(end.key(), end.keyboardModifiers());
        QTRY_VERIFY(!pupil.window().isVisible());
    }
};

QTEST_MAIN(LessonTest)
#include "tst_lesson.moc"
