// SPDX-License-Identifier: MIT
#pragma once

#include <QElapsedTimer>

#include <functional>

// Lets the event loop run during a long loop on the GUI thread, so that the
// window keeps answering. pass() is called once per pass of the loop but
// yields only when a frame's time has gone by: a yield per pass would have the
// views lay themselves out again thousands of times.
class EventLoopYield {
public:
    // beforeYield runs first at each yield, to show what the loop has done.
    explicit EventLoopYield(std::function<void()> beforeYield = {}, int intervalMs = 16);

    void pass();
    void now();

private:
    std::function<void()> m_beforeYield;
    int m_intervalMs;
    QElapsedTimer m_sinceYield;
};
