// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QStringList>

#include <stop_token>

class FileList;

// Fills the file list from files and folders, walking folders with the
// archive core's walk while the window keeps answering. An item added while
// a walk is going on (a second drop, a document handed over) is walked after
// it, so that the rows of one item never mix with another's.
class FileListFiller {
public:
    explicit FileListFiller(FileList *list);

    void add(const QString &path);
    // Ends a walk going on at its next entry; later items are not walked.
    void stop();

private:
    void walkQueuedItems();

    QPointer<FileList> m_list;
    QStringList m_itemsToWalk;
    bool m_walking = false;
    std::stop_source m_stop;
};
