// The five-way decision against an independent account of how two circles lie, for every
// choice the lists offer; the highlight of the one rule that holds; the plain state the rules
// are written in; and an overflow of the window's 16-bit arithmetic.

#include "circlegeometry.h"

#include "platform/runtimeerror.h"
#include "platform/twips.h"
#include "relation/classification.h"
#include "window/lessonwindow.h"

#include <QTest>

#include <cstdlib>

using platform::RichTextBox;

namespace {

constexpr quint32 kYellow = 0x0000FFFF;

QList<RichTextBox *> ruleBoxes(LessonWindow &w)
{
    return {w.rtBox1, w.rtBox2, w.rtBox3, w.rtBox4, w.rtBox5};
}

// The highlight's height is set in single precision, as the box keeps it.
bool hasHighlightHeight(const RichTextBox &box)
{
    return float(box.Height()) == 0.7f;
}

// The window after load with the radii stored and the distance shown in its list, as the list
// handlers leave it before they classify.
void choose(LessonWindow &w, int r1, int r2, int pq)
{
    w.r1 = qint16(r1);
    w.r2 = qint16(r2);
    w.cboPQ->setCurrentIndex(w.cboPQ->findText(QString::number(pq)));
    QCOMPARE(w.cboPQ->Text(), QString::number(pq));
}

// Empty when exactly rule `rule` is highlighted and the other four are plain; otherwise what is
// wrong.
QString checkHighlight(LessonWindow &w, int rule)
{
    const QList<RichTextBox *> boxes = ruleBoxes(w);
    for (int k = 1; k <= 5; ++k) {
        RichTextBox *box = boxes[k - 1];
        const QString name = box->objectName();
        if (k == rule) {
            if (box->backColor() != kYellow)
                return name + QStringLiteral(" is not yellow");
            if (!hasHighlightHeight(*box))
                return name + QStringLiteral(" is %1 cm high").arg(box->Height());
            if (box->toolTipText() != w.rtfHighlight->Text())
                return name + QStringLiteral(" has the tooltip '%1'").arg(box->toolTipText());
            if (!box->accessibleDescription().contains(QLatin1String("holds")))
                return name + QStringLiteral(" does not tell a screen reader that it holds");
            if (box->SelStart() != 0 || box->SelLength() != 1)
                return name + QStringLiteral(" has the selection %1+%2")
                                  .arg(box->SelStart())
                                  .arg(box->SelLength());
        } else {
            if (box->backColor() != w.form->backColor())
                return name +
                       QStringLiteral(" has the back colour %1").arg(box->backColor(), 0, 16);
            if (!box->toolTipText().isEmpty())
                return name + QStringLiteral(" has a tooltip");
            if (!box->accessibleDescription().isEmpty())
                return name + QStringLiteral(" still describes itself as holding");
        }
    }
    return {};
}

} // namespace

class TestRelation : public QObject
{
    Q_OBJECT

private slots:
    void everyListChoiceFindsTheRelationThatHolds_data()
    {
        QTest::addColumn<int>("r1");
        QTest::addColumn<int>("r2");
        QTest::addColumn<int>("pq");
        QTest::addColumn<int>("rule");
        for (int r1 = 1; r1 <= 5; ++r1)
            for (int r2 = 1; r2 <= 5; ++r2)
                for (int pq = 0; pq <= 12; ++pq)
                    QTest::addRow("radii %d and %d, centres %d apart", r1, r2, pq)
                        << r1 << r2 << pq << int(circlegeometry::relation(r1, r2, pq));
    }

    void everyListChoiceFindsTheRelationThatHolds()
    {
        QFETCH(int, r1);
        QFETCH(int, r2);
        QFETCH(int, pq);
        QFETCH(int, rule);
        QCOMPARE(relationRule(qint16(pq), qint16(r1 + r2), qint16(std::abs(r1 - r2))), rule);
    }

    void highlightMarksTheBoxOfTheRule_data()
    {
        QTest::addColumn<int>("r1");
        QTest::addColumn<int>("r2");
        QTest::addColumn<int>("pq");
        QTest::addColumn<int>("rule");
        QTest::newRow("touching from outside") << 3 << 2 << 5 << 1;
        QTest::newRow("touching from inside") << 3 << 2 << 1 << 2;
        QTest::newRow("intersecting") << 3 << 2 << 4 << 3;
        QTest::newRow("concentric, different sizes") << 3 << 2 << 0 << 4;
        QTest::newRow("apart") << 3 << 2 << 6 << 5;
        QTest::newRow("coinciding circles touch from inside") << 4 << 4 << 0 << 2;
        QTest::newRow("small circle inside the large one") << 1 << 5 << 3 << 4;
        QTest::newRow("small circle touching from inside") << 1 << 5 << 4 << 2;
        QTest::newRow("small circle across the large one's edge") << 1 << 5 << 5 << 3;
        QTest::newRow("smallest circles touching") << 1 << 1 << 2 << 1;
        QTest::newRow("largest circles farthest apart") << 5 << 5 << 12 << 5;
    }

    void highlightMarksTheBoxOfTheRule()
    {
        QFETCH(int, r1);
        QFETCH(int, r2);
        QFETCH(int, pq);
        QFETCH(int, rule);
        LessonWindow w;
        w.Form_Load();
        QStringList rules;
        for (RichTextBox *box : ruleBoxes(w))
            rules << box->Text();
        const double designedHeight = w.rtBox1->Height();
        choose(w, r1, r2, pq);

        w.HighlightRelation();

        const QString fault = checkHighlight(w, rule);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        QCOMPARE(w.PQ, qint16(pq));
        QCOMPARE(w.r1PlusR2, qint16(r1 + r2));
        QCOMPARE(w.absR1MinusR2, qint16(std::abs(r1 - r2)));
        RichTextBox *marked = ruleBoxes(w)[rule - 1];
        QCOMPARE(marked->SelText(), QStringLiteral(" "));
        for (int k = 1; k <= 5; ++k) {
            RichTextBox *box = ruleBoxes(w)[k - 1];
            QCOMPARE(box->Text(), rules[k - 1]);
            if (k != rule && k != 3 && k != 4) // rtBox3 and rtBox4 are designed just as high
                QCOMPARE(box->Height(), designedHeight);
        }
    }

