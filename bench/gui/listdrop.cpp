// SPDX-License-Identifier: MIT
#include "listdrop.h"

#include "filelist.h"
#include "tickgapmeter.h"
#include "winmain.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QMimeData>
#include <QUrl>

namespace {

// Far more than any drop should take; past it the run counts as failed.
constexpr int kGiveUpMs = 300000;

} // namespace

ListDrop::ListDrop(winMain &window, FileList &list)
    : m_window(window)
    , m_list(list)
{
}

ListDrop::Result ListDrop::run(const QString &folder, int expectedRows)
{
    emptyList();
    const QString heading = QStringLiteral("%1 Files").arg(expectedRows);

    Result result;
    TickGapMeter meter;
    QElapsedTimer clock;
    clock.start();
    meter.start();
    result.accepted = deliver(folder);
    if (!result.accepted)
        return result;
    // The drop may return before all rows are in, or after; the heading is
    // what the user sees, so the clock stops when it shows the count.
    const QDeadlineTimer deadline(kGiveUpMs);
    while (m_list.heading() != heading && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    result.dropMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    result.finished = m_list.heading() == heading;
    // Until the loop turns again the window still does not answer, so the
    // stall that the last batch of rows causes belongs to the drop.
    meter.waitForNextTick();
    meter.stop();
    result.longestGapMs = meter.longestGapMs();
    return result;
}

void ListDrop::emptyList()
{
    m_list.clear();
    m_window.updatefilecount();
    // Lay out and paint the empty list now, not inside the timed drop.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

bool ListDrop::deliver(const QString &folder)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(folder)});
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    const QPoint position(5, 5);
    QWidget *target = m_list.viewport();

    QDragEnterEvent enter(position, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDragMoveEvent move(position, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    if (!move.isAccepted())
        return false;
    QDropEvent drop(QPointF(position), actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}
