// SPDX-License-Identifier: MIT
#include "eventloopyield.h"

#include <QCoreApplication>

EventLoopYield::EventLoopYield(std::function<void()> beforeYield, int intervalMs)
    : m_beforeYield(std::move(beforeYield))
    , m_intervalMs(intervalMs)
{
    m_sinceYield.start();
}

void EventLoopYield::pass()
{
    if (m_sinceYield.elapsed() >= m_intervalMs)
        now();
}

void EventLoopYield::now()
{
    if (m_beforeYield)
        m_beforeYield();
    QCoreApplication::processEvents();
    m_sinceYield.restart();
}
