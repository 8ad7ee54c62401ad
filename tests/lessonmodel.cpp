#include "lessonmodel.h"

#include <QRegularExpression>

int ruleFromGeometry(int r1, int r2, int d)
{
    if (d == 0)
        return r1 == r2 ? 2 : 4; // the same circle counts as touching internally
    const long long across = d * d + r1 * r1 - r2 * r2;
    const long long height = 4LL * d * d * r1 * r1 - across * across;
    if (height != 0)
        return height > 0 ? 3 : d > r1 + r2 ? 5 : 4;
    return d == r1 + r2 ? 1 : 2;
}

namespace {

const char *const kPlaceholders[] = {" r1", "r2", "PQ"};
const int kFirst[] = {1, 1, 0}, kLast[] = {5, 5, 12};

// The message line and the prompt line at each stage of the lesson ("-": hidden).
enum Stage
{
    Invitation,
    SelectRadii,
    AskDistance,
    Rearrange
};
const char *const kStageTexts[][2] = {
    {"Author:  lessons@example.org    Mobile:  07700 900461",
     "Let us test it for practice..    Click 'Next'."},
    {"Now  select  length  of  radius  r₁  and  r₂  for  the  circles.", "-"},
    {"-", " Select the distance PQ between  their centers P and Q"},
    {"You can rearrange r₁ , r₂ and PQ", "-"}};
const char *const kCaptions[] = {"r1Letter", "r2Letter", "distanceCaption"};

const Qt::Key kKeys[] = {Qt::Key_Up,  Qt::Key_Down,    Qt::Key_Return, Qt::Key_Enter,
                         Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Escape};

} // namespace

void LessonModel::choose(int list, int value)
{
    m_chosen[list] = value;
    m_typed[list].reset();
    m_redrawnForRadius = list < 2;
    if (list == 2 || (!m_chosen[2] && m_chosen[1 - list]))
        m_stage = list == 2 ? Rearrange : AskDistance;
}

// Enter, Tab or leaving a list: a whole number it offers is chosen, anything else put back.
void LessonModel::commit(int list)
{
    static const QRegularExpression number(QStringLiteral("^([+-]?)0*([0-9]{1,3})$"));
    const QRegularExpressionMatch match = number.match(m_typed[list].value_or(QString()).trimmed());
    const int value = match.captured(2).toInt() * (match.captured(1) == "-" ? -1 : 1);
    if (match.hasMatch() && value >= kFirst[list] && value <= kLast[list])
        choose(list, value);
    m_typed[list].reset();
}

void LessonModel::leaveAllBut(int list)
{
    for (int i = 0; i < 3; ++i)
        if (i != list)
            commit(i);
}

