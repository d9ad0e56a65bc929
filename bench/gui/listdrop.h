// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class FileList;
class winMain;

// One timed drop of a folder on the window's list, delivered the way the
// platform delivers it: drag enter, drag move, drop on the list's viewport.
class ListDrop {
public:
    struct Result {
        bool accepted = false;     // the list took the drop
        bool finished = false;     // and its heading showed the count in time
        double dropMs = 0.0;       // from the drag enter to the heading showing the count
        double longestGapMs = 0.0; // the event loop's longest stall meanwhile
    };

    ListDrop(winMain &window, FileList &list);

    Result run(const QString &folder, int expectedRows);

private:
    void emptyList();
    bool deliver(const QString &folder);

    winMain &m_window;
    FileList &m_list;
};
