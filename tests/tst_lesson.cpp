// The lesson as a pupil takes it: the introduction, Next into the practice page, the three
// lists in their guided order, the prompts, Back from every stage and Next again, typed values,
// double-clicks, and the whole lesson from the keyboard alone.

#include "pupil.h"

#include "platform/design.h"

#include <QAbstractItemView>
#include <QRegularExpression>
#include <QTextCharFormat>
#include <QTextCursor>

namespace {

int px(double cm)
{
    return design::pixelsAt(cm);
}

// How far the first radius digit of a text box is lowered.
double loweredBy(QTextEdit *box)
{
    QTextCursor cursor(box->document());
    cursor.setPosition(box->toPlainText().indexOf(QRegularExpression(QStringLiteral("r[12]"))) + 2);
    return cursor.charFormat().baselineOffset();
}

} // namespace

class LessonTest : public QObject
{
    Q_OBJECT

private slots:
    // What the introduction reads, radius digits as subscripts. (The title, the message line, the
    // invitation and the heading are the desktop, random-lesson and accessibility tests' to check.)
    void theIntroductionAsTheWindowOpens()
    {
        Pupil pupil;
        QCOMPARE(pupil.window().size(), QSize(px(26.931), px(19.471)));
        const QList<std::pair<const char *, const char *>> texts = {
            {"rtfSuppose1", "Suppose that the centre of a circle is P and its radius is r₁."},
            {"rtfSuppose2", "Suppose that in the same plane there is another circle with centre Q "
                            "and radius r₂."},
            {"lblPossibility",
             "In this Situation one and only one Possibility exists, out of below five.."},
            {"rtfHighlight", "It  will  be  highlighted  according  to  your  selection  of  r₁ ,  "
                             "r₂  and  PQ."},
            {"rtBox1", " (1)  If PQ =  r₁ + r₂ then the two circles touch each other externally."},
            {"rtBox2", " (2)  If PQ = | r₁ - r₂ | then the two circles touch each other "
                       "internally."},
            {"rtBox3", " (3)  If | r₁ - r₂ | < PQ < r₁ + r₂  then the two circles intersect each "
                       "other in 2 Points."},
            {"rtBox4", " (4)  If PQ < | r₁ - r₂ |  then the two circles neither intersect nor "
                       "touch and one of them is inside the other."},
            {"rtBox5", " (5)  If PQ > r₁ + r₂  then the two circles do not intersect or touch and "
                       "each is outside the other."}};
        for (const auto &[control, text] : texts)
            QCOMPARE(pupil.text(control), QString::fromUtf8(text));
        QCOMPARE(pupil.control("lblPQ")->y(), px(16));
        QVERIFY(pupil.shows("lblHome") && pupil.shows("rtfHighlight"));
        for (const char *hidden : {"lblR1", "lblR11", "lblPQ1", "frameHelp"})
            QVERIFY2(!pupil.shows(hidden), hidden);
        // The rules' digits sit lower (80 twips) than the sentences' (60 twips).
        const double sentence = loweredBy(pupil.box("rtfSuppose1"));
        for (const char *rule : kRules)
            QVERIFY2(loweredBy(pupil.box(rule)) < sentence * 1.2, rule);
    }

    // The lists' numbers; the captions and the prompts' subscripts as the lists are picked in
    // turn; then any list may change, and the highlighted box is lower, with the note as tooltip.
    void theListsAndTheirCaptions()
    {
        Pupil pupil;
        pupil.next();
        for (const char *name : kLists) {
            QStringList items;
            for (int i = 0; i < pupil.list(name)->count(); ++i)
                items << pupil.list(name)->itemText(i);
            QCOMPARE(items.join(' '), name == kLists[2]
                                          ? QStringLiteral("0 1 2 3 4 5 6 7 8 9 10 11 12")
                                          : QStringLiteral("1 2 3 4 5"));
        }
        pupil.pick("cboR1", 3);
        QVERIFY(pupil.shows("lblR1") && pupil.shows("lblR11") && !pupil.shows("lblR2"));
        pupil.pick("cboR2", 2);
        QCOMPARE(pupil.control("lblPQ")->y(), px(0.106));
        pupil.pick("cboPQ", 4);
        QVERIFY(pupil.shows("lblPQ1"));
        pupil.pick("cboR1", 2);
        QCOMPARE(pupil.highlightedRule(), 1);
        QCOMPARE(pupil.box("rtBox1")->height(), px(0.7));
        QCOMPARE(pupil.box("rtBox1")->toolTip(), pupil.box("rtfHighlight")->toPlainText());
        QVERIFY(pupil.box("rtBox3")->toolTip().isEmpty());
    }

