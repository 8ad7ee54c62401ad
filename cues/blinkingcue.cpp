#include "cues/blinkingcue.h"

BlinkingCue::BlinkingCue(const QString &name, QObject *parent) : QObject(parent)
{
    setObjectName(name);
    for (QTimer *half : {&m_first, &m_second}) {
        half->setInterval(400);
        half->setTimerType(Qt::PreciseTimer);
    }
    connect(&m_first, &QTimer::timeout, this, &BlinkingCue::showFirst);
    connect(&m_second, &QTimer::timeout, this, &BlinkingCue::showSecond);
}

void BlinkingCue::start()
{
    if (!m_first.isActive())
        m_first.start();
}

void BlinkingCue::stop()
{
    m_first.stop();
    m_second.stop();
}

void BlinkingCue::dropSecondHalf()
{
    m_second.stop();
}

bool BlinkingCue::isBlinking() const
{
    return m_first.isActive() || m_second.isActive();
}

void BlinkingCue::advance()
{
    if (!isBlinking())
        return;
    // When both halves run, the one due first ticks.
    const bool firstDue =
        m_first.isActive() &&
        (!m_second.isActive() || m_first.remainingTime() <= m_second.remainingTime());
    if (firstDue)
        showFirst();
    else
        showSecond();
}

void BlinkingCue::showFirst()
{
    emit firstStyleDue();
    handOver(m_first, m_second);
}

void BlinkingCue::showSecond()
{
    emit secondStyleDue();
    handOver(m_second, m_first);
}

// The other half starts afresh, because a half that is already running keeps its schedule, and
// one due at once would wipe out the style just shown.
void BlinkingCue::handOver(QTimer &from, QTimer &to)
{
    to.stop();
    to.start();
    from.stop();
}
