#include "window/announcer.h"

void Announcer::placeReached(const QString &where)
{
    m_place = where;
    tellSoon();
}

void Announcer::outcomeShown(const QString &outcome)
{
    m_outcome = outcome;
    tellSoon();
}

void Announcer::promptShown(const QString &prompt)
{
    if (!m_prompts.contains(prompt))
        m_prompts.append(prompt);
    tellSoon();
}

// A step raises its words one after another, and the focus it moves reaches the reader first.
void Announcer::tellSoon()
{
    if (!m_due)
        QMetaObject::invokeMethod(this, &Announcer::tell, Qt::QueuedConnection);
    m_due = true;
}

void Announcer::tell()
{
    QStringList words{std::exchange(m_place, {}), std::exchange(m_outcome, {})};
    words += std::exchange(m_prompts, {});
    words.removeAll(QString());
    m_due = false;
    if (words.isEmpty())
        return;
    m_words = words.join(QLatin1Char(' '));
    emit told(m_words);
}
