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
// the one due first. Afterwards exactly one of the pair runs, so each style stays an interval.
void tickPair(platform::Timer *a, platform::Timer *b)
{
    QVERIFY2(a->Enabled() || b->Enabled(), "neither timer of the pair runs");
    platform::Timer *due = !b->Enabled()                              ? a
                           : !a->Enabled()                            ? b
                           : a->remainingTime() <= b->remainingTime() ? a
                                                                      : b;
    emit due->tick();
    QVERIFY(a->Enabled() != b->Enabled());
}

// Sets a list's shown text as a pick would, without running its selection handler.
void pick(platform::ComboBox *list, const QString &item)
{
    const int index = list->findText(item);
    QVERIFY2(index >= 0, qPrintable(item));
    list->setCurrentIndex(index);
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

    void nextAlternatesItsTwoStylesOneIntervalEach_data()
    {
        QTest::addColumn<QString>("start"); // how the cue is set going
        QTest::addColumn<QStringList>("styles");
        const QStringList redFirst{"red plain", "blue bold", "red plain", "blue bold", "red plain"};
        QTest::newRow("as the window loads") << "load" << redFirst;
        // The bare window switches Timer1 on while Timer2 runs; whichever ticks first, the pair
        // goes back to taking turns. When Timer2 hands over, Timer1 starts afresh instead of
        // ticking on its old schedule, which would wipe the blue at once.
        QTest::newRow("both running, Timer1 ticks first") << "Timer1" << redFirst;
        QTest::newRow("both running, Timer2 ticks first")
            << "Timer2"
            << QStringList{"blue bold", "red plain", "blue bold", "red plain", "blue bold"};
    }

    void nextAlternatesItsTwoStylesOneIntervalEach()
    {
        QFETCH(QString, start);
        QFETCH(QStringList, styles);
        LessonWindow w;
        w.Form_Load();
        QVERIFY(w.Timer1->Enabled() && !w.Timer2->Enabled());
        QStringList shown;
        if (start != QLatin1String("load")) {
            emit w.Timer1->tick(); // red; Timer2 takes over
            w.Form_MouseMove();
            QVERIFY(w.Timer1->Enabled() && w.Timer2->Enabled());
            const bool timer2 = start == QLatin1String("Timer2");
            if (timer2)
                QTRY_VERIFY_WITH_TIMEOUT(w.Timer1->remainingTime() < 300, 1000);
            emit(timer2 ? w.Timer2 : w.Timer1)->tick();
            QVERIFY(w.Timer1->Enabled() != w.Timer2->Enabled());
            if (timer2)
                QVERIFY2(w.Timer1->remainingTime() > 350,
                         qPrintable(QString::number(w.Timer1->remainingTime())));
            shown << nextStyle(w);
        }
        while (shown.size() < styles.size()) {
            tickPair(w.Timer1, w.Timer2);
            shown << nextStyle(w);
        }
        QCOMPARE(shown, styles);
    }

    void theListsCueAndHelpArrowFollowTheChoices_data()
    {
        QTest::addColumn<QString>("r1");
        QTest::addColumn<QString>("r2");
        QTest::addColumn<QString>("pq");
        QTest::addColumn<bool>("nextVisible");
        QTest::addColumn<QStringList>("waiting"); // the lists coloured by the cue
        QTest::addColumn<bool>("help");           // whether the lists' hover shows the arrow
        const auto row = [](const char *name, const char *r1, const char *r2, const char *pq,
                            bool nextVisible, const QStringList &waiting, bool help) {
            QTest::newRow(name) << QString::fromLatin1(r1) << QString::fromLatin1(r2)
                                << QString::fromLatin1(pq) << nextVisible << waiting << help;
        };
        // An empty text leaves the placeholder.
        row("nothing chosen: r1 waits", "", "", "", false, {"cboR1"}, false);
        row("r1 chosen: r2 waits", "3", "", "", false, {"cboR2"}, false);
        row("r1 and r2 chosen: PQ waits", "3", "2", "", false, {"cboPQ"}, false);
        row("all chosen, practice page: arrow", "2", "5", "7", false, {}, true);
        row("all chosen, Next offered: no arrow", "2", "5", "7", true, {}, false);
        // Each list looks only at the one before it; out of the lesson's order two can wait.
        row("r2 alone chosen: r1 and PQ wait", "", "2", "", false, {"cboR1", "cboPQ"}, false);
        row("r1 at its placeholder", "", "5", "7", false, {"cboR1"}, false);
        row("r2 at its placeholder", "2", "", "7", false, {"cboR2"}, false);
        // Only the design text with its leading blank is the placeholder.
        row("\"r1\" without the blank: r2 waits", "r1", "", "", false, {"cboR2"}, false);
        row("\"r1\" without the blank counts as chosen", "r1", "5", "7", false, {}, true);
    }

    void theListsCueAndHelpArrowFollowTheChoices()
    {
        QFETCH(QString, r1);
        QFETCH(QString, r2);
        QFETCH(QString, pq);
        QFETCH(bool, nextVisible);
        QFETCH(QStringList, waiting);
        QFETCH(bool, help);
        LessonWindow w;
        w.Form_Load();
        if (r1 == QLatin1String("r1"))
            w.cboR1->setEditText(r1); // typed
        else if (!r1.isEmpty())
            pick(w.cboR1, r1);
        if (!r2.isEmpty())
            pick(w.cboR2, r2);
        if (!pq.isEmpty())
            pick(w.cboPQ, pq);
        w.lblNext->setVisible(nextVisible);

        w.Timer5->setEnabled(true);
        for (quint32 colour : {kMagenta, kCyan, kMagenta}) {
            tickPair(w.Timer5, w.Timer6);
            for (platform::ComboBox *list : {w.cboR1, w.cboR2, w.cboPQ}) {
                const quint32 expected = waiting.contains(list->objectName()) ? colour : kUntouched;
                QCOMPARE(list->backColor(), expected);
            }
        }

        QVERIFY(!w.frameHelp->isVisibleTo(w.form));
        w.lblCombo_MouseMove();
        QCOMPARE(w.frameHelp->isVisibleTo(w.form), help);
        // The lists' hover never hides the arrow; only the bare window does.
        w.frameHelp->setVisible(true);
        w.lblCombo_MouseMove();
        QVERIFY(w.frameHelp->isVisibleTo(w.form));
    }

    void hoverColoursTheButtonsAndPausesNext_data()
    {
        QTest::addColumn<QString>("then"); // what the mouse crosses after Next
        QTest::addColumn<bool>("resumed");
        QTest::addColumn<quint32>("backAndHome");
        QTest::addColumn<quint32>("print");
        QTest::addColumn<bool>("helpShown");
        QTest::newRow("Back keeps Next paused") << "lblBack" << false << kRed << kRed << true;
        QTest::newRow("Home keeps it paused") << "lblHome" << false << kRed << kRed << true;
        QTest::newRow("Print keeps it paused") << "lblPrint" << false << kRed << kRed << true;
        QTest::newRow("the lists keep it paused") << "lblCombo" << false << kRed << kRed << true;
        QTest::newRow("Next again keeps it paused") << "lblNext" << false << kRed << kRed << true;
        QTest::newRow("the bare window: all blue, help hidden, Next resumes")
            << "Form" << true << kBlue << kBlue << false;
        QTest::newRow("the message box: Print stays red, help stays, Next resumes")
            << "rtfSelect" << true << kBlue << kRed << true;
    }

    void hoverColoursTheButtonsAndPausesNext()
    {
        QFETCH(QString, then);
        QFETCH(bool, resumed);
        QFETCH(quint32, backAndHome);
        QFETCH(quint32, print);
        QFETCH(bool, helpShown);
        LessonWindow w;
        w.Form_Load();
        emit w.Timer1->tick();
        emit w.Timer2->tick(); // blue and bold, Timer1 due next
        w.lblBack_MouseMove();
        w.lblHome_MouseMove();
        w.lblPrint_MouseMove();
        w.lblNext_MouseMove();
        QCOMPARE(nextStyle(w), QStringLiteral("red plain"));
        QVERIFY(!w.Timer1->Enabled() && !w.Timer2->Enabled());
        w.frameHelp->setVisible(true);

        const QHash<QString, void (LessonWindow::*)()> hover{
            {"lblBack", &LessonWindow::lblBack_MouseMove},
            {"lblHome", &LessonWindow::lblHome_MouseMove},
            {"lblPrint", &LessonWindow::lblPrint_MouseMove},
            {"lblCombo", &LessonWindow::lblCombo_MouseMove},
            {"lblNext", &LessonWindow::lblNext_MouseMove},
            {"Form", &LessonWindow::Form_MouseMove},
            {"rtfSelect", &LessonWindow::rtfSelect_MouseMove}};
        (w.*hover.value(then))();
        QCOMPARE(w.lblBack->foreColor(), backAndHome);
        QCOMPARE(w.lblHome->foreColor(), backAndHome);
        QCOMPARE(w.lblPrint->foreColor(), print);
        QCOMPARE(w.frameHelp->isVisibleTo(w.form), helpShown);
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
        QTest::newRow("through the stroke of the border Shape1") << px(480 + 20, 5000) << "Form";
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

        // Start from a point of the bare window, then move to the point.
        QTest::mouseMove(w.form,
                         QPoint(platform::twipsToPixels(900), platform::twipsToPixels(10300)));
        QTRY_VERIFY(bare.count() > 0);
        bare.clear();

        QTest::mouseMove(w.form, at);
        QTest::mouseMove(w.form, at + QPoint(1, 0));
        if (!handler.isEmpty())
            QTRY_VERIFY(spies.value(handler)->count() > 0);
        for (auto it = spies.cbegin(); it != spies.cend(); ++it)
            QCOMPARE(it.value()->count() > 0, it.key() == handler);
    }
};

QTEST_MAIN(TestCues)
#include "tst_cues.moc"
