// Whole lessons as a pupil goes through them: Next, the three lists in their guided order and in
// any order afterwards, Back from every stage and Next again, checked against the pages' layout,
// the prompts and an independent account of how two circles lie. Also the reading of a list's
// value, and typed text of every kind in the lists' fields.

#include "circlegeometry.h"

#include "platform/program.h"
#include "platform/runtimeerror.h"
#include "platform/twips.h"
#include "relation/listvalue.h"
#include "window/lessonwindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <cmath>
#include <numbers>

using platform::ComboBox;
using platform::Label;
using platform::RichTextBox;

namespace {

constexpr quint32 kBlue = 0x00FF0000;
constexpr quint32 kYellow = 0x0000FFFF;

const QString kGuidedPrompt =
    QStringLiteral("Now  select  length  of  radius  r1  and  r2  for  the  circles.");
const QString kRearrangePrompt = QStringLiteral("You can rearrange r1 , r2 and PQ");
const QString kDistancePrompt =
    QStringLiteral(" Select the distance PQ between  their centers P and Q");
const QString kInvitation = QStringLiteral("Let us test it for practice..    Click 'Next'.");
const QString kContactLine =
    QStringLiteral("Author:  lessons@example.org    Mobile:  07700 900461");
const QString kHeading = QStringLiteral("Relative position of two circles in R\u00B2");

void startLesson(LessonWindow &w)
{
    w.Form_Load();
    w.show();
}

// A click where the pupil sees the Next/Back button: whichever label the window puts at that
// place takes it, and it must be the one expected.
bool clickButton(LessonWindow &w, Label *expected)
{
    QWidget *reached = w.form->childAt(expected->geometry().center());
    if (reached != expected)
        return false;
    QTest::mouseClick(expected, Qt::LeftButton, {}, expected->rect().center());
    return true;
}

// A pick in the open list: the list drops down, the pupil moves to the item and presses Enter.
bool choose(ComboBox *list, int value)
{
    const int row = list->findText(QString::number(value));
    if (!list->isVisible() || !list->isEnabled() || row < 0)
        return false;
    list->showPopup();
    QAbstractItemView *view = list->view();
    if (!QTest::qWaitFor([view] { return view->isVisible(); }))
        return false;
    view->setCurrentIndex(view->model()->index(row, list->modelColumn()));
    QTest::keyClick(view, Qt::Key_Return);
    return list->Text() == QString::number(value);
}

// Replaces what the list's field shows by typing, as the pupil does; nothing is picked.
void typeInto(ComboBox *list, const QString &text)
{
    list->setFocus();
    list->lineEdit()->selectAll();
    if (text.isEmpty())
        QTest::keyClick(list->lineEdit(), Qt::Key_Delete);
    else
        QTest::keyClicks(list->lineEdit(), text);
}

QList<RichTextBox *> ruleBoxes(LessonWindow &w)
{
    return {w.rtBox1, w.rtBox2, w.rtBox3, w.rtBox4, w.rtBox5};
}

// The rule numbers whose boxes are highlighted.
QList<int> highlightedRules(LessonWindow &w)
{
    QList<int> rules;
    const QList<RichTextBox *> boxes = ruleBoxes(w);
    for (int k = 0; k < boxes.size(); ++k)
        if (boxes[k]->backColor() == kYellow)
            rules << k + 1;
    return rules;
}

bool isReddish(const QColor &c)
{
    return c.alpha() > 160 && c.red() > 160 && c.green() < 90 && c.blue() < 90;
}

// Of sixteen points spread round the circle, how many have red drawn within two pixels.
int redPointsOnCircle(const QImage &image, double cx, double cy, double radius)
{
    const double ratio = image.devicePixelRatio();
    int found = 0;
    for (int k = 0; k < 16; ++k) {
        const double angle = (k + 0.5) * std::numbers::pi / 8;
        const int x =
            int(std::lround(platform::centimetresToPixels(cx + radius * std::cos(angle)) * ratio));
        const int y =
            int(std::lround(platform::centimetresToPixels(cy - radius * std::sin(angle)) * ratio));
        bool red = false;
        for (int dy = -2; dy <= 2 && !red; ++dy)
            for (int dx = -2; dx <= 2 && !red; ++dx)
                red = image.rect().contains(x + dx, y + dy) &&
                      isReddish(image.pixelColor(x + dx, y + dy));
        found += red;
    }
    return found;
}

// What is wrong with the window for a complete choice, or an empty text.
QString checkCompleteChoice(LessonWindow &w, int r1, int r2, int pq)
{
    const int expected = circlegeometry::relation(r1, r2, pq);
    const QList<int> rules = highlightedRules(w);
    if (rules != QList<int>{expected})
        return QStringLiteral("highlighted %1, expected rule %2")
            .arg(QString::number(rules.size() ? rules.first() : 0), QString::number(expected));
    if (ruleBoxes(w)[expected - 1]->toolTipText() != w.rtfHighlight->Text())
        return QStringLiteral("highlighted box has no note");
    if (w.xP != float(13 - pq / 2.0) || w.xQ != float(pq / 2.0 + 13))
        return QStringLiteral("centres at %1, %2").arg(w.xP).arg(w.xQ);
    const QImage &image = w.surface().image();
    const int onP = redPointsOnCircle(image, w.xP, 13, r1);
    const int onQ = redPointsOnCircle(image, w.xQ, 13, r2);
    if (onP < 12 || onQ < 12)
        return QStringLiteral("circles drawn at %1 and %2 of 16 points").arg(onP).arg(onQ);
    return {};
}

// The prompt in rtfSelect: centred, all blue, the digits of the first r1 and r2 lowered by 60
// twips and set in 7 points, every other character as it was.
QString checkPrompt(RichTextBox *box, const QString &text)
{
    if (box->Text() != text)
        return QStringLiteral("text \"%1\"").arg(box->Text());
    if (box->document()->firstBlock().blockFormat().alignment() != Qt::AlignHCenter)
        return QStringLiteral("not centred");
    const int digit1 = int(text.indexOf(QStringLiteral("r1"))) + 1;
    const int digit2 = int(text.indexOf(QStringLiteral("r2"))) + 1;
    for (int i = 0; i < text.size(); ++i) {
        const bool lowered = i == digit1 || i == digit2;
        if (box->colourAt(i) != kBlue)
            return QStringLiteral("character %1 not blue").arg(i);
        if (box->charOffsetAt(i) != (lowered ? -60 : 0))
            return QStringLiteral("character %1 offset %2").arg(i).arg(box->charOffsetAt(i));
        if (lowered && box->fontSizeAt(i) != 7)
            return QStringLiteral("digit %1 in %2 pt").arg(i).arg(box->fontSizeAt(i));
    }
    return {};
}

// Whether the box shows its text in the middle: as much background left of the letters as
// right of them (give or take the slant of italic letters).
bool drawnCentred(RichTextBox *box)
{
    const QImage image = box->grab().toImage();
    const QColor background = box->palette().color(QPalette::Base);
    int first = image.width();
    int last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(x, y) != background) {
                first = qMin(first, x);
                last = qMax(last, x);
                break;
            }
    const int leftMargin = first;
    const int rightMargin = image.width() - 1 - last;
    return last >= first && std::abs(leftMargin - rightMargin) <= 8;
}

