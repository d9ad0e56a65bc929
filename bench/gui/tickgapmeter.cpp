// SPDX-License-Identifier: MIT
#include "tickgapmeter.h"

#include <QCoreApplication>

TickGapMeter::TickGapMeter(QObject *parent)
    : QObject(parent)
{
    m_timer.setInterval(1);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &TickGapMeter::tick);
}

void TickGapMeter::start()
{
    m_longestGapNs = 0;
    m_ticks = 0;
    m_clock.start();
    m_lastTickNs = 0;
    m_timer.start();
}

void TickGapMeter::stop()
{
    m_timer.stop();
}

void TickGapMeter::waitForNextTick()
{
    const int seen = m_ticks;
    while (m_timer.isActive() && m_ticks == seen)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void TickGapMeter::tick()
{
    const qint64 now = m_clock.nsecsElapsed();
    m_longestGapNs = std::max(m_longestGapNs, now - m_lastTickNs);
    m_lastTickNs = now;
    ++m_ticks;
}
