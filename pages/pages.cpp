#include "pages/pages.h"

#include "platform/colours.h"
#include "platform/design.h"
#include "platform/richtext.h"

#include <QPainter>
#include <QTextEdit>

namespace {

// The introduction's digits are lowered less than the rules' are.
constexpr int kSubscriptOffset = -60;

//: The introduction's last line; keep the two full stops and four blanks; 'Next' as on the button.
const char *const kInvitation =
    QT_TRANSLATE_NOOP("Pages", "Let us test it for practice..    Click 'Next'.");
//: The author's contact line: translate the words "Author" and "Mobile" only.
const char *const kContactLine =
    QT_TRANSLATE_NOOP("Pages", "Author:  lessons@example.org    Mobile:  07700 900461");

struct Outline
{
    double left, top, width, height; // twips as designed
    double heightFromMiddle;         // cm added to the middle frame's height
    quint32 colour;
    int penWidth;
};

const Outline kOutlines[] = {
    {480, 600, 14295, 9975, 0, 0x0000683C, 4},     // middle
    {540, 660, 14160, 9840, -0.25, 0x00808000, 1}, // inner
    {360, 480, 14550, 10230, 0.4, 0x0000683C, 1},  // outer
};

} // namespace

Frames::Frames(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    design::place(this, QRectF(QPointF(0, 0), design::kClientTwips));
}

void Frames::setMiddleHeight(double cm)
{
    m_middle = float(cm);
    update();
}

void Frames::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (const Outline &outline : kOutlines) {
        const double height = m_middle ? float(double(*m_middle) + outline.heightFromMiddle) *
                                             design::kTwipsPerCentimetre
                                       : outline.height;
        const QRect box = design::pixelRect({outline.left, outline.top, outline.width, height});
        // A wide border lies inside the rectangle.
        const int width = design::strokeWidth(outline.penWidth);
        const qreal half = width / 2.0;
        painter.setPen(QPen(QColor(colours::fromBgr(outline.colour)), width, Qt::SolidLine,
                            Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(QRectF(box).adjusted(half, half, -half, -half));
    }
}

// The window opens on the introduction in its designed layout, which Back does not restore.
Pages::Pages(const Texts &texts, QObject *parent) : QObject(parent), m_texts(texts)
{
    //: The heading; the program adds a superscript two after the final R, the plane (R²).
    const QString heading = tr("Relative position of two circles in R") + QChar(0x00B2);
    m_texts.heading->setText(heading);
    m_texts.heading->setAccessibleName(heading);

    //: The introduction's first sentence. Keep "r1" as written: its digit is set lowered.
    richtext::write(m_texts.firstSentence,
                    tr("Suppose that the centre of a circle is P and its radius is r1."));
    //: The introduction's second sentence. Keep "r2" as written: its digit is set lowered.
    richtext::write(m_texts.secondSentence,
                    tr("Suppose that in the same plane there is another circle with "
                       "centre Q and radius r2."));
    for (QTextEdit *sentence : {m_texts.firstSentence, m_texts.secondSentence}) {
        richtext::lowerRadiusDigits(sentence, kSubscriptOffset);
        sentence->setAccessibleName(sentence->toPlainText());
    }
    showInvitation();
}

void Pages::showIntroduction()
{
    // Back sets the heading a quarter point smaller than the window first shows it.
    design::moveTo(m_texts.heading, 3.175, 1.482);
    design::setPointSize(m_texts.heading, 20);

    m_texts.possibilities->show();
    design::moveTo(m_texts.possibilities, {}, 4.868);
    m_texts.firstSentence->show();
    design::moveTo(m_texts.firstSentence, {}, 2.752);
    m_texts.secondSentence->show();
    design::moveTo(m_texts.secondSentence, {}, 3.598);

    m_texts.promptLine->show();
    showInvitation();
    showFullFrames();
}

void Pages::showGuidedStart(bool radiiChosen)
{
    hideIntroduction();
    m_texts.frames->setMiddleHeight(Frames::kShortHeight);
    if (radiiChosen)
        return askForDistance();
    m_texts.messageLine->show();
    //: The first prompt; keep "r1", "r2" (digits set lowered) and the double blanks.
    writeMessage(tr("Now  select  length  of  radius  r1  and  r2  for  the  circles."), true);
}

void Pages::showResume()
{
    hideIntroduction();
    design::moveTo(m_texts.heading, 3.175, 1.482);
    offerRearranging();
}

void Pages::askForDistance()
{
    m_texts.messageLine->hide();
    const bool appears = m_texts.promptLine->isHidden();
    m_texts.promptLine->show();
    //: The distance prompt; keep the leading blank and the two after "between"; no full stop.
    m_texts.promptLine->setText(tr(" Select the distance PQ between  their centers P and Q"));
    if (appears)
        emit promptShown(m_texts.promptLine->text().simplified());
}

void Pages::offerRearranging()
{
    m_texts.promptLine->hide();
    m_texts.messageLine->show();
    //: Once the circles are drawn; keep "r1", "r2" (digits set lowered) and the blank before ",".
    writeMessage(tr("You can rearrange r1 , r2 and PQ"), true);
    showFullFrames();
}

void Pages::showInvitation()
{
    design::moveTo(m_texts.promptLine, {}, 16);
    m_texts.promptLine->setText(tr(kInvitation));
    m_texts.messageLine->show();
    writeMessage(tr(kContactLine), false);
}

// The prompt line waits under the message line, hidden so that no screen reader reads it.
void Pages::hideIntroduction()
{
    m_texts.firstSentence->hide();
    m_texts.secondSentence->hide();
    m_texts.possibilities->hide();
    design::moveTo(m_texts.promptLine, {}, 0.106);
    m_texts.promptLine->hide();
}

// The contact line is no prompt.
void Pages::writeMessage(const QString &text, bool centredWithSubscripts)
{
    QTextEdit *line = m_texts.messageLine;
    richtext::write(line, text, centredWithSubscripts ? Qt::AlignHCenter : Qt::AlignLeft);
    if (centredWithSubscripts)
        richtext::lowerRadiusDigits(line, kSubscriptOffset);
    const bool appears = line->accessibleName() != text.simplified();
    line->setAccessibleName(text.simplified());
    if (appears && centredWithSubscripts)
        emit promptShown(text.simplified());
}
