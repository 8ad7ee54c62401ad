// The lesson as it opens: the lists filled but nothing chosen, the introduction page's texts
// exact to the blank, only the radius digits lowered (and lowered on screen by about their
// offset), the contact line in blue; and Home, which ends the lesson.

#include "app/contactline.h"
#include "platform/program.h"
#include "platform/twips.h"
#include "window/lessonwindow.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <cmath>

using platform::RichTextBox;

namespace {

QString shownText(LessonWindow &w, const QString &control)
{
    if (auto *box = w.form->findChild<RichTextBox *>(control))
        return box->Text();
    if (auto *label = w.form->findChild<platform::Label *>(control))
        return label->caption();
    return QStringLiteral("<no control %1>").arg(control);
}

QStringList items(const platform::ComboBox &list)
{
    QStringList all;
    for (int i = 0; i < list.count(); ++i)
        all << list.itemText(i);
    return all;
}

// A digit that names a radius: the 1 of r1 or the 2 of r2.
bool isRadiusDigit(const QString &text, int i)
{
    return i > 0 && text.at(i - 1) == QLatin1Char('r') &&
           (text.at(i) == QLatin1Char('1') || text.at(i) == QLatin1Char('2'));
}

// The pixel columns of the character at index in the box as drawn, from its caret position to
// the next one.
std::pair<int, int> columns(RichTextBox &box, int index)
{
    const QTextBlock block = box.document()->findBlock(index);
    const QTextLine line = block.layout()->lineForTextPosition(index - block.position());
    const double origin = box.document()->documentLayout()->blockBoundingRect(block).left() -
                          box.horizontalScrollBar()->value();
    return {int(std::floor(origin + line.cursorToX(index - block.position()))),
            int(std::ceil(origin + line.cursorToX(index + 1 - block.position())))};
}

// The lowest row of dark ink within the columns [from, to).
int inkBottom(const QImage &image, int from, int to)
{
    for (int y = image.height() - 1; y >= 0; --y)
        for (int x = qMax(0, from); x < qMin(int(image.width()), to); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                return y;
    return -1;
}

// How far the radius digit at index reaches below the foot of the "r" before it, which stands
// on the line's baseline, in pixels of the box as drawn. Only the columns of the "r" left of the
// digit count, since an italic digit leans into them.
int loweringOnScreen(RichTextBox &box, int digitIndex)
{
    const QImage image = box.grab().toImage();
    const auto [digitFrom, digitTo] = columns(box, digitIndex);
    const auto [rFrom, rTo] = columns(box, digitIndex - 1);
    const int r = inkBottom(image, rFrom, qMin(rTo, digitFrom));
    const int digit = inkBottom(image, digitFrom, digitTo);
    return r < 0 || digit < 0 ? -1000 : digit - r;
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void listsAreFilledButNothingIsChosen()
    {
        LessonWindow w;
        w.Form_Load();
        const QStringList radii{"1", "2", "3", "4", "5"};
        QCOMPARE(items(*w.cboR1), radii);
        QCOMPARE(items(*w.cboR2), radii);
        QStringList distances;
        for (int i = 0; i <= 12; ++i)
            distances << QString::number(i);
        QCOMPARE(items(*w.cboPQ), distances);
        // The fields still show their placeholders, so no list counts as chosen.
        QCOMPARE(w.cboR1->Text(), QStringLiteral(" r1"));
        QCOMPARE(w.cboR2->Text(), QStringLiteral("r2"));
        QCOMPARE(w.cboPQ->Text(), QStringLiteral("PQ"));
        QCOMPARE(w.r1, qint16(0));
        QCOMPARE(w.r2, qint16(0));
        QCOMPARE(w.PQ, qint16(0));
        QCOMPARE(w.r1PlusR2, qint16(0));
        QCOMPARE(w.absR1MinusR2, qint16(0));
    }

    void introductionTexts_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::newRow("invitation") << "lblPQ"
                                    << "Let us test it for practice..    Click 'Next'.";
        QTest::newRow("heading ends in a superscript two")
            << "lblRelative" << QStringLiteral("Relative position of two circles in R\u00B2");
        QTest::newRow("first sentence")
            << "rtfSuppose1"
            << "Suppose that the centre of a circle is P and its radius is r1.";
        QTest::newRow("second sentence") << "rtfSuppose2"
                                         << "Suppose that in the same plane there is another "
                                            "circle with centre Q and radius r2.";
        QTest::newRow("highlight note")
            << "rtfHighlight"
            << "It  will  be  highlighted  according  to  your  selection  of  r1 ,  r2  and  PQ.";
        QTest::newRow("contact line") << "rtfSelect" << contactLine();
        QTest::newRow("help hint") << "lblHelp"
                                   << "Double Click any of these 3 buttons and turn mouse wheel.";
        QTest::newRow("rule touching externally")
            << "rtBox1"
            << " (1)  If PQ =  r1 + r2 then the two circles touch each other externally.";
        QTest::newRow("rule touching internally")
            << "rtBox2"
            << " (2)  If PQ = | r1 - r2 | then the two circles touch each other internally.";
        QTest::newRow("rule intersecting")
            << "rtBox3"
            << " (3)  If | r1 - r2 | < PQ < r1 + r2  then the two circles intersect each other in "
               "2 Points.";
        QTest::newRow("rule one inside the other") << "rtBox4"
                                                   << " (4)  If PQ < | r1 - r2 |  then the two "
                                                      "circles neither intersect nor touch and one "
                                                      "of them is inside the other.";
        QTest::newRow("rule each outside the other")
            << "rtBox5"
            << " (5)  If PQ > r1 + r2  then the two circles do not intersect or touch and each is "
               "outside the other.";
    }

    void introductionTexts()
    {
        QFETCH(QString, control);
        QFETCH(QString, text);
        LessonWindow w;
        w.Form_Load();
        QCOMPARE(shownText(w, control), text);
    }

    void invitationStandsLowerThanDesigned()
    {
        LessonWindow w;
        const double designedLeft = w.lblPQ->Left();
        QVERIFY(w.lblPQ->Top() < 1.0);
        w.Form_Load();
        QCOMPARE(w.lblPQ->Top(), 16.0);
        QCOMPARE(w.lblPQ->Left(), designedLeft);
    }

    void contactLineIsShownAllBlue()
    {
        LessonWindow w;
        QVERIFY(!w.rtfSelect->Visible());
        w.Form_Load();
        QVERIFY(w.rtfSelect->Visible());
        const QString text = w.rtfSelect->Text();
        QVERIFY(!text.isEmpty());
        for (int i = 0; i < text.size(); ++i) {
            QCOMPARE(w.rtfSelect->colourAt(i), 0x00FF0000u);
            // It keeps the box's own type: nothing lowered or shrunk.
            QCOMPARE(w.rtfSelect->charOffsetAt(i), 0);
            QCOMPARE(w.rtfSelect->fontSizeAt(i), 14.25);
        }
    }

    void onlyTheRadiusDigitsAreLowered_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("lowered");
        QTest::newRow("first sentence, r1 only") << "rtfSuppose1" << -60 << 1;
        QTest::newRow("second sentence, r2 only") << "rtfSuppose2" << -60 << 1;
        QTest::newRow("highlight note") << "rtfHighlight" << -80 << 2;
        QTest::newRow("rule touching externally") << "rtBox1" << -80 << 2;
        QTest::newRow("rule touching internally") << "rtBox2" << -80 << 2;
        QTest::newRow("rule intersecting, both pairs") << "rtBox3" << -80 << 4;
        QTest::newRow("rule one inside the other") << "rtBox4" << -80 << 2;
        QTest::newRow("rule each outside the other") << "rtBox5" << -80 << 2;
    }

