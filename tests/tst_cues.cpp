// The attention cues: the blinking of Next and of the list that waits for a choice, and the
// hover feedback of the label buttons and the help arrow. Ticks are driven one at a time through
// the timers' own tick signals, so no test waits for a real interval.

#include "platform/colour.h"
#include "platform/runtimeerror.h"
#include "platform/twips.h"
#include "window/lessonwindow.h"

#include <QSignalSpy>
#include <QTest>

namespace {

constexpr quint32 kRed = 0x000000FF;
constexpr quint32 kBlue = 0x00FF0000;
constexpr quint32 kMagenta = 0x00FF00FF;
constexpr quint32 kCyan = 0x00FFFF00;
constexpr quint32 kUntouched = platform::kSystemWindowBackground;

// The style "Next" shows: its colour and whether it is bold.
QString nextStyle(LessonWindow &w)
{
    const quint32 colour = w.lblNext->foreColor();
    const QString name = colour == kRed    ? QStringLiteral("red")
                         : colour == kBlue ? QStringLiteral("blue")
                                           : QString::number(colour, 16);
    return name + (w.lblNext->font().bold() ? QStringLiteral(" bold") : QStringLiteral(" plain"));
}

// One tick of a pair, as the event loop would deliver it: the running timer ticks; if both run,
// the one due first.
void tickPair(platform::Timer *a, platform::Timer *b)
{
    QVERIFY2(a->Enabled() || b->Enabled(), "neither timer of the pair runs");
    platform::Timer *due = !b->Enabled()                              ? a
                           : !a->Enabled()                            ? b
                           : a->remainingTime() <= b->remainingTime() ? a
                                                                      : b;
    emit due->tick();
}

// Sets a list's shown text as a pick would, without running its selection handler.
void pick(platform::ComboBox *list, const QString &item)
{
    const int index = list->findText(item);
    QVERIFY2(index >= 0, qPrintable(item));
    list->setCurrentIndex(index);
}

// Shows the given texts in the three lists; an empty text leaves the placeholder, and "typed r1"
// stands for "r1" typed into cboR1 without the placeholder's leading blank.
void chooseLists(LessonWindow &w, const QString &r1, const QString &r2, const QString &pq)
{
    if (r1 == QLatin1String("typed r1"))
        w.cboR1->setEditText(QStringLiteral("r1"));
    else if (!r1.isEmpty())
        pick(w.cboR1, r1);
    if (!r2.isEmpty())
        pick(w.cboR2, r2);
    if (!pq.isEmpty())
        pick(w.cboPQ, pq);
}

} // namespace

