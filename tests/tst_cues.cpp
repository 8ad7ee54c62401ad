// The cues that draw the pupil's eye: Next flickering, the list that waits for a choice
// flickering, the buttons turning red under the pointer and blue again, and the help arrow.

#include "pupil.h"

#include "platform/labelbutton.h"

class CuesTest : public QObject
{
    Q_OBJECT

private slots:
    void nextFlickersUntilThePupilPointsAtIt()
    {
        Pupil pupil;
        QVERIFY(pupil.blinking("nextCue"));
        QCOMPARE(pupil.control<BlinkingCue>("nextCue")->beat(), 400);
        auto *next = pupil.control<LabelButton>("lblNext");
        const auto style = [next] { return std::pair(next->textColour(), next->font().bold()); };
        const auto redThin = std::pair(seen::red, false), blueBold = std::pair(seen::blue, true);
        pupil.tick("nextCue");
        QCOMPARE(style(), redThin);
        pupil.tick("nextCue");
        QCOMPARE(style(), blueBold);
        pupil.tick("nextCue");
        QCOMPARE(style(), redThin);

        // Pointing at it while its blue half is due stops both halves at once.
        pupil.point("lblNext");
        QCOMPARE(style(), redThin);
        QVERIFY(!pupil.blinking("nextCue"));
        pupil.point("lblHome");
        QVERIFY(!pupil.blinking("nextCue"));
        pupil.point("rtfSelect");
        QVERIFY(pupil.blinking("nextCue"));
        pupil.point("lblNext");
        pupil.pointAtBareWindow();
        QVERIFY(pupil.blinking("nextCue"));
        pupil.tick("nextCue");
        QCOMPARE(style(), redThin);
    }

    void theWaitingListFlickersOneAtATime()
    {
        Pupil pupil;
        QVERIFY(!pupil.blinking("listCue"));
        pupil.next();
        const auto backgrounds = [&] {
            QList<QColor> colours;
            for (const char *list : kLists)
                colours.append(pupil.list(list)->background());
            return colours;
        };
        const QColor plain = pupil.list("cboR2")->background();
        pupil.tick("listCue");
        QCOMPARE(backgrounds(), (QList<QColor>{seen::magenta, plain, plain}));
        pupil.tick("listCue");
        QCOMPARE(backgrounds(), (QList<QColor>{seen::cyan, plain, plain}));
        pupil.pick("cboR1", 2);
        QCOMPARE(backgrounds(), (QList<QColor>{seen::paleGreen, plain, plain}));
        pupil.tick("listCue");
        pupil.tick("listCue");
        QCOMPARE(backgrounds(), (QList<QColor>{seen::paleGreen, seen::cyan, plain}));
        pupil.pick("cboR2", 2);
        pupil.tick("listCue");
        QCOMPARE(backgrounds()[2], seen::magenta);
        pupil.pick("cboPQ", 2);
        QVERIFY(!pupil.blinking("listCue"));
        QCOMPARE(backgrounds(), (QList<QColor>{seen::paleGreen, seen::paleGreen, seen::paleGreen}));
        // Next starts it again; Back leaves it alone.
        pupil.back();
        pupil.next();
        QVERIFY(pupil.blinking("listCue"));
    }

    // The help arrow comes out near the lists only once all three are chosen; the message line
    // calms Back and Home but not Print, and leaves the arrow out; the bare window calms all.
    void theButtonsAndTheHelpArrowAnswerThePointer()
    {
        Pupil pupil;
        const auto colourOf = [&](const char *button) {
            return pupil.control<LabelButton>(button)->textColour();
        };
        pupil.practise({3, 2});
        pupil.pointNearLists();
        QVERIFY(!pupil.shows("frameHelp"));
        pupil.pick("cboPQ", 4);
        for (const char *button : {"lblBack", "lblHome", "lblPrint"}) {
            pupil.point(button);
            QCOMPARE(colourOf(button), seen::red);
        }
        pupil.pointNearLists();
        QVERIFY(pupil.shows("frameHelp"));
        pupil.point("rtfSelect");
        QCOMPARE(colourOf("lblBack"), seen::blue);
        QCOMPARE(colourOf("lblHome"), seen::blue);
        QCOMPARE(colourOf("lblPrint"), seen::red);
        QVERIFY(pupil.shows("frameHelp"));
        pupil.pointAtBareWindow();
        QCOMPARE(colourOf("lblPrint"), seen::blue);
        QVERIFY(!pupil.shows("frameHelp"));
        pupil.back();
        pupil.pointNearLists();
        QVERIFY(!pupil.shows("frameHelp"));
    }
};

QTEST_MAIN(CuesTest)
#include "tst_cues.moc"