// The frames: the middle one at the given height, the others derived from it in singles.
bool framesAt(LessonWindow &w, double height)
{
    const float shape1 = float(height);
    return w.Shape1->Height() == shape1 && w.Shape2->Height() == float(shape1 - 0.25) &&
           w.Shape3->Height() == float(shape1 + 0.4);
}

} // namespace

class TestLesson : public QObject
{
    Q_OBJECT

    QStringList m_errors;

private slots:
    void init()
    {
        m_errors.clear();
        platform::setUnhandledErrorReporter([this](const QString &m) { m_errors << m; });
    }

    void cleanup()
    {
        // No handler may have ended the lesson with a run-time error.
        QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join(QLatin1Char('\n'))));
        QVERIFY(!platform::programEnded());
    }

    void readingAListValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("an item") << "7" << 7;
        QTest::newRow("half rounds down to even") << "2.5" << 2;
        QTest::newRow("half rounds up to even") << "3.5" << 4;
        QTest::newRow("half of an odd ten") << "9.5" << 10;
        QTest::newRow("below a half") << "2.49" << 2;
        QTest::newRow("a bare fraction") << ".5" << 0;
        QTest::newRow("blanks, then letters after the number") << " 12abc" << 12;
        QTest::newRow("letters only") << "abc" << 0;
        QTest::newRow("letters before a number") << "abc12" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("the placeholder") << "PQ" << 0;
        QTest::newRow("negative") << "-3" << -3;
        QTest::newRow("negative half") << "-2.5" << -2;
        QTest::newRow("plus sign") << "+4" << 4;
        QTest::newRow("a sign alone") << "-" << 0;
        QTest::newRow("exponent") << "1e3" << 1000;
        QTest::newRow("exponent without digits") << "2e" << 2;
        QTest::newRow("negative exponent") << "25e-1" << 2;
        QTest::newRow("comma is no decimal point") << "1,5" << 1;
        QTest::newRow("hexadecimal is not read") << "0x10" << 0;
        QTest::newRow("wide digit is no digit") << "\uFF17" << 0;
        QTest::newRow("largest") << "32767" << 32767;
        QTest::newRow("just too large") << "32768" << 32767;
        QTest::newRow("rounds beyond the largest") << "32767.5" << 32767;
        QTest::newRow("far too large") << "99999" << 32767;
        QTest::newRow("huge exponent") << "1e400" << 32767;
        QTest::newRow("smallest") << "-32768" << -32768;
        QTest::newRow("just too small") << "-32769" << -32768;
        QTest::newRow("far too small") << "-99999" << -32768;
        QTest::newRow("huge negative exponent") << "-1e400" << -32768;
        QTest::newRow("vanishing exponent") << "1e-400" << 0;
        QTest::newRow("a very long number") << QString(40000, QLatin1Char('9')) << 32767;
        QTest::newRow("a very long negative number")
            << QStringLiteral("-") + QString(40000, QLatin1Char('1')) << -32768;
        QTest::newRow("a very long fraction")
            << QStringLiteral("3.") + QString(40000, QLatin1Char('0')) + QLatin1Char('1') << 3;
    }

    void readingAListValue()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(int(readListValue(text)), value);
    }

    void guidedStartAsksForTheRadiiFirst()
    {
        LessonWindow w;
        startLesson(w);
        QVERIFY(clickButton(w, w.lblNext));

        // Back is offered where Next was.
        QVERIFY(w.lblNext->isHidden());
        QCOMPARE(w.form->childAt(w.lblNext->geometry().center()),
                 static_cast<QWidget *>(w.lblBack));
        for (ComboBox *list : {w.cboR1, w.cboR2, w.cboPQ})
            QVERIFY(list->isVisible());
        QVERIFY(w.cboR1->isEnabled());
        QVERIFY(!w.cboR2->isEnabled());
        QVERIFY(!w.cboPQ->isEnabled());
        QVERIFY(w.rtfSelect->isVisible());
        QCOMPARE(checkPrompt(w.rtfSelect, kGuidedPrompt), QString());
        QVERIFY(drawnCentred(w.rtfSelect));
        QVERIFY(framesAt(w, 7.595));
        const QList<RichTextBox *> boxes = ruleBoxes(w);
        for (int k = 0; k < boxes.size(); ++k) {
            QCOMPARE(boxes[k]->Left(), 3.0);
            QCOMPARE(boxes[k]->Top(), 3.0 + k);
        }
        for (QWidget *hidden : std::initializer_list<QWidget *>{
                 w.rtfSuppose1, w.rtfSuppose2, w.lblPossibility, w.rtfHighlight, w.lblR1, w.lblR11,
                 w.lblR2, w.lblR22, w.lblPQ1, w.lblPrint})
            QVERIFY2(hidden->isHidden(), qPrintable(hidden->objectName()));
        QCOMPARE(w.cmdHome->Left(), 23.336);
        QCOMPARE(w.cmdHome->Top(), 2.0);
        // The invitation waits, unchanged, under the message box.
        QCOMPARE(w.lblPQ->Top(), 0.106);
        QCOMPARE(w.lblPQ->caption(), kInvitation);
        QVERIFY(!w.Timer2->Enabled());
        QVERIFY(w.Timer5->Enabled());
        QCOMPARE(w.surface().operationCount(), 0);

        // The later lists do not answer yet.
        w.cboR2->setFocus();
        QTest::keyClick(w.cboR2, Qt::Key_Down);
        QCOMPARE(w.cboR2->Text(), QStringLiteral("r2"));
        QCOMPARE(w.r2, qint16(0));
    }

    void eachChoiceOpensTheNextStage()
    {
        LessonWindow w;
        startLesson(w);
        QVERIFY(clickButton(w, w.lblNext));

        QVERIFY(choose(w.cboR1, 3));
        QCOMPARE(w.r1, qint16(3));
        QVERIFY(w.cboR2->isEnabled());
        QVERIFY(!w.cboPQ->isEnabled());
        QVERIFY(w.lblPQ->isHidden());
        QCOMPARE(checkPrompt(w.rtfSelect, kGuidedPrompt), QString());
        QVERIFY(w.lblR1->isVisible() && w.lblR11->isVisible());
        QVERIFY(w.lblR2->isHidden());
        QCOMPARE(w.cboR1->backColor(), w.form->backColor());
        QVERIFY(highlightedRules(w).isEmpty());
        QCOMPARE(w.surface().operationCount(), 0);

        QVERIFY(choose(w.cboR2, 2));
        QCOMPARE(w.r2, qint16(2));
        QVERIFY(w.cboPQ->isEnabled());
        QVERIFY(w.rtfSelect->isHidden());
        QVERIFY(w.lblPQ->isVisible());
        QCOMPARE(w.lblPQ->caption(), kDistancePrompt);
        QVERIFY(w.lblR2->isVisible() && w.lblR22->isVisible());
        QCOMPARE(w.cboR2->backColor(), w.form->backColor());
        QVERIFY(highlightedRules(w).isEmpty());
        QCOMPARE(w.surface().operationCount(), 0);
        QVERIFY(framesAt(w, 7.595));

        // A new r1 while the distance is still open asks for the distance again.
        w.lblPQ->hide();
        w.rtfSelect->show();
        QVERIFY(choose(w.cboR1, 4));
        QVERIFY(w.rtfSelect->isHidden());
        QVERIFY(w.lblPQ->isVisible());
        QCOMPARE(w.lblPQ->caption(), kDistancePrompt);
        QVERIFY(highlightedRules(w).isEmpty());

        QVERIFY(choose(w.cboR1, 3));
        QVERIFY(choose(w.cboPQ, 4));
        QCOMPARE(w.PQ, qint16(4));
        QCOMPARE(w.r1PlusR2, qint16(5));
        QCOMPARE(w.absR1MinusR2, qint16(1));
        QVERIFY(w.rtfSelect->isVisible());
        QCOMPARE(checkPrompt(w.rtfSelect, kRearrangePrompt), QString());
        QVERIFY(drawnCentred(w.rtfSelect));
        QVERIFY(w.lblPQ->isHidden());
        QVERIFY(w.lblPQ1->isVisible());
        QVERIFY(w.lblPrint->isVisible());
        QVERIFY(!w.Timer5->Enabled());
        QVERIFY(!w.Timer6->Enabled());
        QVERIFY(framesAt(w, 17.595));
        QCOMPARE(w.cboPQ->backColor(), w.form->backColor());
        QCOMPARE(checkCompleteChoice(w, 3, 2, 4), QString());
        QCOMPARE(highlightedRules(w), QList<int>{3});
    }

    void anyOrderAfterAllThree()
    {
        LessonWindow w;
        startLesson(w);
        QVERIFY(clickButton(w, w.lblNext));
        QVERIFY(choose(w.cboR1, 3));
        QVERIFY(choose(w.cboR2, 2));
        QVERIFY(choose(w.cboPQ, 4));

        // A radius keeps the centres of the last distance; only the circles change.
        QVERIFY(choose(w.cboR2, 5));
        QCOMPARE(checkCompleteChoice(w, 3, 5, 4), QString());
        QVERIFY(choose(w.cboR1, 1));
        QCOMPARE(checkCompleteChoice(w, 1, 5, 4), QString());
        QCOMPARE(highlightedRules(w), QList<int>{2});
        QVERIFY(choose(w.cboPQ, 9));
        QCOMPARE(checkCompleteChoice(w, 1, 5, 9), QString());
        QVERIFY(choose(w.cboR2, 1));
        QCOMPARE(checkCompleteChoice(w, 1, 1, 9), QString());
        QCOMPARE(highlightedRules(w), QList<int>{5});
        // The same item again runs the whole choice again.
        QVERIFY(choose(w.cboR2, 1));
        QCOMPARE(checkCompleteChoice(w, 1, 1, 9), QString());
        QCOMPARE(checkPrompt(w.rtfSelect, kRearrangePrompt), QString());
        QVERIFY(w.lblPQ->isHidden());
        QVERIFY(framesAt(w, 17.595));
    }

    void everyCombinationHighlightsTheRelationThatHolds_data()
    {
        QTest::addColumn<int>("last");
        QTest::newRow("distance chosen last") << 2;
        QTest::newRow("r1 chosen last") << 0;
        QTest::newRow("r2 chosen last") << 1;
    }

    // All 5 x 5 x 13 choices the lists offer, each reached through the list the row names.
    void everyCombinationHighlightsTheRelationThatHolds()
    {
        QFETCH(int, last);
        LessonWindow w;
        startLesson(w);
        QVERIFY(clickButton(w, w.lblNext));
        QVERIFY(choose(w.cboR1, 1));
        QVERIFY(choose(w.cboR2, 1));
        QVERIFY(choose(w.cboPQ, 0));

        ComboBox *const lists[] = {w.cboR1, w.cboR2, w.cboPQ};
        const int first[] = {1, 1, 0};
        const int end[] = {6, 6, 13};
        const int outer = last == 0 ? 2 : 0;
        const int middle = last == 1 ? 2 : 1;
        int checked = 0;
        int value[3];
        for (value[outer] = first[outer]; value[outer] < end[outer]; ++value[outer]) {
            QVERIFY(choose(lists[outer], value[outer]));
            for (value[middle] = first[middle]; value[middle] < end[middle]; ++value[middle]) {
                QVERIFY(choose(lists[middle], value[middle]));
                for (value[last] = first[last]; value[last] < end[last]; ++value[last]) {
                    QVERIFY(choose(lists[last], value[last]));
                    const QString fault = checkCompleteChoice(w, value[0], value[1], value[2]);
                    QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("r1 %1, r2 %2, PQ %3: %4")
                                                             .arg(value[0])
                                                             .arg(value[1])
                                                             .arg(value[2])
                                                             .arg(fault)));
                    ++checked;
                }
            }
        }
        QCOMPARE(checked, 325);
    }

    void backFromEveryStage_data()
    {
        QTest::addColumn<int>("chosen"); // how many of r1, r2, PQ were chosen
        QTest::newRow("nothing chosen") << 0;
        QTest::newRow("r1 chosen") << 1;
        QTest::newRow("r1 and r2 chosen") << 2;
        QTest::newRow("all three chosen") << 3;
    }

    void backFromEveryStage()
    {
        QFETCH(int, chosen);
        LessonWindow w;
        startLesson(w);
        QVERIFY(clickButton(w, w.lblNext));
        if (chosen > 0)
            QVERIFY(choose(w.cboR1, 3));
        if (chosen > 1)
            QVERIFY(choose(w.cboR2, 2));
        if (chosen > 2)
            QVERIFY(choose(w.cboPQ, 4));
        const QString texts[] = {w.cboR1->Text(), w.cboR2->Text(), w.cboPQ->Text()};
        const bool enabled[] = {w.cboR1->isEnabled(), w.cboR2->isEnabled(), w.cboPQ->isEnabled()};

        QVERIFY(clickButton(w, w.lblBack));

        // The figure and the highlight are gone, the choice is kept.
        QCOMPARE(w.surface().operationCount(), 0);
        QVERIFY(highlightedRules(w).isEmpty());
        for (RichTextBox *box : ruleBoxes(w))
            QCOMPARE(box->toolTipText(), QString());
        ComboBox *const lists[] = {w.cboR1, w.cboR2, w.cboPQ};
        for (int i = 0; i < 3; ++i) {
            QVERIFY(lists[i]->isHidden());
            QCOMPARE(lists[i]->Text(), texts[i]);
            QCOMPARE(lists[i]->isEnabled(), enabled[i]);
        }
        QCOMPARE(w.r1, qint16(chosen > 0 ? 3 : 0));
        QCOMPARE(w.r2, qint16(chosen > 1 ? 2 : 0));
        QCOMPARE(w.PQ, qint16(chosen > 2 ? 4 : 0));

        // The introduction page in its reading layout.
        QVERIFY(w.lblBack->isHidden());
        QCOMPARE(w.form->childAt(w.lblBack->geometry().center()),
                 static_cast<QWidget *>(w.lblNext));
        for (QWidget *hidden : std::initializer_list<QWidget *>{w.lblPrint, w.lblR1, w.lblR11,
                                                                w.lblR2, w.lblR22, w.lblPQ1})
            QVERIFY2(hidden->isHidden(), qPrintable(hidden->objectName()));
        QVERIFY(w.lblPQ->isVisible());
        QCOMPARE(w.lblPQ->Top(), 16.0);
        QCOMPARE(w.lblPQ->caption(), kInvitation);
        QVERIFY(w.rtfSelect->isVisible());
        QCOMPARE(w.rtfSelect->Text(), kContactLine);
        for (int i = 0; i < kContactLine.size(); ++i) {
            QCOMPARE(w.rtfSelect->colourAt(i), kBlue);
            QCOMPARE(w.rtfSelect->charOffsetAt(i), 0);
        }
        QVERIFY(w.lblRelative->isVisible());
        QCOMPARE(w.lblRelative->caption(), kHeading);
        QCOMPARE(w.lblRelative->Left(), 3.175);
        QCOMPARE(w.lblRelative->Top(), 1.482);
        QCOMPARE(w.lblRelative->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(w.lblRelative->font().pointSizeF(), 20.0);
        QVERIFY(w.lblRelative->font().underline());
        QVERIFY(w.rtfSuppose1->isVisible() && w.rtfSuppose2->isVisible());
        QCOMPARE(w.rtfSuppose1->Top(), 2.752);
        QCOMPARE(w.rtfSuppose2->Top(), 3.598);
        QVERIFY(w.lblPossibility->isVisible());
        QCOMPARE(w.lblPossibility->Top(), 4.868);
        QVERIFY(w.rtfHighlight->isVisible());
        const double tops[] = {5.927, 7.197, 8.467, 9.71, 11.007};
        const QList<RichTextBox *> boxes = ruleBoxes(w);
        for (int k = 0; k < boxes.size(); ++k) {
            QCOMPARE(boxes[k]->Left(), 3.701);
            QCOMPARE(boxes[k]->Top(), tops[k]);
        }
        QVERIFY(framesAt(w, 17.595));
        QCOMPARE(w.cmdHome->Left(), 19.0);
        QCOMPARE(w.cmdHome->Top(), 14.0);

        // Next again: a guided start while no distance was chosen, with the radii kept.
        QVERIFY(clickButton(w, w.lblNext));
        if (chosen < 3) {
            QVERIFY(w.cboR1->isEnabled());
            QVERIFY(!w.cboR2->isEnabled());
            QVERIFY(!w.cboPQ->isEnabled());
            QCOMPARE(w.cboR1->Text(), texts[0]);
            QCOMPARE(w.cboR2->Text(), texts[1]);
            QCOMPARE(checkPrompt(w.rtfSelect, kGuidedPrompt), QString());
            QVERIFY(w.lblR1->isHidden() && w.lblR2->isHidden());
            QVERIFY(framesAt(w, 7.595));
            QCOMPARE(w.surface().operationCount(), 0);
            // ...and the lesson goes on from there in the guided order.
            QVERIFY(choose(w.cboR1, 5));
            QVERIFY(choose(w.cboR2, 1));
            QVERIFY(choose(w.cboPQ, 4));
            QCOMPARE(checkCompleteChoice(w, 5, 1, 4), QString());
            QCOMPARE(highlightedRules(w), QList<int>{2});
        } else {
            QCOMPARE(checkCompleteChoice(w, 3, 2, 4), QString());
        }
    }

    void resumeShowsTheSameFigureAndHighlight()
    {
        LessonWindow w;
        startLesson(w);
        w.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.form));
        QVERIFY(clickButton(w, w.lblNext));
        QVERIFY(choose(w.cboR1, 3));
        QVERIFY(choose(w.cboR2, 2));
        QVERIFY(choose(w.cboPQ, 4));
        const QImage figure = w.surface().image();
        QVERIFY(clickButton(w, w.lblBack));
        w.cmdHome->setFocus(); // the focus is somewhere else when the pupil comes back

        QVERIFY(clickButton(w, w.lblNext));
        QCOMPARE(w.surface().image(), figure);
        QCOMPARE(checkCompleteChoice(w, 3, 2, 4), QString());
        QCOMPARE(highlightedRules(w), QList<int>{3});
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.cboPQ));
        QCOMPARE(checkPrompt(w.rtfSelect, kRearrangePrompt), QString());
        QVERIFY(drawnCentred(w.rtfSelect));
        for (QWidget *shown : std::initializer_list<QWidget *>{
                 w.lblR1, w.lblR11, w.lblR2, w.lblR22, w.lblPQ1, w.lblPrint, w.lblRelative, w.cboR1,
                 w.cboR2, w.cboPQ, w.lblBack})
            QVERIFY2(shown->isVisible(), qPrintable(shown->objectName()));
        for (QWidget *hidden :
             std::initializer_list<QWidget *>{w.lblPQ, w.lblNext, w.rtfSuppose1, w.rtfSuppose2,
                                              w.lblPossibility, w.rtfHighlight})
            QVERIFY2(hidden->isHidden(), qPrintable(hidden->objectName()));
        QCOMPARE(w.lblRelative->caption(), kHeading);
        QCOMPARE(w.lblRelative->Left(), 3.175);
        QCOMPARE(w.lblRelative->Top(), 1.482);
        QCOMPARE(w.rtBox3->Left(), 3.0);
        QCOMPARE(w.rtBox3->Top(), 5.0);
        QVERIFY(framesAt(w, 17.595));
        QVERIFY(!w.Timer2->Enabled());
        QVERIFY(w.Timer5->Enabled());
        QVERIFY(!w.Timer6->Enabled());
        for (ComboBox *list : {w.cboR1, w.cboR2, w.cboPQ})
            QVERIFY(list->isEnabled());

        // The resumed lesson goes on: a new distance is drawn and classified.
        QVERIFY(choose(w.cboPQ, 12));
        QCOMPARE(checkCompleteChoice(w, 3, 2, 12), QString());
    }

    void onlyAPickRunsAListHandler()
    {
        LessonWindow w;
        startLesson(w);
        w.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.form));
        QVERIFY(clickButton(w, w.lblNext));

        typeInto(w.cboR1, QStringLiteral("3"));
        QCOMPARE(w.cboR1->Text(), QStringLiteral("3"));
        QTest::keyClick(w.cboR1->lineEdit(), Qt::Key_Return);
        QTest::keyClick(w.cboR1->lineEdit(), Qt::Key_Tab);
        QCOMPARE(w.r1, qint16(0));
        QVERIFY(!w.cboR2->isEnabled());
        QVERIFY(w.lblR1->isHidden());

        // A pick from the open list does run it.
        QVERIFY(choose(w.cboR1, 4));
        QCOMPARE(w.r1, qint16(4));
        QVERIFY(w.cboR2->isEnabled());
        QVERIFY(w.lblR1->isVisible());

        // So does an arrow key in the list's field: the first item after the placeholder.
        w.cboR2->setFocus();
        QTest::keyClick(w.cboR2->lineEdit(), Qt::Key_Down);
        QCOMPARE(w.cboR2->Text(), QStringLiteral("1"));
        QCOMPARE(w.r2, qint16(1));
        QVERIFY(w.cboPQ->isEnabled());
    }

    void typedDistanceIsReadWhenTheLessonNeedsIt_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("read"); // the distance the lesson reads from it
        QTest::addColumn<int>("rule"); // the rule that then holds for r1 4, r2 2
        QTest::newRow("empty") << "" << 0 << 4;
        QTest::newRow("letters") << "pq" << 0 << 4;
        QTest::newRow("placeholder with a blank") << " PQ" << 0 << 4;
        QTest::newRow("number then letters") << "7cm" << 7 << 5;
        QTest::newRow("a half") << "2.5" << 2 << 2;
        QTest::newRow("negative") << "-3" << -3 << 4;
        QTest::newRow("exponent") << "1e3" << 1000 << 5;
        QTest::newRow("exponent without digits") << "6e" << 6 << 1;
        QTest::newRow("beyond the largest") << "99999" << 32767 << 5;
        QTest::newRow("beyond the smallest") << "-99999" << -32768 << 4;
    }

    // Typing alone runs nothing; a radius choice reads the typed distance for the rule but keeps
    // the centres of the last distance picked; Next after Back draws the typed distance; and a
    // pick from the list afterwards works as ever.
    void typedDistanceIsReadWhenTheLessonNeedsIt()
    {
        QFETCH(QString, typed);
        QFETCH(int, read);
        QFETCH(int, rule);
        LessonWindow w;
        startLesson(w);
        QVERIFY(clickButton(w, w.lblNext));
        QVERIFY(choose(w.cboR1, 3));
        QVERIFY(choose(w.cboR2, 2));
        QVERIFY(choose(w.cboPQ, 4));

        typeInto(w.cboPQ, typed);
        QCOMPARE(w.cboPQ->Text(), typed);
        QCOMPARE(w.PQ, qint16(4));

        QVERIFY(choose(w.cboR1, 4));
        QCOMPARE(int(w.PQ), read);
        QCOMPARE(highlightedRules(w), QList<int>{rule});
        QCOMPARE(w.xP, 11.0f);
        QCOMPARE(w.xQ, 15.0f);
        QVERIFY(redPointsOnCircle(w.surface().image(), 11, 13, 4) >= 12);

        QVERIFY(clickButton(w, w.lblBack));
        QVERIFY(clickButton(w, w.lblNext));
        QCOMPARE(int(w.PQ), read);
        QCOMPARE(w.xP, float(13 - read / 2.0));
        QCOMPARE(highlightedRules(w), QList<int>{rule});

        QVERIFY(choose(w.cboPQ, 4));
        QCOMPARE(checkCompleteChoice(w, 4, 2, 4), QString());
    }

    void typedRadiusWaitsForAPick_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("empty") << "";
        QTest::newRow("letters") << "abc";
        QTest::newRow("beyond the largest") << "40000";
        QTest::newRow("exponent") << "9e99";
    }

    void typedRadiusWaitsForAPick()
    {
        QFETCH(QString, typed);
        LessonWindow w;
        startLesson(w);
        QVERIFY(clickButton(w, w.lblNext));
        QVERIFY(choose(w.cboR1, 3));
        QVERIFY(choose(w.cboR2, 2));
        QVERIFY(choose(w.cboPQ, 4));

        typeInto(w.cboR2, typed);
        QVERIFY(choose(w.cboPQ, 5));
        QCOMPARE(w.r2, qint16(2));
        QCOMPARE(checkCompleteChoice(w, 3, 2, 5), QString());
        QVERIFY(clickButton(w, w.lblBack));
        QVERIFY(clickButton(w, w.lblNext));
        QCOMPARE(checkCompleteChoice(w, 3, 2, 5), QString());
        // The next pick replaces the typed text.
        QVERIFY(choose(w.cboR2, 3));
        QCOMPARE(checkCompleteChoice(w, 3, 3, 5), QString());
    }

    // A paste far longer than any number leaves the lesson running and answering.
    void veryLongPasteIsHarmless()
    {
        LessonWindow w;
        startLesson(w);
        QVERIFY(clickButton(w, w.lblNext));
        QVERIFY(choose(w.cboR1, 3));
        QVERIFY(choose(w.cboR2, 2));
        QVERIFY(choose(w.cboPQ, 4));
        QApplication::clipboard()->setText(QString(100000, QLatin1Char('7')));
        w.cboPQ->setFocus();
        w.cboPQ->lineEdit()->selectAll();
        QTest::keyClick(w.cboPQ->lineEdit(), Qt::Key_V, Qt::ControlModifier);
        QVERIFY(w.cboPQ->Text().size() > 1000);

        QVERIFY(choose(w.cboR2, 1));
        QCOMPARE(w.PQ, qint16(32767));
        QCOMPARE(highlightedRules(w), QList<int>{5});
        QVERIFY(clickButton(w, w.lblBack));
        QVERIFY(clickButton(w, w.lblNext));
        QCOMPARE(w.PQ, qint16(32767));
        QVERIFY(choose(w.cboPQ, 2));
        QCOMPARE(checkCompleteChoice(w, 3, 1, 2), QString());
    }
};

QTEST_MAIN(TestLesson)
#include "tst_lesson.moc"