QString LessonModel::perform(Pupil &pupil, const PupilAction &action)
{
    QList<int> usable;
    for (int i = 0; i < 3; ++i)
        if (pupil.shows(kLists[i]) && pupil.list(kLists[i])->isEnabled())
            usable.append(i);
    int in = usable.isEmpty() ? -1 : usable[action.target % usable.size()];
    for (int i : usable) // a key goes to the list the pupil is in, if any
        if (action.kind == 'K' && pupil.focus() == QLatin1String(kLists[i]))
            in = i;
    const char *list = in < 0 ? "" : kLists[in];
    if (action.kind == 'C') {
        const bool print = action.target % 4 == 0 && pupil.shows("print");
        m_typed = {}; // the page changes, or the lesson is printed as it stands: typing goes
        if (print) {
            const int copies = action.number % 3; // 0: the dialog is cancelled
            const QString file = m_paper.filePath(QStringLiteral("lesson.pdf"));
            const int before = pagesIn(file);
            const QStringList messages = pupil.print(copies, file);
            const int pages = pagesIn(file);
            m_printing = !messages.isEmpty() || pages != (copies ? copies : before)
                             ? QStringLiteral("%1 pages for %2 copies, saying \"%3\"")
                                   .arg(pages)
                                   .arg(copies)
                                   .arg(messages.join(' '))
                             : QString();
            return QStringLiteral("print %1 copies").arg(copies);
        }
        const char *button = pupil.shows("next") ? "next" : "back";
        pupil.click(button);
        m_practice = !m_practice;
        m_redrawnForRadius = false;
        m_stage = !m_practice   ? Invitation
                  : m_chosen[2] ? Rearrange
                  : m_chosen[1] ? AskDistance
                                : SelectRadii;
        return QStringLiteral("click %1").arg(button);
    } else if (in < 0) {
        return QStringLiteral("no list for '%1'").arg(action.kind);
    } else if (action.kind == 'P') {
        const int item = kFirst[in] + action.number % (kLast[in] - kFirst[in] + 1);
        pupil.pick(list, item);
        leaveAllBut(in);
        choose(in, item);
        return QStringLiteral("pick %1 in %2").arg(item).arg(list);
    } else if (action.kind == 'T') {
        pupil.type(list, action.text);
        leaveAllBut(in);
        if (!action.text.isEmpty())
            m_typed[in] = action.text;
        return QStringLiteral("type \"%1\" in %2").arg(action.text, list);
    }
    if (pupil.focus() != QLatin1String(list)) {
        pupil.list(list)->setFocus(Qt::MouseFocusReason); // the pupil clicks into the list
        leaveAllBut(in);
    }
    const Qt::Key key = kKeys[action.number % std::size(kKeys)];
    pupil.press(key);
    const int item = m_chosen[in].value_or(kFirst[in] - 1) + (key == Qt::Key_Up ? -1 : 1);
    if (key == Qt::Key_Escape)
        m_typed[in].reset();
    else if (key != Qt::Key_Up && key != Qt::Key_Down)
        commit(in);
    else if (item >= kFirst[in] && item <= kLast[in])
        choose(in, item);
    return QStringLiteral("key %1 in %2").arg(QKeySequence(key).toString(), list);
}

QString LessonModel::disagreement(Pupil &pupil) const
{
    QStringList wrong;
    const auto expect = [&wrong](const QString &what, const auto &saw, const auto &wanted) {
        if (saw != wanted)
            wrong << QStringLiteral("%1 \"%2\", expected \"%3\"").arg(what).arg(saw).arg(wanted);
    };
    const bool figure = m_practice && m_chosen[2];
    expect("Next shown", pupil.shows("next"), !m_practice);
    expect("Back shown", pupil.shows("back"), m_practice);
    expect("Print shown", pupil.shows("print"), figure);
    expect("printing", m_printing, QString());
    expect("rule", pupil.highlightedRule(),
           figure ? ruleFromGeometry(*m_chosen[0], *m_chosen[1], *m_chosen[2]) : 0);
    expect("message line", pupil.shows("messageLine") ? pupil.text("messageLine") : "-",
           QString::fromUtf8(kStageTexts[m_stage][0]));
    expect("prompt line", pupil.shows("promptLine") ? pupil.text("promptLine") : "-",
           QString(kStageTexts[m_stage][1]));
    for (int i = 0; i < 3; ++i) {
        const QString name = QLatin1String(kLists[i]);
        expect(name + " shown", pupil.shows(kLists[i]), m_practice);
        expect(name + " open", pupil.list(kLists[i])->isEnabled(), i == 0 || m_chosen[i - 1]);
        expect(name + " caption", pupil.shows(kCaptions[i]), m_practice && m_chosen[i]);
        expect(name + " shows", pupil.text(kLists[i]),
               m_typed[i]    ? *m_typed[i]
               : m_chosen[i] ? QString::number(*m_chosen[i])
                             : kPlaceholders[i]);
    }
    const int d = m_chosen[2].value_or(0);
    if (!figure)
        expect("the centre line bare", pupil.bareRow(13, 1.5, 25.5), true);
    else if (!m_redrawnForRadius) // drawn for a distance: P's centre dot on top
        expect("P's centre", pupil.seenAt(13 - d / 2.0, 13).name(), seen::green.name());
    return wrong.join(QStringLiteral("; "));
}