    // Back gives the introduction in Back's own layout, whatever the stage; Next gives the
    // practice page in its compact layout, short frames unless the choice was complete.
    void backFromEveryStageAndNextAgain_data()
    {
        QTest::addColumn<QList<int>>("picked");
        QTest::newRow("nothing chosen") << QList<int>{};
        QTest::newRow("r1 chosen") << QList<int>{4};
        QTest::newRow("r1 and r2 chosen") << QList<int>{4, 1};
        QTest::newRow("a complete choice") << QList<int>{4, 1, 6};
    }
    void backFromEveryStageAndNextAgain()
    {
        QFETCH(QList<int>, picked);
        Pupil pupil;
        pupil.practise(picked);
        pupil.back();
        for (const char *hidden : {"lblR1", "lblR2", "lblPQ1"})
            QVERIFY2(!pupil.shows(hidden), hidden);
        const double tops[] = {5.927, 7.197, 8.467, 9.71, 11.007};
        for (int k = 0; k < 5; ++k)
            QCOMPARE(pupil.control(kRules[k])->pos(), QPoint(px(3.701), px(tops[k])));
        QCOMPARE(pupil.control("rtfSuppose1")->y(), px(2.752));
        QCOMPARE(pupil.control("rtfSuppose2")->y(), px(3.598));
        QCOMPARE(pupil.control("lblPossibility")->y(), px(4.868));
        QCOMPARE(pupil.control("lblRelative")->pos(), QPoint(px(3.175), px(1.482)));
        QCOMPARE(pupil.control("lblRelative")->font().pointSizeF(), 20.0);
        QCOMPARE(pupil.control("lblPQ")->y(), px(16));

        pupil.next();
        const bool resume = picked.size() == 3;
        // The short frames: the thick middle one's lower edge 7.595 cm below its top.
        const QImage window = pupil.window().grab().toImage();
        const int shortEdge = design::twipsToPixels(600) + px(7.595) - 2;
        QCOMPARE(window.pixelColor(500, int(shortEdge * window.devicePixelRatio())) ==
                     QColor(60, 104, 0),
                 !resume);
        QCOMPARE(pupil.shows("lblR1"), resume);
        if (resume)
            QCOMPARE(pupil.focus(), "cboPQ");
        for (int k = 0; k < 5; ++k)
            QCOMPARE(pupil.control(kRules[k])->pos(), QPoint(px(3), px(3 + k)));
        QCOMPARE(pupil.control("lblBack")->geometry(), pupil.control("lblNext")->geometry());
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
        const QImage before = pupil.surface();
        pupil.type(kLists[list], typed);
        QCOMPARE(pupil.highlightedRule(), 3); // not committed yet: nothing else has changed
        pupil.press(key);
        QCOMPARE(pupil.text(kLists[list]), shown);
        QCOMPARE(pupil.highlightedRule(), rule);
        QCOMPARE(pupil.surface() == before, rule == 3);
    }

