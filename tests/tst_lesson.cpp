// Whole lessons as a pupil goes through them: Next, the three lists in their guided order and in
// any order afterwards, Back from every stage and Next again, checked against the pages' layout,
// the prompts and an independent account of how two circles lie. Also the reading of a list's
// value, and typed text of every kind in the lists' fields.

#include "circlegeometry.h"

#include "app/contactline.h"
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
#include <initializer_list>
#include <numbers>

using platform::ComboBox;
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
const QString kHeading = QStringLiteral("Relative position of two circles in R\u00B2");

// A click where the pupil sees the Next/Back button: whichever label the window puts at that
// place takes it, and it must be the one expected.
bool clickButton(LessonWindow &w, platform::Label *expected)
{
    if (w.form->childAt(expected->geometry().center()) != expected)
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

// A fresh lesson taken to the practice page by Next, with the given values picked in r1, r2 and
// PQ in that order (as many as are given).
bool startPractice(LessonWindow &w, const QList<int> &values)
{
    w.Form_Load();
    w.show();
    w.form->activateWindow();
    if (!QTest::qWaitForWindowActive(w.form) || !clickButton(w, w.lblNext))
        return false;
    ComboBox *const lists[] = {w.cboR1, w.cboR2, w.cboPQ};
    int i = 0;
    for (int value : values)
        if (!choose(lists[i++], value))
            return false;
    return true;
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

// Of sixteen points spread round the circle, how many have red drawn within two pixels.
int redPointsOnCircle(const QImage &image, double cx, double cy, double radius)
{
    const double ratio = image.devicePixelRatio();
    const auto isReddish = [](const QColor &c) {
        return c.alpha() > 160 && c.red() > 160 && c.green() < 90 && c.blue() < 90;
    };
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
// twips and set in 7 points, every other character on the line.
QString checkPrompt(RichTextBox *box, const QString &text)
{
    if (box->Text() != text ||
        box->document()->firstBlock().blockFormat().alignment() != Qt::AlignHCenter)
        return QStringLiteral("text \"%1\", not centred or not as shown").arg(box->Text());
    const int digit1 = int(text.indexOf(QStringLiteral("r1"))) + 1;
    const int digit2 = int(text.indexOf(QStringLiteral("r2"))) + 1;
    for (int i = 0; i < text.size(); ++i) {
        const bool lowered = i == digit1 || i == digit2;
        if (box->colourAt(i) != kBlue || box->charOffsetAt(i) != (lowered ? -60 : 0) ||
            (lowered && box->fontSizeAt(i) != 7))
            return QStringLiteral("character %1: colour %2, offset %3, %4 pt")
                .arg(i)
                .arg(box->colourAt(i), 0, 16)
                .arg(box->charOffsetAt(i))
                .arg(box->fontSizeAt(i));
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
    // The left margin is `first`, the right one the width after `last`.
    return last >= first && std::abs(first - (image.width() - 1 - last)) <= 8;
}

// A control's name and place in centimetres, to compare a page's layout in one go.
template <typename Control> QString place(const Control *control)
{
    return QStringLiteral("%1 %2,%3")
        .arg(control->objectName())
        .arg(control->Left())
        .arg(control->Top());
}

// The practice page after the values in `picked` were chosen in r1, r2 and PQ, in that order
// and as many as given: Back in Next's place, the lists opened one stage at a time, the rules in
// a column at the upper left, the prompt of the stage, and with all three the pupil's figure.
void checkStage(LessonWindow &w, const QList<int> &picked)
{
    const qsizetype chosen = picked.size();
    QCOMPARE(w.form->childAt(w.lblNext->geometry().center()), static_cast<QWidget *>(w.lblBack));
    ComboBox *const lists[] = {w.cboR1, w.cboR2, w.cboPQ};
    for (int i = 0; i < 3; ++i) {
        QVERIFY(lists[i]->isVisible());
        QCOMPARE(lists[i]->isEnabled(), chosen >= i);
        if (i < chosen)
            QCOMPARE(lists[i]->backColor(), w.form->backColor());
    }
    const std::pair<QWidget *, bool> shown[] = {
        {w.lblNext, false},        {w.rtfSuppose1, false},    {w.rtfSuppose2, false},
        {w.lblPossibility, false}, {w.rtfHighlight, false},   {w.lblR1, chosen >= 1},
        {w.lblR11, chosen >= 1},   {w.lblR2, chosen >= 2},    {w.lblR22, chosen >= 2},
        {w.lblPQ1, chosen == 3},   {w.lblPrint, chosen == 3}, {w.lblPQ, chosen == 0 || chosen == 2},
        {w.rtfSelect, chosen != 2}};
    for (const auto &[widget, visible] : shown)
        QVERIFY2(widget->isVisible() == visible, qPrintable(widget->objectName()));
    QCOMPARE((QStringList{place(w.rtBox1), place(w.rtBox2), place(w.rtBox3), place(w.rtBox4),
                          place(w.rtBox5), place(w.cmdHome)}),
             (QStringList{"rtBox1 3,3", "rtBox2 3,4", "rtBox3 3,5", "rtBox4 3,6", "rtBox5 3,7",
                          "cmdHome 23.336,2"}));
    QCOMPARE(float(w.Shape1->Height()), chosen == 3 ? 17.595f : 7.595f);
    QVERIFY(!w.Timer2->Enabled());
    if (chosen == 3) {
        QCOMPARE(checkPrompt(w.rtfSelect, kRearrangePrompt), QString());
        QCOMPARE(checkCompleteChoice(w, picked[0], picked[1], picked[2]), QString());
        return;
    }
    if (chosen == 2)
        QCOMPARE(w.lblPQ->caption(), kDistancePrompt);
    else
        QCOMPARE(checkPrompt(w.rtfSelect, kGuidedPrompt), QString());
    QVERIFY(highlightedRules(w).isEmpty());
    QCOMPARE(w.surface().operationCount(), 0);
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
        QTest::newRow("a bare fraction") << ".5" << 0;
        QTest::newRow("blanks, then letters after the number") << " 12abc" << 12;
        QTest::newRow("letters only") << "abc" << 0;
        QTest::newRow("letters before a number") << "abc12" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("negative") << "-3" << -3;
        QTest::newRow("negative half") << "-2.5" << -2;
        QTest::newRow("a sign alone") << "-" << 0;
        QTest::newRow("exponent") << "1e3" << 1000;
        QTest::newRow("exponent without digits") << "2e" << 2;
        QTest::newRow("comma is no decimal point") << "1,5" << 1;
        QTest::newRow("hexadecimal is not read") << "0x10" << 0;
        QTest::newRow("wide digit is no digit") << "\uFF17" << 0;
        QTest::newRow("just too large") << "32768" << 32767;
        QTest::newRow("rounds beyond the largest") << "32767.5" << 32767;
        QTest::newRow("huge exponent") << "1e400" << 32767;
        QTest::newRow("just too small") << "-32769" << -32768;
        QTest::newRow("a very long number") << QString(40000, QLatin1Char('9')) << 32767;
        QTest::newRow("a very long fraction")
            << QStringLiteral("3.") + QString(40000, QLatin1Char('0')) + QLatin1Char('1') << 3;
    }

    void readingAListValue()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(int(readListValue(text)), value);
    }

    void everyCombinationHighlightsTheRelationThatHolds_data()
    {
        QTest::addColumn<int>("r1");
        QTest::addColumn<int>("r2");
        QTest::addColumn<int>("pq");
        for (int r1 = 1; r1 <= 5; ++r1)
            for (int r2 = 1; r2 <= 5; ++r2)
                for (int pq = 0; pq <= 12; ++pq)
                    QTest::addRow("radii %d and %d, centres %d apart", r1, r2, pq)
                        << r1 << r2 << pq;
    }

    // All 5 x 5 x 13 choices the lists offer, picked in the guided order.
    void everyCombinationHighlightsTheRelationThatHolds()
    {
        QFETCH(int, r1);
        QFETCH(int, r2);
        QFETCH(int, pq);
        LessonWindow w;
        QVERIFY(startPractice(w, {r1, r2, pq}));
        QCOMPARE(checkCompleteChoice(w, r1, r2, pq), QString());
    }

    void lessonFromEveryStage_data()
    {
        QTest::addColumn<int>("chosen"); // how many of r1 3, r2 2 and PQ 4 are picked
        QTest::newRow("guided start") << 0;
        QTest::newRow("r1 chosen") << 1;
        QTest::newRow("r1 and r2 chosen") << 2;
        QTest::newRow("all three chosen") << 3;
    }

    // Next and the lists in the guided order up to a stage; Back from there keeps the choice and
    // shows the introduction page in its reading layout; Next then starts the guided order again
    // while no distance was chosen, or resumes the lesson as it was, in which the lists may then
    // be changed in any order.
    void lessonFromEveryStage()
    {
        QFETCH(int, chosen);
        const QList<int> picked = QList<int>{3, 2, 4}.first(chosen);
        LessonWindow w;
        QVERIFY(startPractice(w, picked));
        checkStage(w, picked);
        if (chosen == 0) {
            QVERIFY(drawnCentred(w.rtfSelect));
            // The invitation waits, unchanged, under the message box.
            QCOMPARE(w.lblPQ->Top(), 0.106);
            QCOMPARE(w.lblPQ->caption(), kInvitation);
            QVERIFY(w.Timer5->Enabled());
            // The later lists do not answer yet.
            w.cboR2->setFocus();
            QTest::keyClick(w.cboR2, Qt::Key_Down);
            QCOMPARE(w.cboR2->Text(), QStringLiteral("r2"));
            QCOMPARE(w.r2, qint16(0));
        } else if (chosen == 2) {
            // A new r1 while the distance is still open asks for the distance again.
            w.lblPQ->hide();
            w.rtfSelect->show();
            QVERIFY(choose(w.cboR1, 4));
            checkStage(w, {4, 2});
            QVERIFY(choose(w.cboR1, 3));
        } else if (chosen == 3) {
            QVERIFY(drawnCentred(w.rtfSelect));
            QVERIFY(!w.Timer5->Enabled());
            QVERIFY(!w.Timer6->Enabled());
        }
        const QImage figure = w.surface().image();
        ComboBox *const lists[] = {w.cboR1, w.cboR2, w.cboPQ};
        QStringList texts;
        for (ComboBox *list : lists)
            texts << list->Text();

        QVERIFY(clickButton(w, w.lblBack));

        // The figure and the highlight are gone, the choice is kept.
        QCOMPARE(w.surface().operationCount(), 0);
        for (RichTextBox *box : ruleBoxes(w))
            QVERIFY(box->backColor() != kYellow && box->toolTipText().isEmpty());
        for (int i = 0; i < 3; ++i) {
            QVERIFY(lists[i]->isHidden());
            QCOMPARE(lists[i]->Text(), texts[i]);
            QCOMPARE(lists[i]->isEnabled(), chosen >= i);
        }
        QCOMPARE(w.r1, qint16(chosen > 0 ? 3 : 0));
        QCOMPARE(w.r2, qint16(chosen > 1 ? 2 : 0));
        QCOMPARE(w.PQ, qint16(chosen > 2 ? 4 : 0));
        // The introduction page in its reading layout.
        QCOMPARE(w.form->childAt(w.lblBack->geometry().center()),
                 static_cast<QWidget *>(w.lblNext));
        for (QWidget *hidden : std::initializer_list<QWidget *>{
                 w.lblBack, w.lblPrint, w.lblR1, w.lblR11, w.lblR2, w.lblR22, w.lblPQ1})
            QVERIFY2(hidden->isHidden(), qPrintable(hidden->objectName()));
        for (QWidget *shown :
             std::initializer_list<QWidget *>{w.lblPQ, w.rtfSelect, w.lblRelative, w.rtfSuppose1,
                                              w.rtfSuppose2, w.lblPossibility, w.rtfHighlight})
            QVERIFY2(shown->isVisible(), qPrintable(shown->objectName()));
        QCOMPARE(w.lblPQ->caption(), kInvitation);
        QCOMPARE(w.rtfSelect->Text(), contactLine());
        for (int i = 0; i < contactLine().size(); ++i)
            QVERIFY(w.rtfSelect->colourAt(i) == kBlue && w.rtfSelect->charOffsetAt(i) == 0);
        QCOMPARE(w.lblRelative->caption(), kHeading);
        QCOMPARE(w.lblRelative->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(w.lblRelative->font().pointSizeF(), 20.0);
        QVERIFY(w.lblRelative->font().underline());
        QCOMPARE((QStringList{place(w.lblRelative), place(w.rtBox1), place(w.rtBox2),
                              place(w.rtBox3), place(w.rtBox4), place(w.rtBox5), place(w.cmdHome)}),
                 (QStringList{"lblRelative 3.175,1.482", "rtBox1 3.701,5.927", "rtBox2 3.701,7.197",
                              "rtBox3 3.701,8.467", "rtBox4 3.701,9.71", "rtBox5 3.701,11.007",
                              "cmdHome 19,14"}));
        QCOMPARE((QList<double>{w.rtfSuppose1->Top(), w.rtfSuppose2->Top(), w.lblPossibility->Top(),
                                w.lblPQ->Top()}),
                 (QList<double>{2.752, 3.598, 4.868, 16.0}));
        QCOMPARE(float(w.Shape1->Height()), 17.595f);

        // Next again, with the focus somewhere else as the pupil comes back.
        w.cmdHome->setFocus();
        QVERIFY(clickButton(w, w.lblNext));
        QVERIFY(w.Timer5->Enabled());
        if (chosen < 3) {
            checkStage(w, {});
            // ...with the radii kept, and goes on from there in the guided order.
            QCOMPARE(w.cboR1->Text() + w.cboR2->Text(), texts[0] + texts[1]);
            for (int i = 0; i < 3; ++i)
                QVERIFY(choose(lists[i], QList<int>{5, 1, 4}[i]));
            QCOMPARE(checkCompleteChoice(w, 5, 1, 4), QString());
            return;
        }
        // The lesson resumes with the same figure and highlight.
        checkStage(w, picked);
        QCOMPARE(w.surface().image(), figure);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.cboPQ));
        QVERIFY(!w.Timer6->Enabled());
        QCOMPARE(w.lblRelative->caption(), kHeading);
        QCOMPARE(place(w.lblRelative), QStringLiteral("lblRelative 3.175,1.482"));

        // A radius keeps the centres of the last distance; only the circles change. The same
        // item again runs the whole choice again.
        const int picks[][2] = {{2, 12}, {1, 5}, {0, 1}, {2, 9}, {1, 1}, {1, 1}};
        QList<int> value = picked;
        for (const auto &[list, pick] : picks) {
            QVERIFY(choose(lists[list], pick));
            value[list] = pick;
            checkStage(w, value);
        }
    }

    void typedTextIsReadWhenTheLessonNeedsIt_data()
    {
        QTest::addColumn<int>("list"); // the list typed into: 1 for r2, 2 for PQ
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("read"); // the distance the lesson then reads
        QTest::addColumn<int>("rule"); // the rule that then holds
        // After r1 3, r2 2, PQ 4, text typed into the distance's field, then r1 4 picked.
        QTest::newRow("distance empty") << 2 << "" << 0 << 4;
        QTest::newRow("distance letters") << 2 << "pq" << 0 << 4;
        QTest::newRow("distance placeholder with a blank") << 2 << " PQ" << 0 << 4;
        QTest::newRow("distance number then letters") << 2 << "7cm" << 7 << 5;
        QTest::newRow("distance a half") << 2 << "2.5" << 2 << 2;
        QTest::newRow("distance negative") << 2 << "-3" << -3 << 4;
        QTest::newRow("distance exponent") << 2 << "1e3" << 1000 << 5;
        QTest::newRow("distance exponent without digits") << 2 << "6e" << 6 << 1;
        QTest::newRow("distance beyond the largest") << 2 << "99999" << 32767 << 5;
        QTest::newRow("distance beyond the smallest") << 2 << "-99999" << -32768 << 4;
        QTest::newRow("distance pasted, far longer than any number") << 2 << "paste" << 32767 << 5;
        // After r1 3, r2 2, PQ 4, text typed into r2's field, then PQ 5 picked.
        QTest::newRow("radius empty") << 1 << "" << 5 << 1;
        QTest::newRow("radius letters") << 1 << "abc" << 5 << 1;
        QTest::newRow("radius beyond the largest") << 1 << "40000" << 5 << 1;
        QTest::newRow("radius exponent") << 1 << "9e99" << 5 << 1;
    }

    // Typing alone runs nothing, and a typed radius waits for a pick. A radius pick reads a
    // typed distance for the rule but keeps the centres of the last distance picked; Next after
    // Back draws what is read; and a pick from the typed list afterwards works as ever.
    void typedTextIsReadWhenTheLessonNeedsIt()
    {
        QFETCH(int, list);
        QFETCH(QString, typed);
        QFETCH(int, read);
        QFETCH(int, rule);
        LessonWindow w;
        QVERIFY(startPractice(w, {3, 2, 4}));
        ComboBox *const lists[] = {w.cboR1, w.cboR2, w.cboPQ};
        // Replaces what the field shows, as the pupil does; nothing is picked.
        QLineEdit *field = lists[list]->lineEdit();
        lists[list]->setFocus();
        field->selectAll();
        if (typed == QLatin1String("paste")) {
            QApplication::clipboard()->setText(QString(100000, QLatin1Char('7')));
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            QVERIFY(field->text().size() > 1000);
            typed = field->text();
        } else if (typed.isEmpty()) {
            QTest::keyClick(field, Qt::Key_Delete);
        } else {
            QTest::keyClicks(field, typed);
        }
        QCOMPARE(lists[list]->Text(), typed);
        QCOMPARE(w.PQ, qint16(4));

        const int r1 = list == 2 ? 4 : 3;
        QVERIFY(choose(list == 2 ? w.cboR1 : w.cboPQ, list == 2 ? 4 : 5));
        QCOMPARE(int(w.PQ), read);
        QCOMPARE(w.r2, qint16(2));
        QCOMPARE(highlightedRules(w), QList<int>{rule});
        QCOMPARE(w.xP, float(13 - (list == 2 ? 4 : read) / 2.0));
        QVERIFY(redPointsOnCircle(w.surface().image(), w.xP, 13, r1) >= 12);

        QVERIFY(clickButton(w, w.lblBack));
        QVERIFY(clickButton(w, w.lblNext));
        QCOMPARE(int(w.PQ), read);
        QCOMPARE(w.xP, float(13 - read / 2.0));
        QCOMPARE(highlightedRules(w), QList<int>{rule});

        QVERIFY(choose(lists[list], 3));
        QCOMPARE(checkCompleteChoice(w, r1, list == 1 ? 3 : 2, list == 2 ? 3 : read), QString());
    }
};

QTEST_MAIN(TestLesson)
#include "tst_lesson.moc"
