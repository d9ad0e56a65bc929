// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPoint>

class FileList;
class QWidget;

// Lets the user drag a list's selected rows to another place in the same
// list. It works on the list's own mouse events instead of a system drag, so
// rows never leave the list, and it keeps a multiple selection that is
// pressed on for dragging, as file managers do.
class RowReorder : public QObject {
    Q_OBJECT
public:
    explicit RowReorder(FileList *list);

    // The row before which the dragged rows would go, or -1 when not dragging.
    int dropGap() const { return m_dragging ? m_gap : -1; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool press(const QPoint &position, Qt::KeyboardModifiers modifiers);
    bool move(const QPoint &position);
    bool release();
    int gapAt(const QPoint &position) const;
    void showIndicator();
    void reset();

    FileList *m_list;
    QWidget *m_indicator;
    int m_pressedRow = -1;
    QPoint m_pressPosition;
    bool m_keepSelection = false;
    bool m_dragging = false;
    int m_gap = -1;
};