class TestCues : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        // An error escaping a handler must fail the test, not end the test program.
        platform::setUnhandledErrorReporter(
            [](const QString &message) { QFAIL(qPrintable(message)); });
    }

    void nextAlternatesItsTwoStylesOneIntervalEach()
    {
        LessonWindow w;
        w.Form_Load();
        QVERIFY(w.Timer1->Enabled());
        QVERIFY(!w.Timer2->Enabled());

        QStringList styles;
        for (int i = 0; i < 6; ++i) {
            tickPair(w.Timer1, w.Timer2);
            styles << nextStyle(w);
            // One timer of the pair runs at a time, so the next tick is a whole interval away.
            QVERIFY(w.Timer1->Enabled() != w.Timer2->Enabled());
        }
        QCOMPARE(styles, QStringList({"red plain", "blue bold", "red plain", "blue bold",
                                      "red plain", "blue bold"}));
    }

    void startingTimer1WhileTimer2RunsStillAlternates_data()
    {
        QTest::addColumn<bool>("timer1First");
        QTest::newRow("Timer1 ticks first") << true;
        QTest::newRow("Timer2 ticks first") << false;
    }

    void startingTimer1WhileTimer2RunsStillAlternates()
    {
        QFETCH(bool, timer1First);
        LessonWindow w;
        w.Form_Load();
        emit w.Timer1->tick(); // red; Timer2 takes over
        w.Form_MouseMove();    // the bare window switches Timer1 on as well
        QVERIFY(w.Timer1->Enabled() && w.Timer2->Enabled());

        emit(timer1First ? w.Timer1 : w.Timer2)->tick();
        QVERIFY(w.Timer1->Enabled() != w.Timer2->Enabled());
        QStringList styles{nextStyle(w)};
        for (int i = 0; i < 4; ++i) {
            tickPair(w.Timer1, w.Timer2);
            styles << nextStyle(w);
        }
        const QStringList redFirst{"red plain", "blue bold", "red plain", "blue bold", "red plain"};
        const QStringList blueFirst{"blue bold", "red plain", "blue bold", "red plain",
                                    "blue bold"};
        QCOMPARE(styles, timer1First ? redFirst : blueFirst);
    }

    void aHandOverGivesThePartnerAWholeInterval()
    {
        // The bare window switches Timer1 on with every movement of the mouse. When Timer2 then
        // hands over, Timer1 starts afresh instead of ticking on its old schedule, which would
        // wipe the blue at once.
        LessonWindow w;
        w.Form_Load();
        emit w.Timer1->tick();
        w.Form_MouseMove();
        QTRY_VERIFY_WITH_TIMEOUT(w.Timer1->remainingTime() < 300, 1000);
        emit w.Timer2->tick();
        QCOMPARE(nextStyle(w), QStringLiteral("blue bold"));
        QVERIFY(!w.Timer2->Enabled());
        QVERIFY2(w.Timer1->remainingTime() > 350,
                 qPrintable(QString::number(w.Timer1->remainingTime())));
    }

    void theWaitingListFlickersMagentaAndCyan_data()
    {
        QTest::addColumn<QString>("r1");
        QTest::addColumn<QString>("r2");
        QTest::addColumn<QString>("pq");
        QTest::addColumn<QStringList>("waiting");
        const auto row = [](const char *name, const char *r1, const char *r2, const char *pq,
                            const QStringList &waiting) {
            QTest::newRow(name) << QString::fromLatin1(r1) << QString::fromLatin1(r2)
                                << QString::fromLatin1(pq) << waiting;
        };
        row("nothing chosen: r1 waits", "", "", "", {"cboR1"});
        row("r1 chosen: r2 waits", "3", "", "", {"cboR2"});
        row("r1 and r2 chosen: PQ waits", "3", "2", "", {"cboPQ"});
        row("all chosen: none waits", "3", "2", "4", {});
        // Each list looks only at the one before it; out of the lesson's order two can wait.
        row("r2 alone chosen: r1 and PQ wait", "", "2", "", {"cboR1", "cboPQ"});
        // Only the design text with its leading blank is the placeholder.
        row("\"r1\" without the blank: r2 waits", "typed r1", "", "", {"cboR2"});
    }

    void theWaitingListFlickersMagentaAndCyan()
    {
        QFETCH(QString, r1);
        QFETCH(QString, r2);
        QFETCH(QString, pq);
        QFETCH(QStringList, waiting);
        LessonWindow w;
        w.Form_Load();
        chooseLists(w, r1, r2, pq);

        w.Timer5->setEnabled(true);
        for (quint32 colour : {kMagenta, kCyan, kMagenta}) {
            tickPair(w.Timer5, w.Timer6);
            for (platform::ComboBox *list : {w.cboR1, w.cboR2, w.cboPQ}) {
                const quint32 expected = waiting.contains(list->objectName()) ? colour : kUntouched;
                QCOMPARE(list->backColor(), expected);
            }
            QVERIFY(w.Timer5->Enabled() != w.Timer6->Enabled());
        }
    }

    void hoveringNextPausesItsCue_data()
    {
        QTest::addColumn<QString>("then");
        QTest::addColumn<bool>("resumed");
        QTest::newRow("Back keeps it paused") << "lblBack" << false;
        QTest::newRow("Home keeps it paused") << "lblHome" << false;
        QTest::newRow("Print keeps it paused") << "lblPrint" << false;
        QTest::newRow("the lists keep it paused") << "lblCombo" << false;
        QTest::newRow("Next again keeps it paused") << "lblNext" << false;
        QTest::newRow("the bare window resumes it") << "Form" << true;
        QTest::newRow("the message box resumes it") << "rtfSelect" << true;
    }

    void hoveringNextPausesItsCue()
    {
        QFETCH(QString, then);
        QFETCH(bool, resumed);
        LessonWindow w;
        w.Form_Load();
        emit w.Timer1->tick();
        emit w.Timer2->tick(); // blue and bold, Timer1 due next
        w.lblNext_MouseMove();
        QCOMPARE(nextStyle(w), QStringLiteral("red plain"));
        QVERIFY(!w.Timer1->Enabled() && !w.Timer2->Enabled());

        const QHash<QString, void (LessonWindow::*)()> hover{
            {"lblBack", &LessonWindow::lblBack_MouseMove},
            {"lblHome", &LessonWindow::lblHome_MouseMove},
            {"lblPrint", &LessonWindow::lblPrint_MouseMove},
            {"lblCombo", &LessonWindow::lblCombo_MouseMove},
            {"lblNext", &LessonWindow::lblNext_MouseMove},
            {"Form", &LessonWindow::Form_MouseMove},
            {"rtfSelect", &LessonWindow::rtfSelect_MouseMove}};
        (w.*hover.value(then))();
        QCOMPARE(nextStyle(w), QStringLiteral("red plain")); // no hover sets Next's colour back
        QCOMPARE(w.Timer1->Enabled(), resumed);
        QVERIFY(!w.Timer2->Enabled());
        if (resumed) {
            QStringList styles;
            for (int i = 0; i < 3; ++i) {
                tickPair(w.Timer1, w.Timer2);
                styles << nextStyle(w);
            }
            QCOMPARE(styles, QStringList({"red plain", "blue bold", "red plain"}));
        }
    }

    void theBareWindowAndTheMessageBoxSetTheButtonsBack_data()
    {
        QTest::addColumn<bool>("bareWindow");
        QTest::addColumn<quint32>("print");
        QTest::addColumn<bool>("helpShown");
        QTest::newRow("bare window: all blue, help hidden") << true << kBlue << false;
        QTest::newRow("message box: Print stays red, help stays") << false << kRed << true;
    }

    void theBareWindowAndTheMessageBoxSetTheButtonsBack()
    {
        QFETCH(bool, bareWindow);
        QFETCH(quint32, print);
        QFETCH(bool, helpShown);
        LessonWindow w;
        w.Form_Load();
        w.lblNext_MouseMove();
        w.lblBack_MouseMove();
        w.lblHome_MouseMove();
        w.lblPrint_MouseMove();
        for (platform::Label *button : {w.lblNext, w.lblBack, w.lblHome, w.lblPrint})
            QCOMPARE(button->foreColor(), kRed);
        w.frameHelp->setVisible(true);

        if (bareWindow)
            w.Form_MouseMove();
        else
            w.rtfSelect_MouseMove();
        QCOMPARE(w.lblBack->foreColor(), kBlue);
        QCOMPARE(w.lblHome->foreColor(), kBlue);
        QCOMPARE(w.lblPrint->foreColor(), print);
        QCOMPARE(w.lblNext->foreColor(), kRed); // left to its cue
        QCOMPARE(w.frameHelp->isVisibleTo(w.form), helpShown);
        QVERIFY(w.Timer1->Enabled());
    }

    void theHelpArrowNeedsAllThreeListsAndNoNext_data()
    {
        QTest::addColumn<QString>("r1");
        QTest::addColumn<QString>("r2");
        QTest::addColumn<QString>("pq");
        QTest::addColumn<bool>("nextVisible");
        QTest::addColumn<bool>("shown");
        const auto row = [](const char *name, const char *r1, const char *r2, const char *pq,
                            bool nextVisible, bool shown) {
            QTest::newRow(name) << QString::fromLatin1(r1) << QString::fromLatin1(r2)
                                << QString::fromLatin1(pq) << nextVisible << shown;
        };
        row("all chosen, practice page", "2", "5", "7", false, true);
        row("all chosen, Next offered", "2", "5", "7", true, false);
        row("r1 at its placeholder", "", "5", "7", false, false);
        row("r2 at its placeholder", "2", "", "7", false, false);
        row("PQ at its placeholder", "2", "5", "", false, false);
        row("nothing chosen", "", "", "", false, false);
        row("\"r1\" without the blank counts as chosen", "typed r1", "5", "7", false, true);
    }

    void theHelpArrowNeedsAllThreeListsAndNoNext()
    {
        QFETCH(QString, r1);
        QFETCH(QString, r2);
        QFETCH(QString, pq);
        QFETCH(bool, nextVisible);
        QFETCH(bool, shown);
        LessonWindow w;
        w.Form_Load();
        chooseLists(w, r1, r2, pq);
        w.lblNext->setVisible(nextVisible);
        QVERIFY(!w.frameHelp->isVisibleTo(w.form));

        w.lblCombo_MouseMove();
        QCOMPARE(w.frameHelp->isVisibleTo(w.form), shown);
        // The lists' hover never hides the arrow; only the bare window does.
        w.frameHelp->setVisible(true);
        w.lblCombo_MouseMove();
        QVERIFY(w.frameHelp->isVisibleTo(w.form));
    }

    void theWindowsOwnHandlerRunsOnlyOverTheBareSurface_data()
    {
        QTest::addColumn<QPoint>("at"); // in pixels of the client area
        QTest::addColumn<QString>("handler");
        using platform::twipsToPixels;
        const auto px = [](double xTwips, double yTwips) {
            return QPoint(twipsToPixels(xTwips), twipsToPixels(yTwips));
        };
        QTest::newRow("bare window") << px(900, 9900) << "Form";
        QTest::newRow("bare window inside the border") << px(1200, 3000) << "Form";
        // The border shapes are outlines: the mouse passes through their strokes.
        QTest::newRow("stroke of Shape1") << px(480 + 20, 5000) << "Form";
        QTest::newRow("stroke of Shape3") << px(365, 5000) << "Form";
        QTest::newRow("Home") << px(14280 + 240, 120 + 120) << "lblHome";
        QTest::newRow("Next, in front of Back") << px(13440 + 240, 120 + 120) << "lblNext";
        QTest::newRow("message box") << px(5000, 200) << "rtfSelect";
        // A control without a handler of its own still keeps the window's handler away.
        QTest::newRow("a rule box") << px(3000, 3720 + 200) << "";
        QTest::newRow("a label without handler") << px(3000, 3120 + 180) << "";
    }

    void theWindowsOwnHandlerRunsOnlyOverTheBareSurface()
    {
        QFETCH(QPoint, at);
        QFETCH(QString, handler);
        LessonWindow w;
        w.Form_Load();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(w.form));

        QSignalSpy bare(w.form, &platform::Form::mouseMoved);
        QSignalSpy home(w.lblHome, &platform::Label::mouseMoved);
        QSignalSpy next(w.lblNext, &platform::Label::mouseMoved);
        QSignalSpy select(w.rtfSelect, &platform::RichTextBox::mouseMoved);
        const QHash<QString, QSignalSpy *> spies{
            {"Form", &bare}, {"lblHome", &home}, {"lblNext", &next}, {"rtfSelect", &select}};

        // Start from a point of the bare window, clear the effects, then move to the point.
        QTest::mouseMove(w.form,
                         QPoint(platform::twipsToPixels(900), platform::twipsToPixels(10300)));
        QTRY_VERIFY(bare.count() > 0);
        bare.clear();
        w.frameHelp->setVisible(true);
        w.lblHome->setForeColor(kRed);

        QTest::mouseMove(w.form, at);
        QTest::mouseMove(w.form, at + QPoint(1, 0));
        if (!handler.isEmpty())
            QTRY_VERIFY(spies.value(handler)->count() > 0);
        for (auto it = spies.cbegin(); it != spies.cend(); ++it)
            QCOMPARE(it.value()->count() > 0, it.key() == handler);
        // What the pupil sees: only the bare window hides the arrow and sets Home back to blue.
        const bool bareRan = handler == QLatin1String("Form");
        QCOMPARE(w.frameHelp->isVisibleTo(w.form), !bareRan);
        QCOMPARE(w.lblHome->foreColor(),
                 bareRan || handler == QLatin1String("rtfSelect") ? kBlue : kRed);
    }
};

QTEST_MAIN(TestCues)
#include "tst_cues.moc"