    // Every character checked: the radius digits lowered and in 7-point type, everything else
    // (the rule numbers, the "2" of "2 Points") on the line in the box's own size, all black.
    void onlyTheRadiusDigitsAreLowered()
    {
        QFETCH(QString, control);
        QFETCH(int, offset);
        QFETCH(int, lowered);
        LessonWindow w;
        w.Form_Load();
        RichTextBox *box = w.form->findChild<RichTextBox *>(control);
        QVERIFY(box);
        const QString text = box->Text();
        const double ownSize = box->font().pointSizeF();
        int count = 0;
        for (int i = 0; i < text.size(); ++i) {
            const QByteArray where =
                QStringLiteral("character %1 '%2'").arg(i).arg(text.at(i)).toUtf8();
            if (isRadiusDigit(text, i)) {
                ++count;
                QVERIFY2(box->charOffsetAt(i) == offset, where.constData());
                QVERIFY2(box->fontSizeAt(i) == 7.0, where.constData());
            } else {
                QVERIFY2(box->charOffsetAt(i) == 0, where.constData());
                QVERIFY2(box->fontSizeAt(i) == ownSize, where.constData());
            }
            QVERIFY2(box->colourAt(i) == 0x00000000u, where.constData());
        }
        QCOMPARE(count, lowered);
    }

