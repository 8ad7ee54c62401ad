#include "cues/blinkingcue.h"

BlinkingCue::BlinkingCue(const QString &name, int beatMs, QObject *parent) : QObject(parent)
{
    setObjectName(name);
    for (QTimer *half : {&m_first, &m_second}) {
        half->setInterval(beatMs);
        half->setTimerType(Qt::PreciseTimer);
        // Stopped as it times out, it starts the other half.
        half->setSingleShot(true);
        connect(half, &QTimer::timeout, this, [this, half] {
            emit styleDue(half == &m_second);
            (half == &m_first ? m_second : m_first).start();
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
