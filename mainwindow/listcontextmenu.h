// SPDX-License-Identifier: MIT
#pragma once

#include <QMenu>

// The file list's context menu: Sort List, Delete Item and Clear List, with
// separators between them, built once from one comma-separated text.
class ListContextMenu : public QMenu {
    Q_OBJECT
public:
    explicit ListContextMenu(QWidget *parent);

    // Shows the menu at the pointer and returns the chosen item's text, or
    // an empty text when it was dismissed.
    QString choose(const QPoint &globalPosition);

private:
    void ContextualMenu1_Open();
};
