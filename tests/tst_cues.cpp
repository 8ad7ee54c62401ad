// The cues that draw the pupil's eye: Next flickering, the list that waits for a choice
// flickering, the buttons turning red under the pointer and blue again, and the help arrow.

#include "pupil.h"

#include "cues/blinkingcue.h"
#include "platform/choicelist.h"
#include "platform/labelbutton.h"

#include <QTest>

namespace {

struct Style
{
    QColor colour;
    bool bold;
    bool operator==(const Style &) const = default;
};

Style nextStyle(Pupil &pupil)
{
    auto *next = pupil.control<LabelButton>("lblNext");
    return {next->textColour(), next->font().bold()};
}

QColor colourOf(Pupil &pupil, const char *button)
{
    return pupil.control<LabelButton>(button)->textColour();
}

} // namespace

class CuesTest : public QObject
{
    Q_OBJECT

private slots:
    void nextFlickersUntilThePupilPointsAtIt()
    {
        Pupil pupil;
        for (const char *cue : {"nextCue", "listCue"})
            QCOMPARE(pupil.window().findChild<BlinkingCue *>(QString::fromLatin1(cue))->beat(),
                     400);
        pupil.tickNextCue();
        QCOMPARE(nextStyle(pupil), (Style{seen::red, false}));
        pupil.tickNextCue();
        QCOMPARE(nextStyle(pupil), (Style{seen::blue, true}));
        pupil.tickNextCue();
        QCOMPARE(nextStyle(pupil), (Style{seen::red, false}));

        // Pointing at it while its blue half is due stops both halves at once.
        pupil.point("lblNext");
        QCOMPARE(nextStyle(pupil), (Style{seen::red, false}));
        QVERIFY(!pupil.nextCueBlinking());
        pupil.point("lblHome");
        QVERIFY(!pupil.nextCueBlinking());
        pupil.point("rtfSelect");
        QVERIFY(pupil.nextCueBlinking());
        pupil.point("lblNext");
        pupil.pointAtBareWindow();
        QVERIFY(pupil.nextCueBlinking());
        pupil.tickNextCue();
        QCOMPARE(nextStyle(pupil), (Style{seen::red, false}));
    }

    void theWaitingListFlickersOneAtATime()
    {
        Pupil pupil;
        QVERIFY(!pupil.listCueBlinking());
        pupil.next();
        const char *const lists[] = {"cboR1", "cboR2", "cboPQ"};
        const auto backgrounds = [&] {
            QList<QColor> colours;
            for (const char *list : lists)
                colours.append(pupil.list(list)->background());
            return colours;
        };
        const QColor plain = pupil.list("cboR2")->background();
        pupil.tickListCue();
        QCOMPARE(backgrounds(), (QList<QColor>{seen::magenta, plain, plain}));
        pupil.tickListCue();
        QCOMPARE(backgrounds(), (QList<QColor>{seen::cyan, plain, plain}));
        pupil.pick("cboR1", 2);
        QCOMPARE(backgrounds(), (QList<QColor>{seen::paleGreen, plain, plain}));
        pupil.tickListCue();
        pupil.tickListCue();
        QCOMPARE(backgrounds(), (QList<QColor>{seen::paleGreen, seen::cyan, plain}));
        pupil.pick("cboR2", 2);
        pupil.tickListCue();
        QCOMPARE(backgrounds()[2], seen::magenta);
        pupil.pick("cboPQ", 2);
        QVERIFY(!pupil.listCueBlinking());
        QCOMPARE(backgrounds(), (QList<QColor>{seen::paleGreen, seen::paleGreen, seen::paleGreen}));
        // Next starts it again; Back leaves it alone.
        pupil.back();
        pupil.next();
        QVERIFY(pupil.listCueBlinking());
    }

    void buttonsTurnRedUnderThePointer()
    {
        Pupil pupil;
        pupil.next();
        pupil.choose(3, 2, 4);
        for (const char *button : {"lblBack", "lblHome", "lblPrint"}) {
            pupil.point(button);
            QCOMPARE(colourOf(pupil, button), seen::red);
        }
        // The message line calms Back and Home but not Print, and leaves the help arrow out.
        pupil.point("lblCombo", QPoint(5, pupil.control("lblCombo")->height() - 3));
        QVERIFY(pupil.shows("frameHelp"));
        pupil.point("rtfSelect");
        QCOMPARE(colourOf(pupil, "lblBack"), seen::blue);
        QCOMPARE(colourOf(pupil, "lblHome"), seen::blue);
        QCOMPARE(colourOf(pupil, "lblPrint"), seen::red);
        QVERIFY(pupil.shows("frameHelp"));
        pupil.pointAtBareWindow();
        QCOMPARE(colourOf(pupil, "lblPrint"), seen::blue);
        QVERIFY(!pupil.shows("frameHelp"));
    }

    void theHelpArrowComesOutNearCompleteLists_data()
    {
        QTest::addColumn<QList<int>>("picked");
        QTest::addColumn<bool>("backFirst");
        QTest::addColumn<bool>("shown");
        QTest::newRow("nothing chosen") << QList<int>{} << false << false;
        QTest::newRow("no distance yet") << QList<int>{3, 2} << false << false;
        QTest::newRow("all three chosen") << QList<int>{3, 2, 4} << false << true;
        QTest::newRow("on the introduction") << QList<int>{3, 2, 4} << true << false;
    }
    void theHelpArrowComesOutNearCompleteLists()
    {
        QFETCH(QList<int>, picked);
        QFETCH(bool, backFirst);
        QFETCH(bool, shown);
        Pupil pupil;
        pupil.next();
        const char *const lists[] = {"cboR1", "cboR2", "cboPQ"};
        for (int i = 0; i < picked.size(); ++i)
            pupil.pick(lists[i], picked[i]);
        pupil.pointAtBareWindow();
        if (backFirst)
            pupil.back();
        pupil.point("lblCombo", QPoint(5, pupil.control("lblCombo")->height() - 3));
        QCOMPARE(pupil.shows("frameHelp"), shown);
    }
};

QTEST_MAIN(CuesTest)
#include "tst_cues.moc"
