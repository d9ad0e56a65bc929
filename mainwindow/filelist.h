// SPDX-License-Identifier: MIT
#pragma once

#include "fileentrywalk.h"

#include <QList>
#include <QTreeWidget>
#include <QUrl>

#include <vector>

// The list of files to convert: one row a file, three strings a row. Column 0
// shows the name; columns 1 and 2 are hidden, and column 2 followed by
// column 1 is the file's absolute path. Rows can be dragged into another
// order (RowReorder); files dropped from outside are handed on as
// filesDropped.
class FileList : public QTreeWidget {
    Q_OBJECT
public:
    explicit FileList(QWidget *parent = nullptr);

    int rowCount() const { return topLevelItemCount(); }
    QString cell(int row, int column) const;
    // Column 2 followed by column 1.
    QString path(int row) const;
    void appendRows(const std::vector<notepack::FileRow> &rows);
    void setHeading(const QString &text);
    QString heading() const;
    // The lowest selected row, or -1.
    int selectionIndex() const;
    void setRowSelected(int row, bool selected);
    void removeRow(int row);
    // Orders rows by their shown names as a person expects (letter case
    // ignored, numbers by value); each row keeps its path.
    void sortByName();
    // Moves the selected rows, in their order, to the place before row gap
    // (rowCount() for the end); they stay selected.
    void moveSelectedRowsTo(int gap, int rowIfNoneSelected = -1);

    static const QColor &stripeColor();

Q_SIGNALS:
    void filesDropped(const QList<QUrl> &urls);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void drawRow(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    static bool isFileDrop(const QDropEvent *event);
};
