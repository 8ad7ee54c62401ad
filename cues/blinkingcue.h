#pragma once

#include <QObject>
#include <QTimer>

// A cue that draws the pupil's eye by flickering between two styles, each shown for one
// beat (400 ms as designed). Each half, when it is due, shows its style and hands the cue on to the
// other half, started afresh; so the halves alternate, whoever starts or pauses the cue.
// Restarting the first half while it already runs leaves its schedule alone: the hover over the
// bare window restarts it with every mouse movement.
class BlinkingCue : public QObject
{
    Q_OBJECT

public:
    BlinkingCue(const QString &name, int beatMs, QObject *parent);

    // Runs the first half if it is not running yet.
    void start();
    void stop();
    // Drops the second half if it is due; the first half then runs in its place.
    void dropSecondHalf();

signals:
    void firstStyleDue();
    void secondStyleDue();

private:
    void showFirst();
    void showSecond();
    void handOver(QTimer &from, QTimer &to);

    QTimer m_first;
    QTimer m_second;
};
