#include "cues/blinkingcue.h"

BlinkingCue::BlinkingCue(const QString &name, int beatMs, QObject *parent) : QObject(parent)
{
    setObjectName(name);
    for (QTimer *half : {&m_first, &m_second}) {
        half->setInterval(beatMs);
        half->setTimerType(Qt::PreciseTimer);
        connect(half, &QTimer::timeout, this, [this, half] {
            emit styleDue(half == &m_second);
            handOver(*half, half == &m_first ? m_second : m_first);
        });
    }
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

// The cue goes on blinking, unseen while its label is hidden.
void BlinkingCue::dropSecondHalf()
{
    if (!m_second.isActive())
        return;
    m_second.stop();
    start();
}

// A running half keeps its schedule, and one due at once would wipe out the style just shown.
void BlinkingCue::handOver(QTimer &from, QTimer &to)
{
    to.start();
    from.stop();
}