    // The boxes are one line high; a rule that wrapped would lose its end in a hidden second line.
    void everyBoxKeepsItsTextOnOneLine()
    {
        LessonWindow w;
        w.Form_Load();
        w.show();
        for (RichTextBox *box : w.form->findChildren<RichTextBox *>()) {
            box->grab(); // lays the text out at the box's width
            QVERIFY2(box->document()->firstBlock().layout()->lineCount() == 1,
                     qPrintable(box->objectName()));
        }
    }

    void loweredDigitsShowBelowTheLine_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("radius");
        QTest::addColumn<int>("offset");
        QTest::newRow("first sentence r1") << "rtfSuppose1"
                                           << "r1" << -60;
        QTest::newRow("note r1") << "rtfHighlight"
                                 << "r1" << -80;
        QTest::newRow("note r2") << "rtfHighlight"
                                 << "r2" << -80;
        QTest::newRow("rule 3 r1") << "rtBox3"
                                   << "r1" << -80;
    }

    // On the drawn page a lowered digit reaches below the foot of its "r" by its offset: 1/15 of
    // a pixel per twip on a screen of 96 logical dots per inch.
    void loweredDigitsShowBelowTheLine()
    {
        QFETCH(QString, control);
        QFETCH(QString, radius);
        QFETCH(int, offset);
        LessonWindow w;
        w.Form_Load();
        w.show();
        RichTextBox *box = w.form->findChild<RichTextBox *>(control);
        QVERIFY(box);
        const int digit = int(box->Text().indexOf(radius)) + 1;
        QVERIFY(digit > 0);
        const double expected = -offset * platform::pixelsPerTwip();
        const int measured = loweringOnScreen(*box, digit);
        QVERIFY2(
            qAbs(measured - expected) <= 1.0,
            qPrintable(
                QStringLiteral("lowered %1 px, expected about %2").arg(measured).arg(expected)));
    }

    void noteDigitsSitLowerThanTheSentences()
    {
        LessonWindow w;
        w.Form_Load();
        w.show();
        const int sentence =
            loweringOnScreen(*w.rtfSuppose1, int(w.rtfSuppose1->Text().indexOf("r1")) + 1);
        const int note =
            loweringOnScreen(*w.rtfHighlight, int(w.rtfHighlight->Text().indexOf("r1")) + 1);
        QVERIFY(sentence > 0);
        QVERIFY2(note > sentence,
                 qPrintable(QStringLiteral("note %1 px, sentence %2 px").arg(note).arg(sentence)));
    }

    // Ending the program cannot be undone in this process, so this test runs last; with no event
    // loop running, the quit request that comes with it leaves the test runner alone.
    void homeEndsTheLesson()
    {
        LessonWindow w;
        w.Form_Load();
        w.show();
        w.Timer5->setEnabled(true); // a list cue running besides the Next cue
        QVERIFY(w.Timer1->Enabled());
        QVERIFY(w.form->isVisible());
        QVERIFY(!platform::programEnded());

        QTest::mouseClick(w.lblHome, Qt::LeftButton, {}, w.lblHome->rect().center());

        QVERIFY(platform::programEnded());
        QVERIFY(!w.form->isVisible());
        QVERIFY(!w.Timer1->Enabled());
        QVERIFY(!w.Timer2->Enabled());
        QVERIFY(!w.Timer5->Enabled());
        QVERIFY(!w.Timer6->Enabled());
        // Nothing else changed on the way out.
        QCOMPARE(w.rtfSelect->Text(), contactLine());
        QCOMPARE(w.lblPQ->caption(),
                 QStringLiteral("Let us test it for practice..    Click 'Next'."));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
