// SPDX-License-Identifier: MIT
#include "rowreorder.h"

#include "filelist.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>

RowReorder::RowReorder(FileList *list)
    : QObject(list)
    , m_list(list)
    , m_indicator(new QWidget(list->viewport()))
{
    m_indicator->setAutoFillBackground(true);
    QPalette palette = m_indicator->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Highlight));
    m_indicator->setPalette(palette);
    m_indicator->hide();
    list->viewport()->installEventFilter(this);
}

bool RowReorder::eventFilter(QObject *watched, QEvent *event)
{
    (void)watched;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        return mouse->button() == Qt::LeftButton && press(mouse->position().toPoint(), mouse->modifiers());
    }
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        return (mouse->buttons() & Qt::LeftButton) && move(mouse->position().toPoint());
    }
    case QEvent::MouseButtonRelease:
        return static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton && release();
    default:
        return false;
    }
}

bool RowReorder::press(const QPoint &position, Qt::KeyboardModifiers modifiers)
{
    reset();
    const QModelIndex index = m_list->indexAt(position);
    if (!index.isValid() || modifiers != Qt::NoModifier)
        return false;
    m_pressedRow = index.row();
    m_pressPosition = position;
    // Pressing a selected row may start a drag of the whole selection; only a
    // click without a drag selects that row alone (on release).
    m_keepSelection = m_list->selectionModel()->isRowSelected(index.row(), index.parent());
    return m_keepSelection;
}

bool RowReorder::move(const QPoint &position)
{
    if (m_pressedRow < 0)
        return false;
    if (!m_dragging) {
        if ((position - m_pressPosition).manhattanLength() < QApplication::startDragDistance())
            return true;
        m_dragging = true;
    }
    // Near the top or bottom edge the list scrolls, so that any place can be reached.
    const int edge = m_list->viewport()->height();
    QScrollBar *scroll = m_list->verticalScrollBar();
    if (position.y() < 8)
        scroll->setValue(scroll->value() - scroll->singleStep());
    else if (position.y() > edge - 8)
        scroll->setValue(scroll->value() + scroll->singleStep());
    m_gap = gapAt(position);
    showIndicator();
    return true;
}

bool RowReorder::release()
{
    if (m_pressedRow < 0)
        return false;
    const bool consumed = m_dragging || m_keepSelection;
    if (m_dragging) {
        m_list->moveSelectedRowsTo(m_gap, m_pressedRow);
    } else if (m_keepSelection) {
        QTreeWidgetItem *item = m_list->topLevelItem(m_pressedRow);
        m_list->setCurrentItem(item, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    reset();
    return consumed;
}

int RowReorder::gapAt(const QPoint &position) const
{
    const int rows = m_list->topLevelItemCount();
    const QModelIndex index = m_list->indexAt(QPoint(1, position.y()));
    if (!index.isValid())
        return position.y() < 0 ? 0 : rows;
    const QRect rect = m_list->visualRect(index);
    return position.y() < rect.center().y() ? index.row() : index.row() + 1;
}

void RowReorder::showIndicator()
{
    const int rows = m_list->topLevelItemCount();
    int y = 0;
    if (rows > 0) {
        const QRect last = m_list->visualItemRect(m_list->topLevelItem(std::min(m_gap, rows - 1)));
        y = m_gap < rows ? last.top() : last.bottom() + 1;
    }
    m_indicator->setGeometry(0, y - 1, m_list->viewport()->width(), 2);
    m_indicator->show();
    m_indicator->raise();
}

void RowReorder::reset()
{
    m_pressedRow = -1;
    m_keepSelection = false;
    m_dragging = false;
    m_gap = -1;
    m_indicator->hide();
}
