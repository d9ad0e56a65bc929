// SPDX-License-Identifier: MIT
#include "listeditor.h"

#include "dialogs.h"
#include "filelist.h"
#include "listcontextmenu.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>

ListEditor::ListEditor(FileList *list, QWidget *window)
    : QObject(list)
    , ListBox1(list)
    , m_window(window)
    , ContextualMenu1(new ListContextMenu(window))
{
    list->installEventFilter(this);
    list->viewport()->installEventFilter(this);
}

bool ListEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ListBox1 && event->type() == QEvent::KeyPress)
        return ListBox1_KeyDown(*static_cast<QKeyEvent *>(event));

    if (event->type() == QEvent::ContextMenu) {
        // The mouse's contextual click is handled on the press; from the
        // keyboard the menu opens on the current row.
        const auto *request = static_cast<QContextMenuEvent *>(event);
        return request->reason() == QContextMenuEvent::Mouse || openMenuOnCurrentRow();
    }

    // The type comes first: while the list is being destroyed its viewport
    // must not be asked for.
    if (event->type() == QEvent::MouseButtonPress && watched == ListBox1->viewport()) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QModelIndex index = ListBox1->indexAt(mouse->position().toPoint());
        // The list's own right-click handling would clear the other selected
        // rows, which the contextual click keeps.
        if (mouse->button() == Qt::RightButton && index.isValid())
            return ListBox1_CellClick(index.row(), mouse->globalPosition().toPoint());
    }
    return false;
}

bool ListEditor::openMenuOnCurrentRow()
{
    const QModelIndex current = ListBox1->currentIndex();
    const QPoint where = ListBox1->viewport()->mapToGlobal(ListBox1->visualRect(current).center());
    return current.isValid() && ListBox1_CellClick(current.row(), where);
}

bool ListEditor::ListBox1_KeyDown(const QKeyEvent &event)
{
    // The menu key and Shift+F10 are the keyboard's contextual click.
    if (event.key() == Qt::Key_Menu || (event.key() == Qt::Key_F10 && event.modifiers() == Qt::ShiftModifier)) {
        openMenuOnCurrentRow();
        return true;
    }
    // Alt with an arrow moves the selected rows, as dragging them does.
    if (event.modifiers() == Qt::AltModifier && (event.key() == Qt::Key_Up || event.key() == Qt::Key_Down)) {
        moveSelectedRowsBy(event.key() == Qt::Key_Up ? -1 : 1);
        return true;
    }
    // Backspace, and on PC keyboards Delete, remove the selected row.
    if (event.key() != Qt::Key_Backspace && event.key() != Qt::Key_Delete)
        return false;
    RemoveItem();
    return true;
}

void ListEditor::moveSelectedRowsBy(int step)
{
    const QModelIndexList selected = ListBox1->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    const auto [first, last] = std::ranges::minmax(selected, {}, &QModelIndex::row);
    ListBox1->moveSelectedRowsTo(step < 0 ? first.row() - 1 : last.row() + 2);
    ListBox1->scrollToItem(ListBox1->currentItem());
}

bool ListEditor::ListBox1_CellClick(int row, const QPoint &globalPosition)
{
    const int selected = ListBox1->selectionIndex();
    if (selected >= 0)
        ListBox1->setRowSelected(selected, false);
    ListBox1->setRowSelected(row, true);
    ListBox1->viewport()->repaint();
    ContextualMenu1_Action(ContextualMenu1->choose(globalPosition));
    return true;
}

void ListEditor::ContextualMenu1_Action(const QString &itemText)
{
    if (itemText == QLatin1String("Sort List"))
        ListBox1->sortByName();
    else if (itemText == QLatin1String("Delete Item"))
        deleteSelectedItem();
    else if (itemText == QLatin1String("Clear List"))
        ListBox1->clear();
    Q_EMIT rowsChanged();
}

bool ListEditor::hasSelection() const
{
    if (ListBox1->selectionIndex() >= 0)
        return true;
    Dialogs::current().showMessage(m_window, QStringLiteral("Please select item first"));
    return false;
}

void ListEditor::deleteSelectedItem()
{
    if (!hasSelection())
        return;
    const int row = ListBox1->selectionIndex();
    ListBox1->removeRow(row);
    ListBox1->setRowSelected(row, false);
}

void ListEditor::RemoveItem()
{
    if (!hasSelection())
        return;
    int row = ListBox1->selectionIndex();
    ListBox1->removeRow(row);
    row = std::min(row, ListBox1->rowCount() - 1);
    if (row >= 0) {
        ListBox1->setRowSelected(row, true);
        ListBox1->setCurrentItem(ListBox1->topLevelItem(row), 0, QItemSelectionModel::NoUpdate);
    }
    Q_EMIT rowsChanged();
    m_window->repaint();
}
