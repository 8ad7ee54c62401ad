// The five-way decision against an independent account of how two circles lie, for every
// choice the lists offer; the highlight of the one rule that holds, or of none when the window's
// 16-bit arithmetic overflows; and the plain state the rules are written in.

#include "circlegeometry.h"

#include "platform/runtimeerror.h"
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

// The radii stored and the distance shown in its list, as the list handlers leave the window
// before they classify.
void setChoice(LessonWindow &w, int r1, int r2, const QString &shown)
{
    w.r1 = qint16(r1);
    w.r2 = qint16(r2);
    w.cboPQ->setEditText(shown);
}

// Empty when exactly rule `rule` is highlighted (none for 0) and the others are plain;
// otherwise what is wrong. The highlight's height is set in single precision, as boxes keep it.
QString checkHighlight(LessonWindow &w, int rule)
{
    for (int k = 1; k <= 5; ++k) {
        RichTextBox *box = ruleBoxes(w)[k - 1];
        const QString name = box->objectName();
        if (k == rule) {
            if (box->backColor() != kYellow || float(box->Height()) != 0.7f)
                return name + QStringLiteral(" is not yellow and 0.7 cm high");
            if (box->toolTipText() != w.rtfHighlight->Text())
                return name + QStringLiteral(" has the tooltip '%1'").arg(box->toolTipText());
            if (!box->accessibleDescription().contains(QLatin1String("holds")))
                return name + QStringLiteral(" does not tell a screen reader that it holds");
            if (box->SelStart() != 0 || box->SelLength() != 1 || box->SelText() != " ")
                return name + QStringLiteral(" has the selection '%1'").arg(box->SelText());
        } else if (box->backColor() != w.form->backColor()) {
            return name + QStringLiteral(" has the back colour %1").arg(box->backColor(), 0, 16);
        } else if (!box->toolTipText().isEmpty() || !box->accessibleDescription().isEmpty()) {
            return name + QStringLiteral(" still has a tooltip or says it holds");
        }
    }
    return {};
}

} // namespace

class TestRelation : public QObject
{
    Q_OBJECT

    QStringList m_reports; // unhandled run-time errors

private slots:
    void init()
    {
        m_reports.clear();
        platform::setUnhandledErrorReporter([this](const QString &m) { m_reports << m; });
    }

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
        QTest::addColumn<int>("earlier");   // a distance highlighted before, or -1
        QTest::addColumn<QString>("shown"); // what the distance list shows now
        QTest::addColumn<int>("pq");
        QTest::addColumn<int>("rule");
        QTest::newRow("touching from outside") << 3 << 2 << -1 << "5" << 5 << 1;
        QTest::newRow("touching from inside") << 3 << 2 << -1 << "1" << 1 << 2;
        QTest::newRow("intersecting") << 3 << 2 << -1 << "4" << 4 << 3;
        QTest::newRow("concentric, different sizes") << 3 << 2 << -1 << "0" << 0 << 4;
        QTest::newRow("apart") << 3 << 2 << -1 << "6" << 6 << 5;
        QTest::newRow("coinciding circles touch from inside") << 4 << 4 << -1 << "0" << 0 << 2;
        QTest::newRow("moves from intersecting to apart") << 3 << 2 << 4 << "9" << 9 << 5;
        QTest::newRow("the same choice twice") << 2 << 5 << 3 << "3" << 3 << 2;
        QTest::newRow("a typed number, not the stored one") << 3 << 2 << 9 << "5" << 5 << 1;
        QTest::newRow("a half goes to the even neighbour") << 3 << 2 << 9 << "4.5" << 4 << 3;
        QTest::newRow("no number reads as 0") << 3 << 2 << 9 << "far" << 0 << 4;
        QTest::newRow("beyond 16 bits is the farthest") << 3 << 2 << 9 << "99999" << 32767 << 5;
        // Values set past the lists overflow: reported as unhandled, not wrapped; no box marked.
        QTest::newRow("overflow of the sum") << 32767 << 1 << -1 << "3" << 3 << 0;
        QTest::newRow("overflow of the difference") << 32767 << -2 << -1 << "3" << 3 << 0;
        QTest::newRow("overflow of its size") << -32768 << 0 << -1 << "3" << 3 << 0;
    }

    void highlightMarksTheBoxOfTheRule()
    {
        QFETCH(int, r1);
        QFETCH(int, r2);
        QFETCH(int, earlier);
        QFETCH(QString, shown);
        QFETCH(int, pq);
        QFETCH(int, rule);
        LessonWindow w;
        w.Form_Load();
        QStringList rules;
        for (RichTextBox *box : ruleBoxes(w))
            rules << box->Text();
        const double designedHeight = w.rtBox1->Height();
        int earlierRule = 0;
        if (earlier >= 0) {
            earlierRule = circlegeometry::relation(r1, r2, earlier);
            setChoice(w, r1, r2, QString::number(earlier));
            w.HighlightRelation();
            QCOMPARE(checkHighlight(w, earlierRule), QString());
        }
        setChoice(w, r1, r2, shown);

        platform::runHandler([&w] { w.HighlightRelation(); });

        QCOMPARE(m_reports.size(), rule == 0 ? 1 : 0);
        QCOMPARE(m_reports.filter(QStringLiteral("Overflow")), m_reports);
        QCOMPARE(checkHighlight(w, rule), QString());
        QCOMPARE(w.PQ, qint16(pq));
        for (int k = 1; k <= 5; ++k) {
            RichTextBox *box = ruleBoxes(w)[k - 1];
            QCOMPARE(box->Text(), rules[k - 1]);
            // A box once highlighted keeps the lower height when it is plain again.
            if (k == earlierRule)
                QVERIFY(float(box->Height()) == 0.7f);
            else if (k != rule)
                QCOMPARE(box->Height(), designedHeight);
        }
    }

    // Rewriting makes every rule plain in the window's colour as it is now, with its subscripts
    // set again just as at start-up; a later highlight takes the note as it then reads.
    void rulesFollowTheWindowAsItIsNow()
    {
        LessonWindow w;
        w.Form_Load();
        const auto offsets = [&w] {
            QList<int> all;
            for (RichTextBox *box : ruleBoxes(w))
                for (int i = 0; i < box->Text().size(); ++i)
                    all << box->charOffsetAt(i);
            return all;
        };
        const QList<int> atStart = offsets();
        setChoice(w, 3, 2, QStringLiteral("4"));
        w.HighlightRelation();
        w.form->setBackColor(0x00E0E0E0);

        w.WriteConditionTexts();

        QCOMPARE(checkHighlight(w, 0), QString());
        QCOMPARE(w.rtBox1->backColor(), 0x00E0E0E0u);
        QVERIFY(float(w.rtBox3->Height()) == 0.7f);
        QCOMPARE(offsets(), atStart);

        w.form->setBackColor(0x00FFF0F0);
        w.rtfHighlight->setText(QStringLiteral("Another note"));
        setChoice(w, 2, 2, QStringLiteral("7"));
        w.HighlightRelation();
        QCOMPARE(checkHighlight(w, 5), QString());
        QCOMPARE(w.rtBox5->toolTipText(), QStringLiteral("Another note"));
    }
};

QTEST_MAIN(TestRelation)
#include "tst_relation.moc"
