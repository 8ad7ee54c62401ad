// The lesson window as designed: controls in place, stacking, the rich-text box's selection
// operations and the two formatting rules, the persistent surface and the lists' behaviour.

#include "platform/colour.h"
#include "platform/program.h"
#include "platform/runtimeerror.h"
#include "platform/twips.h"
#include "window/lessonwindow.h"
#include "window/richtextrules.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QLineEdit>
#include <QPaintEvent>
#include <QRegion>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <limits>

using platform::pixelRect;
using platform::RichTextBox;
using platform::TwipsRect;

// Collects the areas of the window that are painted.
class PaintRecorder : public QObject
{
public:
    PaintRecorder(QWidget *widget, QRegion *painted) : m_painted(painted)
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            *m_painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }

private:
    QRegion *m_painted;
};

class TestWindow : public QObject
{
    Q_OBJECT

private:
    static QWidget *control(LessonWindow &w, const QString &name)
    {
        return w.form->findChild<QWidget *>(name);
    }

    // The widget a pupil reaches at a point of the client area.
    static QWidget *widgetAt(LessonWindow &w, QPoint at)
    {
        QWidget *child = w.form->childAt(at);
        return child ? child : w.form;
    }

    static bool belongsTo(QWidget *widget, QWidget *control)
    {
        for (; widget; widget = widget->parentWidget())
            if (widget == control)
                return true;
        return false;
    }

private slots:
    void windowHasDesignedCaptionAndClientArea()
    {
        LessonWindow w;
        QCOMPARE(w.form->windowTitle(),
                 QStringLiteral("Chapter 4:  Relative Positions of Two Circles in a Plane."));
        QCOMPARE(w.form->size(), QSize(1018, 736));
        QCOMPARE(w.form->minimumSize(), w.form->maximumSize());
        QCOMPARE(w.form->backColor(), 0x00DCFFD5u);
    }

