// The lesson as a pupil takes it: the introduction, Next into the practice page, the three
// lists in their guided order, the prompts, Back from every stage and Next again, typed values,
// double-clicks, and the whole lesson from the keyboard alone.

#include "pupil.h"

#include "platform/choicelist.h"
#include "platform/design.h"
#include "print/printing.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

namespace {

int px(double cm)
{
    return design::pixelsAt(cm);
}

const char *const kRules[] = {"rtBox1", "rtBox2", "rtBox3", "rtBox4", "rtBox5"};

// The positions of the characters set lowered and small; every digit right after an "r" (r1,
// r2) and nothing else should be. Also the largest lowering, as a share of the digit's height.
QList<int> lowered(QTextEdit *box, double *deepest = nullptr)
{
    QList<int> at;
    QTextCursor cursor(box->document());
    const QString text = box->toPlainText();
    for (int i = 0; i < text.size(); ++i) {
        cursor.setPosition(i);
        cursor.setPosition(i + 1, QTextCursor::KeepAnchor);
        const QTextCharFormat format = cursor.charFormat();
        if (format.baselineOffset() < 0 && format.fontPointSize() == 7) {
            at.append(i);
            if (deepest)
                *deepest = qMin(*deepest, format.baselineOffset());
        }
    }
    return at;
}

QList<int> radiusDigits(const QString &text)
{
    QList<int> at;
    for (int i = 1; i < text.size(); ++i)
        if (text.at(i - 1) == QLatin1Char('r') && (text.at(i) == '1' || text.at(i) == '2'))
            at.append(i);
    return at;
}

} // namespace

class LessonTest : public QObject
{
    Q_OBJECT

private slots:
    void theIntroductionAsTheWindowOpens()
    {
        Pupil pupil;
        QCOMPARE(pupil.window().windowTitle(),
                 QStringLiteral("Chapter 4:  Relative Positions of Two Circles in a Plane."));
        QCOMPARE(pupil.window().size(), QSize(px(26.931), px(19.471)));
        QCOMPARE(pupil.text("rtfSelect"),
                 QStringLiteral("Author:  lessons@example.org    Mobile:  07700 900461"));
        QCOMPARE(pupil.text("lblRelative"),
                 QStringLiteral("Relative position of two circles in R") + QChar(0x00B2));
        QCOMPARE(pupil.text("rtfSuppose1"),
                 QStringLiteral("Suppose that the centre of a circle is P and its radius is r1."));
        QCOMPARE(pupil.text("rtfSuppose2"),
                 QStringLiteral("Suppose that in the same plane there is another circle with "
                                "centre Q and radius r2."));
        QCOMPARE(pupil.text("lblPossibility"),
                 QStringLiteral("In this Situation one and only one Possibility exists, out of "
                                "below five.."));
        QCOMPARE(pupil.text("rtfHighlight"),
                 QStringLiteral("It  will  be  highlighted  according  to  your  selection  of  "
                                "r1 ,  r2  and  PQ."));
        QCOMPARE(pupil.text("lblPQ"),
                 QStringLiteral("Let us test it for practice..    Click 'Next'."));
        QCOMPARE(pupil.control("lblPQ")->y(), px(16));
        const QStringList rules = {
            " (1)  If PQ =  r1 + r2 then the two circles touch each other externally.",
            " (2)  If PQ = | r1 - r2 | then the two circles touch each other internally.",
            " (3)  If | r1 - r2 | < PQ < r1 + r2  then the two circles intersect each other in "
            "2 Points.",
            " (4)  If PQ < | r1 - r2 |  then the two circles neither intersect nor touch and one "
            "of them is inside the other.",
            " (5)  If PQ > r1 + r2  then the two circles do not intersect or touch and each is "
            "outside the other."};
        for (int k = 0; k < 5; ++k)
            QCOMPARE(pupil.text(kRules[k]), rules[k]);
        QCOMPARE(pupil.highlightedRule(), 0);

        for (const char *shown : {"lblNext", "lblHome", "rtfSelect", "rtfHighlight"})
            QVERIFY2(pupil.shows(shown), shown);
        for (const char *hidden : {"lblBack", "lblPrint", "cboR1", "cboR2", "cboPQ", "lblR1",
                                   "lblR11", "lblPQ1", "frameHelp"})
            QVERIFY2(!pupil.shows(hidden), hidden);
        QVERIFY(pupil.nextCueBlinking());
        QVERIFY(!pupil.listCueBlinking());
    }

