// SPDX-License-Identifier: MIT
#include "convertpress.h"

#include "answeringdialogs.h"
#include "tickgapmeter.h"
#include "winmain.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

// Far more than any run should take; past it the run counts as failed.
constexpr int kGiveUpMs = 300000;

} // namespace

ConvertPress::ConvertPress(winMain &window)
    : m_button(window.findChild<QPushButton *>(QStringLiteral("cmdSend")))
    , m_status(window.findChild<QLabel *>(QStringLiteral("LabStatus")))
{
}

bool ConvertPress::isIdle() const
{
    return m_button->text() == QLatin1String("Convert") && m_status->text() == QLatin1String("done");
}

ConvertPress::Result ConvertPress::run(const QString &archive)
{
    QFile::remove(archive);
    // Paint what is pending now, not inside the timed run.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();

    Result result;
    AnsweringDialogs dialogs(archive);
    TickGapMeter meter;
    QElapsedTimer clock;
    clock.start();
    meter.start();
    // The click returns once the run is over: the run turns the event loop
    // itself while it works.
    QTest::mouseClick(m_button, Qt::LeftButton);
    const QDeadlineTimer deadline(kGiveUpMs);
    while (!isIdle() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    result.runMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    result.finished = isIdle();
    // The stall that the end of the run causes lasts until the loop turns.
    meter.waitForNextTick();
    meter.stop();
    result.longestGapMs = meter.longestGapMs();
    result.ticks = meter.ticks();
    result.saveDialogs = dialogs.saveRequests();
    result.otherDialogs = dialogs.otherRequests();
    result.messages = dialogs.messages();
    return result;
}
