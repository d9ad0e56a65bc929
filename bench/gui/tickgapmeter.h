// SPDX-License-Identifier: MIT
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// How long the event loop went without turning: a 1 ms timer that can only
// fire when the loop runs, and the longest time between two of its ticks.
// The start counts as a tick, so a loop held up from the very start shows.
class TickGapMeter : public QObject {
    Q_OBJECT
public:
    explicit TickGapMeter(QObject *parent = nullptr);

    void start();
    void stop();
    // Runs the event loop until the next tick, which ends the gap still open.
    void waitForNextTick();

    double longestGapMs() const { return static_cast<double>(m_longestGapNs) / 1e6; }
    int ticks() const { return m_ticks; }

private:
    void tick();

    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_lastTickNs = 0;
    qint64 m_longestGapNs = 0;
    int m_ticks = 0;
};
