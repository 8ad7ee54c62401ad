#pragma once

#include <QObject>
#include <QTimer>

namespace platform {

struct TimerDesign
{
    const char *name;
    int interval;
    bool enabled;
};

// A timer of the window: while enabled it ticks every interval. Switching on a timer that is
// already on leaves its schedule alone.
class Timer : public QObject
{
    Q_OBJECT

public:
    Timer(QObject *parent, const TimerDesign &design);

    bool Enabled() const { return m_timer.isActive(); }
    void setEnabled(bool enabled);
    int Interval() const { return m_timer.interval(); }
    // The milliseconds left until the next tick (-1 when off), for tests of the schedule.
    int remainingTime() const { return m_timer.remainingTime(); }

signals:
    void tick();

private:
    QTimer m_timer;
};

} // namespace platform
