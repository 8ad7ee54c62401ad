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

// How far the radius digit at index reaches below the foot of the "r" before it, which stands
// on the line's baseline, in pixels of the box as drawn. Only the columns of the "r" left of the
// digit count, since an italic digit leans into them.
int loweringOnScreen(RichTextBox &box, int digitIndex)
{
    const QImage image = box.grab().toImage();
    // The lowest row of dark ink within the columns [from, to).
    const auto inkBottom = [&image](int from, int to) {
        for (int y = image.height() - 1; y >= 0; --y)
            for (int x = qMax(0, from); x < qMin(int(image.width()), to); ++x)
                if (qGray(image.pixel(x, y)) < 128)
                    return y;
        return -1;
    };
    const auto [digitFrom, digitTo] = columns(box, digitIndex);
    const auto [rFrom, rTo] = columns(box, digitIndex - 1);
    const int r = inkBottom(rFrom, qMin(rTo, digitFrom));
    const int digit = inkBottom(digitFrom, digitTo);
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
        const double designedLeft = w.lblPQ->Left();
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
        for (qint16 value : {w.r1, w.r2, w.PQ})
            QCOMPARE(value, qint16(0));
        // The invitation stands lower than designed, below the rules.
        QCOMPARE(w.lblPQ->Top(), 16.0);
        QCOMPARE(w.lblPQ->Left(), designedLeft);
    }

    // Each text exact to the blank and every character of the rich-text boxes checked: the
    // radius digits lowered and in 7-point type, everything else (the rule numbers, the "2" of
    // "2 Points") on the line in the box's own size; the contact line blue, all else black. On the
    // drawn page a lowered digit reaches below the foot of its "r" by its offset: 1/15 of a pixel
    // per twip on a screen of 96 logical dots per inch.
    void introductionPage_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("lowered");
        QTest::addColumn<QString>("text");
        QTest::newRow("invitation")
            << "lblPQ" << 0 << 0 << "Let us test it for practice..    Click 'Next'.";
        QTest::newRow("heading ends in a superscript two")
            << "lblRelative" << 0 << 0 << "Relative position of two circles in R\u00B2";
        QTest::newRow("help hint")
            << "lblHelp" << 0 << 0 << "Double Click any of these 3 buttons and turn mouse wheel.";
        QTest::newRow("contact line, all blue") << "rtfSelect" << 0 << 0 << contactLine();
        QTest::newRow("first sentence, r1 only")
            << "rtfSuppose1" << -60 << 1
            << "Suppose that the centre of a circle is P and its radius is r1.";
        QTest::newRow("second sentence, r2 only") << "rtfSuppose2" << -60 << 1
                                                  << "Suppose that in the same plane there is "
                                                     "another circle with centre Q and radius r2.";
        QTest::newRow("highlight note")
            << "rtfHighlight" << -80 << 2
            << "It  will  be  highlighted  according  to  your  selection  of  r1 ,  r2  and  PQ.";
        QTest::newRow("rule touching externally")
            << "rtBox1" << -80 << 2
            << " (1)  If PQ =  r1 + r2 then the two circles touch each other externally.";
        QTest::newRow("rule touching internally")
            << "rtBox2" << -80 << 2
            << " (2)  If PQ = | r1 - r2 | then the two circles touch each other internally.";
        QTest::newRow("rule intersecting, both pairs")
            << "rtBox3" << -80 << 4
            << " (3)  If | r1 - r2 | < PQ < r1 + r2  then the two circles intersect each other in "
               "2 Points.";
        QTest::newRow("rule one inside the other")
            << "rtBox4" << -80 << 2
            << " (4)  If PQ < | r1 - r2 |  then the two circles neither intersect nor touch and "
               "one of them is inside the other.";
        QTest::newRow("rule each outside the other")
            << "rtBox5" << -80 << 2
            << " (5)  If PQ > r1 + r2  then the two circles do not intersect or touch and each is "
               "outside the other.";
    }

    void introductionPage()
    {
        QFETCH(QString, control);
        QFETCH(int, offset);
        QFETCH(int, lowered);
        QFETCH(QString, text);
        LessonWindow w;
        w.Form_Load();
        w.show();
        auto *label = w.form->findChild<platform::Label *>(control);
        RichTextBox *box = w.form->findChild<RichTextBox *>(control);
        QVERIFY(label || box);
        QVERIFY(label ? !label->isHidden() : !box->isHidden());
        QCOMPARE(label ? label->caption() : box->Text(), text);
        if (!box)
            return;
        const quint32 colour = control == "rtfSelect" ? 0x00FF0000 : 0x00000000;
        const double ownSize = box->font().pointSizeF();
        const auto format = [&text](int i, int charOffset, double size, quint32 colour) {
            return QStringLiteral("%1 '%2': offset %3, %4 pt, colour %5")
                .arg(i)
                .arg(text.at(i))
                .arg(charOffset)
                .arg(size)
                .arg(colour, 0, 16);
        };
        int count = 0;
        for (int i = 0; i < text.size(); ++i) {
            const bool digit = isRadiusDigit(text, i);
            count += digit;
            QCOMPARE(format(i, box->charOffsetAt(i), box->fontSizeAt(i), box->colourAt(i)),
                     format(i, digit ? offset : 0, digit ? 7.0 : ownSize, colour));
            if (!digit)
                continue;
            const int measured = loweringOnScreen(*box, i);
            QVERIFY2(qAbs(measured + offset * platform::pixelsPerTwip()) <= 1.0,
                     qPrintable(QStringLiteral("digit %1 lowered %2 px").arg(i).arg(measured)));
        }
        QCOMPARE(count, lowered);
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
        for (platform::Timer *timer : {w.Timer1, w.Timer2, w.Timer5, w.Timer6})
            QVERIFY(!timer->Enabled());
        // Nothing else changed on the way out.
        QCOMPARE(w.rtfSelect->Text(), contactLine());
        QCOMPARE(w.lblPQ->caption(),
                 QStringLiteral("Let us test it for practice..    Click 'Next'."));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