    void controlsStartAsDesigned_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("top");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<bool>("enabled");
        const auto row = [](const char *name, double l, double t, double wd, double h, bool vis,
                            bool en = true) {
            QTest::newRow(name) << QString::fromLatin1(name) << l << t << wd << h << vis << en;
        };
        row("frameHelp", 8040, 720, 3615, 1335, false);
        row("lblHelp", 120, 240, 3255, 735, true);
        row("cboPQ", 13230, 1080, 735, 420, false, false);
        row("cboR2", 12510, 1080, 615, 420, false, false);
        row("cboR1", 11730, 1080, 690, 420, false, true);
        row("rtBox3", 2580, 5160, 9240, 405, true);
        row("rtfSuppose2", 2280, 2400, 11595, 375, true);
        row("rtfSuppose1", 2280, 1920, 8730, 375, true);
        row("rtfHighlight", 1680, 7920, 11640, 495, true);
        row("rtBox4", 2580, 5865, 11820, 405, true);
        row("rtBox5", 2580, 6600, 10800, 405, true);
        row("rtBox2", 2580, 4440, 7800, 405, true);
        row("rtBox1", 2580, 3720, 7680, 405, true);
        row("rtfSelect", 2280, 0, 10200, 435, false);
        row("cmdHome", 10920, 7980, 615, 240, true);
        row("lblPossibility", 2280, 3120, 9495, 375, true);
        row("Shape3", 360, 480, 14550, 10230, true);
        row("lblPrint", 12600, 120, 495, 255, false);
        row("lblCombo", 11640, 1080, 2415, 615, true);
        row("lblPQ", 1680, 60, 10215, 435, true);
        row("lblNext", 13440, 120, 495, 255, true);
        row("lblBack", 13440, 120, 495, 255, true);
        row("lblHome", 14280, 120, 495, 255, true);
        row("lblR22", 12735, 870, 90, 165, false);
        row("lblR11", 12015, 885, 90, 165, false);
        row("lblPQ1", 13365, 795, 375, 255, false);
        row("lblR2", 12630, 720, 105, 255, false);
        row("lblR1", 11955, 720, 75, 255, false);
        row("lblRelative", 1800, 840, 9735, 495, true);
        row("Shape2", 540, 660, 14160, 9840, true);
        row("Shape1", 480, 600, 14295, 9975, true);
    }

    void controlsStartAsDesigned()
    {
        QFETCH(QString, name);
        QFETCH(double, left);
        QFETCH(double, top);
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(bool, visible);
        QFETCH(bool, enabled);
        LessonWindow w;
        QWidget *widget = control(w, name);
        QVERIFY2(widget, qPrintable(name));
        QCOMPARE(widget->geometry(), pixelRect(TwipsRect{left, top, width, height}));
        QCOMPARE(!widget->isHidden(), visible);
        QCOMPARE(widget->isEnabled(), enabled);
    }

    void everyTextFitsItsBoxAfterLoad()
    {
        // Nothing a pupil must read may be cut off at a box's right edge.
        LessonWindow w;
        w.Form_Load();
        w.show();
        for (RichTextBox *box : {w.rtBox1, w.rtBox2, w.rtBox3, w.rtBox4, w.rtBox5, w.rtfSuppose1,
                                 w.rtfSuppose2, w.rtfHighlight, w.rtfSelect}) {
            // The text's width from the box's left edge; the last pixel of an advance is the
            // final glyph's side bearing, which holds no ink.
            box->document()->setTextWidth(-1);
            const qreal needed =
                box->document()->idealWidth() - box->document()->documentMargin() - 1;
            QVERIFY2(needed <= box->viewport()->width() + 0.5,
                     qPrintable(QStringLiteral("%1 needs %2 px, has %3")
                                    .arg(box->objectName())
                                    .arg(needed)
                                    .arg(box->viewport()->width())));
        }
    }

    void onlyTimer1RunsAtStart()
    {
        LessonWindow w;
        QVERIFY(w.Timer1->Enabled());
        QVERIFY(!w.Timer2->Enabled());
        QVERIFY(!w.Timer5->Enabled());
        QVERIFY(!w.Timer6->Enabled());
        for (platform::Timer *timer : {w.Timer1, w.Timer2, w.Timer5, w.Timer6})
            QCOMPARE(timer->Interval(), 400);
    }

    void controlsHaveDesignedFontsAndColours_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<bool>("underline");
        QTest::newRow("heading") << "lblRelative" << 20.25 << true << true << true;
        QTest::newRow("rule box") << "rtBox1" << 14.25 << false << false << false;
        QTest::newRow("note") << "rtfHighlight" << 15.75 << true << true << false;
        QTest::newRow("message line") << "rtfSelect" << 14.25 << false << true << false;
        QTest::newRow("small digit") << "lblR11" << 6.75 << false << false << false;
        QTest::newRow("list") << "cboR1" << 12.0 << true << false << false;
        QTest::newRow("button label") << "lblNext" << 9.75 << false << false << false;
    }

    void controlsHaveDesignedFontsAndColours()
    {
        QFETCH(QString, name);
        QFETCH(double, points);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(bool, underline);
        LessonWindow w;
        const QFont font = control(w, name)->font();
        QCOMPARE(font.pointSizeF(), points);
        QCOMPARE(font.bold(), bold);
        QCOMPARE(font.italic(), italic);
        QCOMPARE(font.underline(), underline);
    }

    void designedColoursShow()
    {
        LessonWindow w;
        QCOMPARE(w.lblPossibility->palette().color(QPalette::WindowText), QColor(0, 0, 0xC0));
        QCOMPARE(w.lblHelp->palette().color(QPalette::WindowText), QColor(0xC0, 0, 0xC0));
        QCOMPARE(w.rtfHighlight->backColor(), 0x00C0FFFFu);
        QCOMPARE(platform::colourFromBgr(w.rtfHighlight->backColor()), QColor(255, 255, 0xC0));
        QCOMPARE(w.lblNext->backColor().value_or(0), 0x00DCFFD5u);
        QVERIFY(!w.lblBack->backColor().has_value());
    }

    void nextHidesBackAndTakesTheClick()
    {
        LessonWindow w;
        w.show();
        const QPoint centre = w.lblNext->geometry().center();
        QCOMPARE(widgetAt(w, centre), static_cast<QWidget *>(w.lblNext));
        QSignalSpy next(w.lblNext, &platform::Label::clicked);
        QSignalSpy back(w.lblBack, &platform::Label::clicked);
        QTest::mouseClick(w.lblNext, Qt::LeftButton, {}, w.lblNext->rect().center());
        QCOMPARE(next.count(), 1);
        QCOMPARE(back.count(), 0);
        // Once Next is hidden, the same place is Back's.
        w.lblNext->hide();
        QCOMPARE(widgetAt(w, centre), static_cast<QWidget *>(w.lblBack));
    }

    void homeButtonLiesBehindTheNote()
    {
        LessonWindow w;
        w.show();
        const QPoint centre = w.cmdHome->geometry().center();
        QVERIFY(belongsTo(widgetAt(w, centre), w.rtfHighlight));
    }

    void shapesAndLinesLetTheMouseThrough()
    {
        LessonWindow w;
        w.show();
        // A point on Shape3's stroke (left edge) is bare surface for the mouse.
        const QPoint onStroke(w.Shape3->geometry().left(), w.Shape3->geometry().center().y());
        QCOMPARE(widgetAt(w, onStroke), static_cast<QWidget *>(w.form));
    }

    void findSearchesFromTheCaretIgnoringCase()
    {
        LessonWindow w;
        RichTextBox &box = *w.rtBox1;
        box.setText(QStringLiteral("Alpha beta ALPHA"));
        box.setSelStart(1);
        QCOMPARE(box.Find(QStringLiteral("alpha")), 11);
        QCOMPARE(box.SelStart(), 11);
        QCOMPARE(box.SelLength(), 5);
        // Not found: -1, and the selection stays.
        QCOMPARE(box.Find(QStringLiteral("gamma")), -1);
        QCOMPARE(box.SelStart(), 11);
        QCOMPARE(box.SelLength(), 5);
        box.setSelStart(0);
        QCOMPARE(box.Find(QString()), -1);
        QCOMPARE(box.SelLength(), 0);
    }

    void upToAndSpanMoveOverCharacterSets()
    {
        LessonWindow w;
        RichTextBox &box = *w.rtBox1;
        box.setText(QStringLiteral("ab r11 c"));
        box.setSelStart(0);
        box.Find(QStringLiteral("r1"));
        box.UpTo(QStringLiteral("1"));
        QCOMPARE(box.SelStart(), 4);
        QCOMPARE(box.SelLength(), 0);
        box.Span(QStringLiteral("1"));
        QCOMPARE(box.SelText(), QStringLiteral("11"));
        // No member of the set ahead: the caret goes to the end; Span then selects nothing.
        box.setSelStart(0);
        box.UpTo(QStringLiteral("9"));
        QCOMPARE(box.SelStart(), int(box.Text().size()));
        box.Span(QStringLiteral("9"));
        QCOMPARE(box.SelLength(), 0);
        // Out-of-range positions are clamped rather than trusted.
        box.setSelStart(1000);
        QCOMPARE(box.SelStart(), int(box.Text().size()));
        box.setSelStart(-5);
        box.setSelLength(1000);
        QCOMPARE(box.SelLength(), int(box.Text().size()));
    }

    // Found by fuzzing: positions and lengths at the ends of the int range are held to the text,
    // and a length near the largest int does not wrap round when the caret is added to it.
    void selectionIsHeldToTheTextAtTheLimits_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("expectedStart");
        QTest::addColumn<int>("expectedLength");
        constexpr int most = std::numeric_limits<int>::max();
        constexpr int least = std::numeric_limits<int>::min();
        QTest::newRow("length past the end") << 1 << 10 << 1 << 2;
        QTest::newRow("largest length") << 2 << most << 2 << 1;
        QTest::newRow("smallest length") << 1 << least << 1 << 0;
        QTest::newRow("largest start") << most << 1 << 3 << 0;
        QTest::newRow("smallest start") << least << 1 << 0 << 1;
    }

    void selectionIsHeldToTheTextAtTheLimits()
    {
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(int, expectedStart);
        QFETCH(int, expectedLength);
        LessonWindow w;
        w.rtBox1->setText(QStringLiteral("abc"));
        w.rtBox1->setSelStart(start);
        w.rtBox1->setSelLength(length);
        QCOMPARE(w.rtBox1->SelStart(), expectedStart);
        QCOMPARE(w.rtBox1->SelLength(), expectedLength);
    }

    void fontSizeStopsAtTheLargestABoxTakes()
    {
        // Found by fuzzing: 32767 points made Qt allocate a glyph cache of gigabytes.
        LessonWindow w;
        w.rtBox1->setText(QStringLiteral("abc"));
        w.rtBox1->setSelStart(0);
        w.rtBox1->setSelLength(1);
        w.rtBox1->setSelFontSize(32767);
        QCOMPARE(w.rtBox1->fontSizeAt(0), platform::kLargestFontSize);
        w.rtBox1->setSelFontSize(7);
        QCOMPARE(w.rtBox1->fontSizeAt(0), 7.0);
    }

    void formatSubscriptLowersOnlyTheTokensDigit_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("token");
        QTest::addColumn<QString>("digit");
        QTest::addColumn<int>("lowered"); // index of the lowered digit, -1 for none
        QTest::newRow("r1 in a sentence")
            << "Suppose that the centre of a circle is P and its radius is r1." << "r1" << "1" << 60;
        QTest::newRow("missing token changes nothing")
            << "Suppose that the centre of a circle is P and its radius is r1." << "r2" << "2" << -1;
        QTest::newRow("second digit of a phrase")
            << " (3)  If | r1 - r2 | < PQ < r1 + r2  then the two circles intersect each other in 2 Points."
            << "r1 + r2" << "2" << 34;
        QTest::newRow("first digit of a phrase")
            << " (5)  If PQ > r1 + r2  then the two circles do not intersect or touch and each is outside the other."
            << "r1 + r2" << "1" << 15;
        QTest::newRow("token found case-blind")
            << "radius R1 here" << "r1" << "1" << 8;
    }

    void formatSubscriptLowersOnlyTheTokensDigit()
    {
        QFETCH(QString, text);
        QFETCH(QString, token);
        QFETCH(QString, digit);
        QFETCH(int, lowered);
        LessonWindow w;
        RichTextBox &box = *w.rtBox3;
        box.setText(text);
        FormatSubscript(box, token, digit, -80, 7);
        for (int i = 0; i < text.size(); ++i) {
            const bool expected = i == lowered;
            QCOMPARE(box.charOffsetAt(i), expected ? -80 : 0);
            QCOMPARE(box.fontSizeAt(i), expected ? 7.0 : 14.25);
        }
        QCOMPARE(box.Text(), text);
    }

    void colourWholeTextColoursEveryCharacterAndKeepsSelection()
    {
        LessonWindow w;
        RichTextBox &box = *w.rtfSelect;
        const QString text = QStringLiteral("You can rearrange r1 , r2 and PQ");
        box.setText(text);
        ColourWholeText(box, 0x00FF0000);
        FormatSubscript(box, QStringLiteral("r1"), QStringLiteral("1"), -60, 7);
        for (int i = 0; i < text.size(); ++i)
            QCOMPARE(box.colourAt(i), 0x00FF0000u);
        QCOMPARE(box.charOffsetAt(19), -60);
        // Setting the text again removes every format.
        box.setText(text);
        QCOMPARE(box.colourAt(19), 0x00000000u);
        QCOMPARE(box.charOffsetAt(19), 0);
    }

    void loweredDigitsSitLowerByTheirOffset()
    {
        // The same digit lowered by 60 and by 80 twips: on screen the second sits lower, by about
        // 20 twips (1.3 logical pixels at 96 dpi).
        LessonWindow w;
        const auto bottomOfInk = [](RichTextBox &box) {
            const QImage image = box.grab().toImage();
            for (int y = image.height() - 1; y >= 0; --y)
                for (int x = 0; x < image.width(); ++x)
                    if (qGray(image.pixel(x, y)) < 100)
                        return y;
            return -1;
        };
        const auto lowered = [&](int offset) {
            RichTextBox &box = *w.rtBox1;
            box.setText(QStringLiteral("1"));
            box.setSelStart(0);
            box.setSelLength(1);
            box.setSelCharOffset(offset);
            box.setSelFontSize(7);
            return bottomOfInk(box);
        };
        const int at0 = lowered(0);
        const int at60 = lowered(-60);
        const int at80 = lowered(-80);
        QVERIFY(at0 > 0);
        QVERIFY2(qAbs((at60 - at0) - 4) <= 1, qPrintable(QString::number(at60 - at0)));
        QVERIFY2(qAbs((at80 - at0) - 5) <= 1, qPrintable(QString::number(at80 - at0)));
        QVERIFY(at80 > at60);
    }

    void surfaceKeepsItsDrawingUntilCleared()
    {
        LessonWindow w;
        w.show();
        const QPoint centre(qRound(platform::centimetresToPixels(13)),
                            qRound(platform::centimetresToPixels(5)));
        const QPoint onCircle(centre.x() + qRound(platform::centimetresToPixels(1)), centre.y());
        w.surface().setDrawWidth(2);
        w.surface().drawCircle(13, 5, 1, 0x000000FF);
        const auto pixel = [&] { return w.form->grab().toImage().pixelColor(onCircle); };
        QCOMPARE(pixel().red(), 255);
        QCOMPARE(pixel().blue(), 0);
        // Showing a control over the drawing and hiding it again does not erase it.
        w.frameHelp->move(onCircle - QPoint(5, 5));
        w.frameHelp->show();
        QVERIFY(pixel().red() != 255 || pixel().green() != 0);
        w.frameHelp->hide();
        QCOMPARE(pixel().red(), 255);
        w.surface().clear();
        QCOMPARE(pixel(), platform::colourFromBgr(0x00DCFFD5));
    }

    void drawingIsShownWithoutAnyOtherChange()
    {
        // Nothing else on the window changes when a radius is changed after a full choice; the
        // surface itself must ask for the repaint of what it drew, and of what it erased.
        LessonWindow w;
        w.show();
        QRegion painted;
        PaintRecorder recorder(w.form, &painted);
        QCoreApplication::processEvents();
        painted = QRegion();
        w.surface().setDrawWidth(2);
        w.surface().drawCircle(13, 13, 3, 0x000000FF);
        w.surface().setDrawWidth(3);
        w.surface().setPoint(20, 5, 0x0000C000);
        const auto pixels = [](double cm) { return qRound(platform::centimetresToPixels(cm)); };
        const QRect circle(pixels(10), pixels(10), pixels(6), pixels(6));
        const QRect dot(pixels(20) - 1, pixels(5) - 1, 3, 3);
        QTRY_VERIFY(painted.contains(circle) && painted.contains(dot));
        painted = QRegion();
        w.surface().clear();
        QTRY_VERIFY(painted.contains(circle) && painted.contains(dot));
    }

    void surfacePrintsNumbersWithBlanks_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0 << " 0 ";
        QTest::newRow("positive") << 12 << " 12 ";
        QTest::newRow("negative") << -4 << "-4 ";
        QTest::newRow("largest") << 32767 << " 32767 ";
        QTest::newRow("smallest") << -32768 << "-32768 ";
    }

    void surfacePrintsNumbersWithBlanks()
    {
        QFETCH(int, value);
        QFETCH(QString, text);
        QCOMPARE(platform::Surface::numberText(qint16(value)), text);
    }

    void listShowsItsPlaceholderAfterItemsAreAdded()
    {
        LessonWindow w;
        QSignalSpy picks(w.cboR1, &platform::ComboBox::selected);
        for (const char *item : {"1", "2", "3"})
            w.cboR1->AddItem(QString::fromLatin1(item));
        QCOMPARE(w.cboR1->Text(), QStringLiteral(" r1"));
        QCOMPARE(w.cboR1->count(), 3);
        QCOMPARE(picks.count(), 0);
    }

    void arrowKeyAndWheelPick_data()
    {
        QTest::addColumn<bool>("wheel");
        QTest::newRow("arrow key") << false;
        QTest::newRow("wheel step") << true;
    }

    void arrowKeyAndWheelPick()
    {
        QFETCH(bool, wheel);
        LessonWindow w;
        for (const char *item : {"1", "2", "3"})
            w.cboR1->AddItem(QString::fromLatin1(item));
        w.cboR1->show();
        w.show();
        QSignalSpy picks(w.cboR1, &platform::ComboBox::selected);
        if (wheel) {
            const QPointF at = w.cboR1->rect().center();
            QWheelEvent event(at, w.cboR1->mapToGlobal(at), QPoint(), QPoint(0, -120),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(w.cboR1, &event);
        } else {
            w.cboR1->setFocus();
            QTest::keyClick(w.cboR1->lineEdit(), Qt::Key_Down);
        }
        QCOMPARE(picks.count(), 1);
        QCOMPARE(w.cboR1->Text(), QStringLiteral("1"));
    }

    void typingEnterAndTabAreNotPicks()
    {
        LessonWindow w;
        for (const char *item : {"1", "2", "3"})
            w.cboR1->AddItem(QString::fromLatin1(item));
        w.cboR1->show();
        w.cboR2->show();
        w.cboR2->setEnabled(true);
        w.show();
        w.form->activateWindow();
        QSignalSpy picks(w.cboR1, &platform::ComboBox::selected);
        w.cboR1->setFocus();
        w.cboR1->lineEdit()->selectAll();
        QTest::keyClicks(w.cboR1->lineEdit(), QStringLiteral("2"));
        QCOMPARE(w.cboR1->Text(), QStringLiteral("2"));
        QTest::keyClick(w.cboR1->lineEdit(), Qt::Key_Return);
        QTest::keyClick(w.cboR1->lineEdit(), Qt::Key_Tab);
        w.cboR2->setFocus();
        QCOMPARE(picks.count(), 0);
        QCOMPARE(w.cboR1->Text(), QStringLiteral("2"));
        QCOMPARE(w.cboR1->count(), 3); // nothing typed is added to the list
    }

    void pickFromTheOpenListRunsAgainForTheSameItem()
    {
        LessonWindow w;
        for (const char *item : {"1", "2", "3"})
            w.cboR1->AddItem(QString::fromLatin1(item));
        w.cboR1->show();
        w.show();
        QSignalSpy picks(w.cboR1, &platform::ComboBox::selected);
        for (int round = 0; round < 2; ++round) {
            w.cboR1->showPopup();
            QAbstractItemView *view = w.cboR1->view();
            QTRY_VERIFY(view->isVisible());
            const QModelIndex item = view->model()->index(1, 0);
            view->setCurrentIndex(item);
            QTest::keyClick(view, Qt::Key_Return);
            QTRY_COMPARE(picks.count(), round + 1);
            QCOMPARE(w.cboR1->Text(), QStringLiteral("2"));
        }
    }

    void screenReadersCanNameTheControls_data()
    {
        QTest::addColumn<QString>("controlName");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("descriptionPart");
        QTest::newRow("next") << "lblNext" << "Next" << "practice page";
        QTest::newRow("back") << "lblBack" << "Back" << "introduction page";
        QTest::newRow("home") << "lblHome" << "Home" << "end the lesson";
        QTest::newRow("print") << "lblPrint" << "Print" << "print";
        QTest::newRow("first radius") << "cboR1" << "Radius r1" << "centre P";
        QTest::newRow("second radius") << "cboR2" << "Radius r2" << "centre Q";
        QTest::newRow("distance") << "cboPQ" << "Distance PQ" << "between the centres";
        QTest::newRow("third rule") << "rtBox3" << "Rule 3" << "";
    }

    void screenReadersCanNameTheControls()
    {
        QFETCH(QString, controlName);
        QFETCH(QString, name);
        QFETCH(QString, descriptionPart);
        LessonWindow w;
        QAccessibleInterface *accessible =
            QAccessible::queryAccessibleInterface(control(w, controlName));
        QVERIFY(accessible);
        // On Linux, Qt gives an editable list's shown text as its accessible name (a screen
        // reader names it from its description and labels); the set name is kept on the widget.
        if (controlName.startsWith(QLatin1String("cbo")))
            QCOMPARE(control(w, controlName)->accessibleName(), name);
        else
            QCOMPARE(accessible->text(QAccessible::Name), name);
        QVERIFY(accessible->text(QAccessible::Description).contains(descriptionPart));
    }

    void listsAreReachedByTabInDesignOrder()
    {
        // Following the focus chain from the first list meets the lists in the designed order,
        // then the button.
        LessonWindow w;
        QList<QWidget *> order;
        QWidget *at = w.cboR1;
        for (int step = 0; step < 200 && order.size() < 4; ++step, at = at->nextInFocusChain()) {
            if (at == w.cboR1 || at == w.cboR2 || at == w.cboPQ || at == w.cmdHome)
                if (!order.contains(at))
                    order << at;
        }
        const QList<QWidget *> expected{w.cboR1, w.cboR2, w.cboPQ, w.cmdHome};
        QCOMPARE(order, expected);
    }

    void escapingErrorIsReportedNotCrashed()
    {
        QStringList reports;
        platform::setUnhandledErrorReporter([&](const QString &message) { reports << message; });
        platform::runHandler([] { platform::raiseOverflow(); });
        platform::runHandler([] {});
        QCOMPARE(reports.size(), 1);
        QVERIFY(reports.first().contains(QStringLiteral("Overflow")));
        QVERIFY(reports.first().contains(QStringLiteral("6")));
    }

    // Last, since ending the program is for good: the title bar's close box ends the lesson as
    // Home does, with every timer stopped.
    void closeBoxEndsTheLesson()
    {
        LessonWindow w;
        w.show();
        w.Timer5->setEnabled(true);
        QVERIFY(!platform::programEnded());
        QVERIFY(w.form->close());
        QVERIFY(platform::programEnded());
        QVERIFY(!w.form->isVisible());
        for (platform::Timer *timer : {w.Timer1, w.Timer2, w.Timer5, w.Timer6})
            QVERIFY(!timer->Enabled());
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