    void everyRadiusDigitIsASubscriptAndNoOtherCharacter()
    {
        Pupil pupil;
        double sentence = 0;
        for (const char *name : {"rtfSuppose1", "rtfSuppose2"})
            QCOMPARE(lowered(pupil.box(name), &sentence), radiusDigits(pupil.text(name)).mid(0, 1));
        double rule = 0;
        for (const char *name : kRules)
            QCOMPARE(lowered(pupil.box(name), &rule), radiusDigits(pupil.text(name)));
        // The rules' digits sit lower (80 twips) than the sentences' (60 twips).
        QVERIFY2(rule < sentence * 1.2,
                 qPrintable(QStringLiteral("%1 %2").arg(rule).arg(sentence)));
        QCOMPARE(lowered(pupil.box("rtfHighlight")), radiusDigits(pupil.text("rtfHighlight")));
    }

    void theListsHoldTheirNumbersAndOpenInTurn()
    {
        Pupil pupil;
        pupil.next();
        const struct
        {
            const char *name;
            const char *placeholder;
            int first, last;
        } lists[] = {{"cboR1", " r1", 1, 5}, {"cboR2", "r2", 1, 5}, {"cboPQ", "PQ", 0, 12}};
        for (const auto &l : lists) {
            ChoiceList *list = pupil.list(l.name);
            QCOMPARE(list->count(), l.last - l.first + 1);
            QCOMPARE(list->itemText(0), QString::number(l.first));
            QCOMPARE(list->itemText(list->count() - 1), QString::number(l.last));
            QCOMPARE(pupil.text(l.name), QString::fromLatin1(l.placeholder));
        }
        // Which lists open, and the prompts' texts, are the random lessons' to check; here the
        // captions, the prompts' subscripts and where the distance prompt stands.
        QCOMPARE(lowered(pupil.box("rtfSelect")), radiusDigits(pupil.text("rtfSelect")));
        pupil.pick("cboR1", 3);
        QVERIFY(pupil.shows("lblR1") && pupil.shows("lblR11") && !pupil.shows("lblR2"));
        pupil.pick("cboR2", 2);
        QCOMPARE(pupil.control("lblPQ")->y(), px(0.106));
        pupil.pick("cboPQ", 4);
        QVERIFY(pupil.shows("lblPQ1"));
        QCOMPARE(lowered(pupil.box("rtfSelect")), radiusDigits(pupil.text("rtfSelect")));
        QVERIFY(!pupil.listCueBlinking());

        // Any list may change now, and the rule follows; the box keeps its lower height.
        pupil.pick("cboR1", 2);
        QCOMPARE(pupil.highlightedRule(), 1);
        QCOMPARE(pupil.box("rtBox1")->height(), px(0.7));
        QCOMPARE(pupil.box("rtBox1")->toolTip(), pupil.text("rtfHighlight"));
        QVERIFY(pupil.box("rtBox3")->toolTip().isEmpty());
        QVERIFY(pupil.shows("frameHelp"));
    }

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
        pupil.next();
        const char *const lists[] = {"cboR1", "cboR2", "cboPQ"};
        for (int i = 0; i < picked.size(); ++i)
            pupil.pick(lists[i], picked[i]);
        pupil.back();

        // The introduction in Back's own layout, whatever the stage. (What is shown and what the
        // lists, prompts and rules say is checked by the random lessons after every action.)
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
        QImage blank = pupil.surface();
        blank.fill(Qt::transparent);
        QCOMPARE(pupil.surface(), blank);

