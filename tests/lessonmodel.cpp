#include "lessonmodel.h"

#include <cmath>

#include "platform/design.h"

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
const char *const kCaptions[] = {"r1Letter", "r2Letter", "distanceCaption"};
const int kFirst[] = {1, 1, 0}, kLast[] = {5, 5, 12};
const Qt::Key kKeys[] = {Qt::Key_Up,  Qt::Key_Down,    Qt::Key_Return, Qt::Key_Enter,
                         Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Escape};
// Characters a pupil might type, numbers and what looks like them above all.
const QString kTyped = QStringLiteral(" 0123456789+-.,eExabPQr") + QChar(0x00A0) + QChar(0x0663);

} // namespace

QString LessonModel::play(Pupil &pupil, int steps, const std::function<int()> &byte)
{
    QStringList log;
    const auto next = [&] { return qMax(byte(), 0); };
    for (int kind; log.size() < steps && (kind = byte()) >= 0;) {
        const int target = next() % 64, number = next() * 4 + next() % 4;
        QString text;
        for (int length = next() % 8; length > 0; --length)
            text += kTyped.at(next() % kTyped.size());
        log << QStringLiteral("%1: %2")
                   .arg(log.size())
                   .arg(perform(pupil, "CPPTTKKK"[kind % 8], target, number, text));
        if (const QString wrong = disagreement(pupil); !wrong.isEmpty())
            return log.mid(log.size() - 20).join(QStringLiteral("\n  ")) + "\n-> " + wrong;
    }
    pupil.click("home"); // the lesson ends as a pupil ends it
    return {};
}

void LessonModel::choose(int list, int value)
{
    m_chosen[list] = value;
    m_typed[list].reset();
    m_redrawnForRadius = list < 2;
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

QString LessonModel::perform(Pupil &pupil, char kind, int target, int number, const QString &text)
{
    QList<int> usable;
    for (int i = 0; i < 3; ++i)
        if (pupil.shows(kLists[i]) && pupil.list(kLists[i])->isEnabled())
            usable.append(i);
    int in = usable.isEmpty() ? -1 : usable[target % usable.size()];
    for (int i : usable) // a key goes to the list the pupil is in, if any
        if (kind == 'K' && pupil.focus() == QLatin1String(kLists[i]))
            in = i;
    const char *list = in < 0 ? "" : kLists[in];
    const auto leaveAllBut = [&](int kept) {
        for (int i = 0; i < 3; ++i)
            if (i != kept)
                commit(i);
    };
    if (kind == 'C') {
        m_typed = {}; // the page changes, or the lesson is printed as it stands: typing goes
        if (target % 4 == 0 && pupil.shows("print")) {
            const int copies = number % 3; // 0: the dialog is cancelled
            const QString file = m_paper.filePath(QStringLiteral("lesson.pdf"));
            const int before = pagesIn(file);
            const QStringList said = pupil.print(copies, file);
            if (const int pages = pagesIn(file);
                !said.isEmpty() || pages != (copies ? copies : before))
                m_printing = QStringLiteral("%1 pages for %2 copies, saying \"%3\"")
                                 .arg(pages)
                                 .arg(copies)
                                 .arg(said.join(' '));
            return QStringLiteral("print %1 copies").arg(copies);
        }
        const char *button = pupil.shows("next") ? "next" : "back";
        pupil.click(button);
        m_practice = !m_practice;
        m_redrawnForRadius = false;
        return QStringLiteral("click %1").arg(button);
    } else if (in < 0) {
        return QStringLiteral("no list for '%1'").arg(kind);
    } else if (kind == 'P') {
        const int item = kFirst[in] + number % (kLast[in] - kFirst[in] + 1);
        pupil.pick(list, item);
        leaveAllBut(in);
        choose(in, item);
        return QStringLiteral("pick %1 in %2").arg(item).arg(list);
    } else if (kind == 'T') {
        pupil.type(list, text);
        leaveAllBut(in);
        if (!text.isEmpty())
            m_typed[in] = text;
        return QStringLiteral("type \"%1\" in %2").arg(text, list);
    }
    if (pupil.focus() != QLatin1String(list)) {
        pupil.list(list)->setFocus(Qt::MouseFocusReason); // the pupil clicks into the list
        leaveAllBut(in);
    }
    const Qt::Key key = kKeys[number % std::size(kKeys)];
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
    const auto reads = [&pupil](const char *name) {
        return pupil.shows(name) ? pupil.text(name) : QStringLiteral("-");
    };
    // The message line and the prompt line ("-": hidden): the invitation, then the guided steps.
    const bool figure = m_practice && m_chosen[2];
    const char *const lines[][2] = {
        {"Author:  lessons@example.org    Mobile:  07700 900461",
         "Let us test it for practice..    Click 'Next'."},
        {"Now  select  length  of  radius  r1  and  r2  for  the  circles.", "-"},
        {"-", " Select the distance PQ between  their centers P and Q"},
        {"You can rearrange r1 , r2 and PQ", "-"}};
    const int stage = !m_practice ? 0 : figure ? 3 : m_chosen[1] ? 2 : 1;
    expect("message line", reads("messageLine"), QString(lines[stage][0]));
    expect("prompt line", reads("promptLine"), QString(lines[stage][1]));
    expect("Next shown", pupil.shows("next"), !m_practice);
    expect("Back shown", pupil.shows("back"), m_practice);
    expect("Print shown", pupil.shows("print"), figure);
    expect("printing", m_printing, QString());
    expect("rule", pupil.highlightedRule(),
           figure ? ruleFromGeometry(*m_chosen[0], *m_chosen[1], *m_chosen[2]) : 0);
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
    // The centre line, 13 cm from the top: bare without a figure; drawn for a distance, P's
    // centre dot on top.
    const auto pixelsAt = [](double cm) {
        return int(std::lround(design::centimetresToPixels(cm)));
    };
    const int y = pixelsAt(13), d = m_chosen[2].value_or(0);
    const QImage line = pupil.look(QRect(0, y, pupil.window().width(), 1));
    if (!figure) {
        QStringList colours;
        for (int x = pixelsAt(1.5); x < pixelsAt(25.5); ++x)
            colours << line.pixelColor(x, 0).name();
        colours.removeDuplicates();
        expect("the centre line", colours.join(' '), QStringLiteral("#d5ffdc"));
    } else if (!m_redrawnForRadius) {
        expect("P's centre",
               line.pixelColor(int(design::centimetresToPixels(13 - d / 2.0)), 0).name(),
               "#00c000");
    }
    return wrong.join(QStringLiteral("; "));
}
