#pragma once

#include <QObject>
#include <QTimer>

// A cue that draws the pupil's eye by flickering between two styles, each shown for one
// interval of 400 ms. Each half, when it is due, shows its style and hands the cue on to the
// other half, started afresh; so the halves alternate, whoever starts or pauses the cue.
// Restarting the first half while it already runs leaves its schedule alone: the hover over the
// bare window restarts it with every mouse movement.
class BlinkingCue : public QObject
{
    Q_OBJECT

public:
    explicit BlinkingCue(const QString &name, QObject *parent);

    // Runs the first half if it is not running yet.
    void start();
    void stop();
    // Drops the second half if it is due, so the cue pauses until started again.
    void dropSecondHalf();
    bool isBlinking() const;
    // How long each style shows, in milliseconds.
    int beat() const { return m_first.interval(); }

    // Shows whichever half is due now, as its timer would (tests drive the cue with it).
    void advance();

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
