// SPDX-License-Identifier: MIT
#include "filelistfiller.h"

#include "eventloopyield.h"
#include "filelist.h"
#include "filenametext.h"

#include "fileentrywalk.h"

#include <QScopedValueRollback>

FileListFiller::FileListFiller(FileList *list)
    : m_list(list)
{
}

void FileListFiller::add(const QString &path)
{
    m_itemsToWalk.append(path);
    if (!m_walking)
        walkQueuedItems();
}

void FileListFiller::stop()
{
    m_stop.request_stop();
}

void FileListFiller::walkQueuedItems()
{
    QScopedValueRollback walking(m_walking, true);
    // Found rows join the list in batches, never one by one. Each batch makes
    // the list lay out all its rows again, so a batch waits until it is half
    // as long as the list: a long walk then costs a few layouts, not one per
    // yield.
    std::vector<notepack::FileRow> found;
    const QPointer<FileList> list = m_list;
    const auto showFound = [&found, list](bool last) {
        if (!list || (!last && found.size() * 2 < static_cast<std::size_t>(list->rowCount())))
            return;
        list->appendRows(found);
        found.clear();
    };
    EventLoopYield yield([&showFound] { showFound(false); });
    notepack::FileEntryWalk walk([&found](notepack::FileRow &&row) { found.push_back(std::move(row)); },
                                 [&yield] { yield.pass(); }, m_stop.get_token());
    while (!m_itemsToWalk.isEmpty() && !m_stop.stop_requested())
        walk.addEntry(fileNameBytes(m_itemsToWalk.takeFirst()));
    showFound(true);
}
