#include "platform/timer.h"

namespace platform {

Timer::Timer(QObject *parent, const TimerDesign &design) : QObject(parent), m_timer(this)
{
    setObjectName(QString::fromLatin1(design.name));
    m_timer.setInterval(design.interval);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Timer::tick);
    setEnabled(design.enabled);
}

void Timer::setEnabled(bool enabled)
{
    if (enabled && !m_timer.isActive())
        m_timer.start();
    else if (!enabled)
        m_timer.stop();
}

} // namespace platform