    void highlightMovesToTheNewRule()
    {
        LessonWindow w;
        w.Form_Load();
        choose(w, 3, 2, 4);
        w.HighlightRelation();
        QVERIFY(checkHighlight(w, 3).isEmpty());

        choose(w, 3, 2, 9);
        w.HighlightRelation();
        const QString fault = checkHighlight(w, 5);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        // The first box is plain again but keeps the lower height of its highlight.
        QVERIFY(hasHighlightHeight(*w.rtBox3));
    }

    void sameChoiceTwiceKeepsOneHighlight()
    {
        LessonWindow w;
        w.Form_Load();
        choose(w, 2, 5, 3);
        w.HighlightRelation();
        w.HighlightRelation();
        const QString fault = checkHighlight(w, 2);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    void tooltipIsTheNoteAsItReadsNow()
    {
        LessonWindow w;
        w.Form_Load();
        w.rtfHighlight->setText(QStringLiteral("Another note"));
        choose(w, 3, 3, 2);
        w.HighlightRelation();
        QCOMPARE(w.rtBox3->toolTipText(), QStringLiteral("Another note"));
    }

    void distanceIsReadFromWhatTheListShows_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("pq");
        QTest::addColumn<int>("rule");
        QTest::newRow("a typed number, not the stored one") << "5" << 5 << 1;
        QTest::newRow("a half goes to the even neighbour") << "4.5" << 4 << 3;
        QTest::newRow("no number reads as 0") << "far" << 0 << 4;
        QTest::newRow("beyond 16 bits stays the farthest distance") << "99999" << 32767 << 5;
    }

    // With r1 = 3 and r2 = 2 stored and a distance of 9 from an earlier choice.
    void distanceIsReadFromWhatTheListShows()
    {
        QFETCH(QString, shown);
        QFETCH(int, pq);
        QFETCH(int, rule);
        LessonWindow w;
        w.Form_Load();
        choose(w, 3, 2, 9);
        w.PQ = 9;
        w.cboPQ->setEditText(shown);
        w.HighlightRelation();
        QCOMPARE(w.PQ, qint16(pq));
        const QString fault = checkHighlight(w, rule);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    void rewritingTheRulesRemovesTheHighlight()
    {
        LessonWindow w;
        w.Form_Load();
        QList<QList<int>> offsets;
        for (RichTextBox *box : ruleBoxes(w)) {
            QList<int> perCharacter;
            for (int i = 0; i < box->Text().size(); ++i)
                perCharacter << box->charOffsetAt(i);
            offsets << perCharacter;
        }
        choose(w, 3, 2, 4);
        w.HighlightRelation();

        w.WriteConditionTexts();

        const QString fault = checkHighlight(w, 0);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        QVERIFY(hasHighlightHeight(*w.rtBox3));
        // The subscripts are set again, just as at start-up.
        for (int k = 0; k < 5; ++k)
            for (int i = 0; i < offsets[k].size(); ++i)
                QCOMPARE(ruleBoxes(w)[k]->charOffsetAt(i), offsets[k][i]);
    }

    void rulesTakeAChangedWindowColour()
    {
        LessonWindow w;
        w.Form_Load();
        w.form->setBackColor(0x00E0E0E0);
        w.WriteConditionTexts();
        for (RichTextBox *box : ruleBoxes(w))
            QCOMPARE(box->backColor(), 0x00E0E0E0u);

        w.form->setBackColor(0x00FFF0F0);
        choose(w, 2, 2, 7);
        w.HighlightRelation();
        const QString fault = checkHighlight(w, 5);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        QCOMPARE(w.rtBox1->backColor(), 0x00FFF0F0u);
    }

    void overflowIsAnUnhandledError_data()
    {
        QTest::addColumn<int>("r1");
        QTest::addColumn<int>("r2");
        QTest::newRow("sum beyond 16 bits") << 32767 << 1;
        QTest::newRow("difference beyond 16 bits") << 32767 << -2;
        QTest::newRow("absolute difference beyond 16 bits") << -32768 << 0;
    }

    // Only values set past the lists can overflow; the error must not be swallowed or wrapped
    // round, but reach the window's handling of unhandled errors.
    void overflowIsAnUnhandledError()
    {
        QFETCH(int, r1);
        QFETCH(int, r2);
        QStringList reports;
        platform::setUnhandledErrorReporter([&](const QString &m) { reports << m; });
        LessonWindow w;
        w.Form_Load();
        w.cboPQ->setCurrentIndex(w.cboPQ->findText(QStringLiteral("3")));
        w.r1 = qint16(r1);
        w.r2 = qint16(r2);

        platform::runHandler([&w] { w.HighlightRelation(); });

        platform::setUnhandledErrorReporter([](const QString &m) { QFAIL(qPrintable(m)); });
        QCOMPARE(reports.size(), 1);
        QVERIFY2(reports.first().contains(QStringLiteral("Overflow")), qPrintable(reports.first()));
        // The handler stopped at the arithmetic: no box was marked.
        for (RichTextBox *box : ruleBoxes(w))
            QVERIFY(box->backColor() != kYellow);
    }
};

QTEST_MAIN(TestRelation)
#include "tst_relation.moc"
