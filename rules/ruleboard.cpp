#include "rules/ruleboard.h"

#include "platform/colours.h"
#include "platform/design.h"
#include "platform/richtext.h"

#include <QTextEdit>

namespace {

constexpr int kSubscriptOffset = -80;

// A little lower than the designed 405 twips (about 0.714 cm).
constexpr float kHighlightHeight = 0.7f;

const char *const kRules[] = {
    //: Rule (1) in one fixed-width line; keep the number and formula as written, blanks and all.
    QT_TRANSLATE_NOOP("RuleBoard",
                      " (1)  If PQ =  r1 + r2 then the two circles touch each other externally."),
    //: Rule (2), in one line of a fixed width. Keep the number and the formula as written.
    QT_TRANSLATE_NOOP(
        "RuleBoard", " (2)  If PQ = | r1 - r2 | then the two circles touch each other internally."),
    //: Rule (3); keep the number and formulas as written, "| r1 - r2 |" before "r1 + r2".
    QT_TRANSLATE_NOOP("RuleBoard", " (3)  If | r1 - r2 | < PQ < r1 + r2  then the two circles "
                                   "intersect each other in 2 Points."),
    //: Rule (4), the longest, in one fixed-width line; keep the number and formula as written.
    QT_TRANSLATE_NOOP("RuleBoard", " (4)  If PQ < | r1 - r2 |  then the two circles neither "
                                   "intersect nor touch and one of them is inside the other."),
    //: Rule (5) in one fixed-width line; keep the number and the formula "r1 + r2" as written.
    QT_TRANSLATE_NOOP("RuleBoard", " (5)  If PQ > r1 + r2  then the two circles do not intersect "
                                   "or touch and each is outside the other."),
};

} // namespace

RuleBoard::RuleBoard(const std::array<QTextEdit *, 5> &boxes, QTextEdit *note, QObject *parent)
    : QObject(parent), m_boxes(boxes), m_note(note)
{
    //: The note under the rules and the highlight's tooltip; keep "r1", "r2", the double blanks.
    richtext::write(m_note,
                    tr("It  will  be  highlighted  according  to  your  "
                       "selection  of  r1 ,  r2  and  PQ."),
                    Qt::AlignHCenter);
    richtext::lowerRadiusDigits(m_note, kSubscriptOffset);
    m_note->setAccessibleName(m_note->toPlainText());

    for (std::size_t k = 0; k < m_boxes.size(); ++k) {
        QTextEdit *box = m_boxes[k];
        richtext::write(box, tr(kRules[k]));
        richtext::lowerRadiusDigits(box, kSubscriptOffset);
        box->setAccessibleName(box->toPlainText().simplified());
    }
    clearHighlight();
}

void RuleBoard::clearHighlight()
{
    for (QTextEdit *box : m_boxes) {
        colours::set(box, QPalette::Base, colours::kPaleGreen, box->viewport());
        box->setToolTip(QString());
    }
    setHolding(0);
}

void RuleBoard::highlight(int rule)
{
    clearHighlight();
    QTextEdit *box = m_boxes[rule - 1];
    colours::set(box, QPalette::Base, colours::kYellow, box->viewport());
    design::setHeight(box, kHighlightHeight);
    box->setToolTip(m_note->toPlainText());
    setHolding(rule);
}

void RuleBoard::setHolding(int rule)
{
    for (std::size_t k = 0; k < m_boxes.size(); ++k) {
        const bool holds = int(k) + 1 == rule;
        m_boxes[k]->setProperty(kHoldsProperty, holds);
        const QString description =
            //: What a screen reader adds to the rule that holds.
            holds ? tr("This rule holds for the circles you chose.") : QString();
        // Qt tells a reader of every call, changed or not.
        if (m_boxes[k]->accessibleDescription() != description)
            m_boxes[k]->setAccessibleDescription(description);
    }
    if (rule != m_holding) {
        m_holding = rule;
        emit ruleThatHoldsChanged(rule);
    }
}

void RuleBoard::placeForReading()
{
    const double tops[] = {5.927, 7.197, 8.467, 9.71, 11.007};
    for (std::size_t k = 0; k < m_boxes.size(); ++k)
        design::moveTo(m_boxes[k], 3.701, tops[k]);
    m_note->show();
}

void RuleBoard::placeInColumn()
{
    for (std::size_t k = 0; k < m_boxes.size(); ++k)
        design::moveTo(m_boxes[k], 3, 3.0 + k);
    m_note->hide();
}
