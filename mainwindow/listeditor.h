// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class FileList;
class ListContextMenu;
class QKeyEvent;
class QWidget;

// Sorting and pruning the file list: its context menu (Sort List, Delete
// Item, Clear List), opened by a contextual click on a row or the menu key,
// Backspace or Delete for the selected row, and Alt+Up or Alt+Down to move
// the selected rows.
class ListEditor : public QObject {
    Q_OBJECT
public:
    ListEditor(FileList *list, QWidget *window);

    // Deletes the selected row and selects the one that took its place, so
    // that rows can be deleted one after another.
    void RemoveItem();

Q_SIGNALS:
    void rowsChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool ListBox1_KeyDown(const QKeyEvent &event);
    bool ListBox1_CellClick(int row, const QPoint &globalPosition);
    bool openMenuOnCurrentRow();
    void ContextualMenu1_Action(const QString &itemText);
    void deleteSelectedItem();
    void moveSelectedRowsBy(int step);
    bool hasSelection() const;

    FileList *ListBox1;
    QWidget *m_window;
    ListContextMenu *ContextualMenu1;
};