        pupil.next();
        const bool resume = picked.size() == 3;
        // The frames are short while only the radii are asked for: the thick middle one's lower
        // edge 7.595 cm below its top.
        const QImage window = pupil.window().grab().toImage();
        const int shortEdge = design::twipsToPixels(600) + px(7.595) - 2;
        QCOMPARE(window.pixelColor(500, int(shortEdge * window.devicePixelRatio())) ==
                     QColor(60, 104, 0),
                 !resume);
        QCOMPARE(pupil.shows("lblR1"), resume);
        if (resume)
            QCOMPARE(QApplication::focusWidget(), pupil.control("cboPQ"));
        for (int k = 0; k < 5; ++k)
            QCOMPARE(pupil.control(kRules[k])->pos(), QPoint(px(3), px(3 + k)));
        QCOMPARE(pupil.control("lblBack")->geometry(), pupil.control("lblNext")->geometry());
    }

    // A typed value counts once the pupil commits it, and only if the list offers it; anything
    // else is refused and the list shows its last choice again.
    void typedValues_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("rule");
        QTest::newRow("a distance, Enter") << "cboPQ"
                                           << "5" << int(Qt::Key_Return) << "5" << 1;
        QTest::newRow("a distance, Tab") << "cboPQ"
                                         << " 6 " << int(Qt::Key_Tab) << "6" << 5;
        QTest::newRow("a radius, Enter") << "cboR1"
                                         << "1" << int(Qt::Key_Enter) << "1" << 5;
        QTest::newRow("too far") << "cboPQ"
                                 << "99999" << int(Qt::Key_Return) << "4" << 3;
        QTest::newRow("below zero") << "cboPQ"
                                    << "-3" << int(Qt::Key_Return) << "4" << 3;
        QTest::newRow("not a number") << "cboR2"
                                      << "abc" << int(Qt::Key_Tab) << "2" << 3;
        QTest::newRow("no such radius") << "cboR1"
                                        << "0" << int(Qt::Key_Return) << "3" << 3;
        QTest::newRow("a fraction") << "cboR1"
                                    << "2.5" << int(Qt::Key_Return) << "3" << 3;
        QTest::newRow("Escape") << "cboPQ"
                                << "5" << int(Qt::Key_Escape) << "4" << 3;
    }
    void typedValues()
    {
        QFETCH(QString, list);
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(QString, shown);
        QFETCH(int, rule);
        Pupil pupil;
        pupil.next();
        pupil.choose(3, 2, 4);
        const QImage before = pupil.surface();
        pupil.type(list.toLatin1().constData(), typed);
        // Not committed yet: nothing else has changed.
        QCOMPARE(pupil.highlightedRule(), 3);
        pupil.press(Qt::Key(key));
        QCOMPARE(pupil.text(list.toLatin1().constData()), shown);
        QCOMPARE(pupil.highlightedRule(), rule);
        QCOMPARE(pupil.surface() == before, rule == 3);
    }

    // Typed but not committed, then another action: the typing is taken or put back before
    // anything else happens, so the figure, the rule and the lists agree.
    void typedThenSomethingElse()
    {
        Pupil pupil;
        pupil.next();
        pupil.choose(3, 2, 4);
        pupil.type("cboPQ", "6");
        pupil.pick("cboR1", 4); // leaving the field commits the 6
        QCOMPARE(pupil.text("cboPQ"), QStringLiteral("6"));
        QCOMPARE(pupil.window().choice().distance, 6);
        QCOMPARE(pupil.highlightedRule(), 1);
        QCOMPARE(pupil.text("lblPQ").isEmpty() || !pupil.shows("lblPQ"), true);

        pupil.type("cboPQ", "2");
        pupil.click("lblBack"); // Back while typing: the typing is dropped, the page complete
        QVERIFY(pupil.shows("lblNext") && pupil.shows("lblPQ"));
        QCOMPARE(pupil.text("cboPQ"), QStringLiteral("6"));
        pupil.press(Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(pupil.highlightedRule(), 1);
        QCOMPARE(pupil.surfaceAt(13 - 3, 13), seen::green); // P drawn for a distance of 6

        // Print takes the lesson as it stands, and so does a window closed mid-typing.
        pupil.window().printing().replaceDialog([](QPrinter &) { return std::nullopt; });
        pupil.type("cboPQ", "2");
        pupil.click("lblPrint");
        QCOMPARE(pupil.text("cboPQ"), QStringLiteral("6"));
        auto *closing = new Pupil;
        closing->next();
        closing->choose(3, 2, 4);
        closing->type("cboPQ", "6");
        delete closing;
    }

    // Pupils double-click everything; the lesson must not jump back and forth.
    void aDoubleClickIsOneClick_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("onPractice");
        QTest::addColumn<int>("dialogs");
        QTest::newRow("Next") << "lblNext" << true << 0;
        QTest::newRow("Back") << "lblBack" << false << 0;
        QTest::newRow("Print") << "lblPrint" << true << 1;
    }
    void aDoubleClickIsOneClick()
    {
        QFETCH(QString, button);
        QFETCH(bool, onPractice);
        QFETCH(int, dialogs);
        Pupil pupil;
        int asked = 0;
        pupil.window().printing().replaceDialog([&asked](QPrinter &) {
            ++asked;
            return std::nullopt;
        });
        if (button != QLatin1String("lblNext")) {
            pupil.next();
            pupil.choose(3, 2, 4);
        }
        pupil.doubleClick(button.toLatin1().constData());
        QCOMPARE(pupil.shows("lblBack"), onPractice);
        QCOMPARE(pupil.shows("lblNext"), !onPractice);
        QCOMPARE(asked, dialogs);
    }

    void homeEndsTheLesson_data()
    {
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<QKeyCombination>("keys");
        QTest::newRow("click") << false << QKeyCombination();
        QTest::newRow("double-click") << true << QKeyCombination();
        QTest::newRow("Alt+H") << false << (Qt::ALT | Qt::Key_H);
        QTest::newRow("Ctrl+Q") << false << (Qt::CTRL | Qt::Key_Q);
        QTest::newRow("Alt+F4") << false << (Qt::ALT | Qt::Key_F4);
    }
    void homeEndsTheLesson()
    {
        QFETCH(bool, doubleClick);
        QFETCH(QKeyCombination, keys);
        Pupil pupil;
        pupil.next();
        if (keys.key() != Qt::Key_unknown)
            pupil.press(keys.key(), keys.keyboardModifiers());
        else if (doubleClick)
            pupil.doubleClick("lblHome");
        else
            pupil.click("lblHome");
        QTRY_VERIFY(!pupil.window().isVisible());
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

    // The whole lesson with the keyboard alone.
    void theKeyboardAlone()
    {
        Pupil pupil;
        int asked = 0;
        pupil.window().printing().replaceDialog([&asked](QPrinter &) {
            ++asked;
            return std::nullopt;
        });
        QCOMPARE(QApplication::focusWidget(), pupil.control("lblNext"));
        pupil.press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), pupil.control("lblHome"));
        pupil.press(Qt::Key_Backtab);
        pupil.press(Qt::Key_Space);
        QVERIFY(pupil.shows("lblBack"));
        QCOMPARE(QApplication::focusWidget(), pupil.control("cboR1"));
        for (int i = 0; i < 3; ++i)
            pupil.press(Qt::Key_Down);
        QCOMPARE(pupil.window().choice().r1, 3);
        pupil.press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), pupil.control("cboR2"));
        pupil.press(Qt::Key_Down);
        pupil.press(Qt::Key_Down);
        pupil.press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), pupil.control("cboPQ"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("4"));
        pupil.press(Qt::Key_Return);
        QCOMPARE(pupil.highlightedRule(), 3);
        QCOMPARE(pupil.surfaceAt(11, 13), seen::green);
        pupil.press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), pupil.control("lblPrint"));
        pupil.press(Qt::Key_Space);
        QCOMPARE(asked, 1);
        pupil.press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), pupil.control("lblBack"));
        pupil.press(Qt::Key_Return);
        QVERIFY(pupil.shows("lblNext"));
        QCOMPARE(QApplication::focusWidget(), pupil.control("lblNext"));
        pupil.press(Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(pupil.highlightedRule(), 3);
        QCOMPARE(QApplication::focusWidget(), pupil.control("cboPQ"));
        pupil.press(Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(asked, 2);
        QCOMPARE(pupil.text("cboPQ"), QStringLiteral("4"));
        pupil.press(Qt::Key_H, Qt::AltModifier);
        QTRY_VERIFY(!pupil.window().isVisible());
    }
};

QTEST_MAIN(LessonTest)
#include "tst_lesson.moc"