    // Typed but not committed, then Back: the typing is dropped, and the page is as complete as
    // before; a window closed mid-typing ends quietly.
    void typedThenBackOrClosed()
    {
        Pupil pupil;
        pupil.practise({3, 2, 4});
        pupil.type("cboPQ", "6");
        pupil.back();
        QVERIFY(pupil.shows("lblNext") && pupil.shows("lblPQ"));
        QCOMPARE(pupil.text("cboPQ"), QStringLiteral("4"));
        pupil.press(Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(pupil.highlightedRule(), 3);
        QCOMPARE(pupil.surfaceAt(13 - 2, 13), seen::green); // P drawn for a distance of 4
        pupil.type("cboPQ", "6");
        pupil.window().close();
    }

    // Pupils double-click everything; the lesson must not jump back and forth, nor print twice.
    void aDoubleClickIsOneClick_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QString>("after");
        QTest::newRow("Next") << QByteArray("lblNext") << "practice";
        QTest::newRow("Back") << QByteArray("lblBack") << "introduction";
        QTest::newRow("Print") << QByteArray("lblPrint") << "practice";
        QTest::newRow("Home") << QByteArray("lblHome") << "ended";
    }
    void aDoubleClickIsOneClick()
    {
        QFETCH(QByteArray, button);
        QFETCH(QString, after);
        Pupil pupil;
        pupil.answerPrint();
        if (button != "lblNext")
            pupil.practise({3, 2, 4});
        pupil.doubleClick(button.constData());
        QTRY_COMPARE(!pupil.window().isVisible() ? "ended"
                     : pupil.shows("lblBack")    ? "practice"
                                                 : "introduction",
                     after);
        QCOMPARE(pupil.printDialogs(), int(button == "lblPrint"));
    }

    // Alt+Down opens a list; Down and Enter in it pick, as a click would.
    void aListOpenedFromTheKeyboard()
    {
        Pupil pupil;
        pupil.press(Qt::Key_Space);
        pupil.press(Qt::Key_Down, Qt::AltModifier);
        QTRY_VERIFY(pupil.list("cboR1")->view()->isVisible());
        QTest::keyClick(pupil.list("cboR1")->view(), Qt::Key_Down);
        QTest::keyClick(pupil.list("cboR1")->view(), Qt::Key_Return);
        QCOMPARE(pupil.window().choice().r1, 2);
        QVERIFY(pupil.list("cboR2")->isEnabled());
    }

    // The whole lesson with the keyboard alone, ended with each key that ends it.
    void theKeyboardAlone_data()
    {
        QTest::addColumn<QKeyCombination>("end");
        QTest::newRow("Alt+H") << (Qt::ALT | Qt::Key_H);
        QTest::newRow("Ctrl+Q") << (Qt::CTRL | Qt::Key_Q);
        QTest::newRow("Alt+F4") << (Qt::ALT | Qt::Key_F4);
    }
    void theKeyboardAlone()
    {
        QFETCH(QKeyCombination, end);
        Pupil pupil;
        pupil.answerPrint();
        QCOMPARE(pupil.focus(), "lblNext");
        pupil.press(Qt::Key_Tab);
        QCOMPARE(pupil.focus(), "lblHome");
        pupil.press(Qt::Key_Backtab);
        pupil.press(Qt::Key_Space);
        QVERIFY(pupil.shows("lblBack"));
        QCOMPARE(pupil.focus(), "cboR1");
        for (int i = 0; i < 3; ++i)
            pupil.press(Qt::Key_Down);
        QCOMPARE(pupil.window().choice().r1, 3);
        pupil.press(Qt::Key_Tab);
        QCOMPARE(pupil.focus(), "cboR2");
        pupil.press(Qt::Key_Down);
        pupil.press(Qt::Key_Down);
        pupil.press(Qt::Key_Tab);
        QCOMPARE(pupil.focus(), "cboPQ");
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("4"));
        pupil.press(Qt::Key_Return);
        QCOMPARE(pupil.highlightedRule(), 3);
        QCOMPARE(pupil.surfaceAt(11, 13), seen::green);
        pupil.press(Qt::Key_Tab);
        QCOMPARE(pupil.focus(), "lblPrint");
        pupil.press(Qt::Key_Space);
        QCOMPARE(pupil.printDialogs(), 1);
        pupil.press(Qt::Key_Tab);
        QCOMPARE(pupil.focus(), "lblBack");
        pupil.press(Qt::Key_Return);
        QVERIFY(pupil.shows("lblNext"));
        QCOMPARE(pupil.focus(), "lblNext");
        pupil.press(Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(pupil.highlightedRule(), 3);
        QCOMPARE(pupil.focus(), "cboPQ");
        pupil.press(Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(pupil.printDialogs(), 2);
        QCOMPARE(pupil.text("cboPQ"), QStringLiteral("4"));
        pupil.press(end.key(), end.keyboardModifiers());
        QTRY_VERIFY(!pupil.window().isVisible());
    }
};

QTEST_MAIN(LessonTest)
#include "tst_lesson.moc"
