// SPDX-License-Identifier: MIT
#include "filelist.h"

#include "filenametext.h"
#include "rowreorder.h"

#include "naturalorder.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QPainter>

namespace {

constexpr int kColumnCount = 3;

} // namespace

FileList::FileList(QWidget *parent)
    : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("ListBox1"));
    QFont font = QApplication::font();
    font.setPointSize(11);
    setFont(font);

    setColumnCount(kColumnCount);
    setHeaderLabels({QStringLiteral("0 files"), QString(), QString()});
    setColumnHidden(1, true);
    setColumnHidden(2, true);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::Stretch);
    header()->setSectionsClickable(false);
    header()->setSectionsMovable(false);

    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    // Files come in by drops from outside; rows move by RowReorder, and
    // never leave the list.
    setDragEnabled(false);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    new RowReorder(this);
}

QString FileList::cell(int row, int column) const
{
    const QTreeWidgetItem *item = topLevelItem(row);
    return item ? item->text(column) : QString();
}

QString FileList::path(int row) const
{
    return cell(row, 2) + cell(row, 1);
}

void FileList::appendRows(const std::vector<notepack::FileRow> &rows)
{
    if (rows.empty())
        return;
    QList<QTreeWidgetItem *> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    // Rows come folder by folder, and a walked file's name fills two
    // columns: decoding each text once lets the rows share their strings.
    const std::string *lastFolder = nullptr;
    QString folder;
    for (const notepack::FileRow &row : rows) {
        if (!lastFolder || *lastFolder != row.column2) {
            folder = fileNameText(row.column2);
            lastFolder = &row.column2;
        }
        const QString name = fileNameText(row.name);
        const QString column1 = row.column1 == row.name ? name : fileNameText(row.column1);
        auto *item = new QTreeWidgetItem({name, column1, folder});
        // Rows are dropped between rows, never onto one.
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled |
                       Qt::ItemNeverHasChildren);
        items.append(item);
    }
    addTopLevelItems(items);
}

void FileList::setHeading(const QString &text)
{
    headerItem()->setText(0, text);
}

QString FileList::heading() const
{
    return headerItem()->text(0);
}

int FileList::selectionIndex() const
{
    int lowest = -1;
    for (const QModelIndex &index : selectionModel()->selectedRows()) {
        if (lowest < 0 || index.row() < lowest)
            lowest = index.row();
    }
    return lowest;
}

void FileList::setRowSelected(int row, bool selected)
{
    if (QTreeWidgetItem *item = topLevelItem(row))
        item->setSelected(selected);
}

void FileList::removeRow(int row)
{
    delete takeTopLevelItem(row);
}

void FileList::sortByName()
{
    struct Keyed {
        std::string key;
        QTreeWidgetItem *item;
    };
    const QList<QTreeWidgetItem *> selected = selectedItems();
    std::vector<Keyed> rows;
    rows.reserve(static_cast<std::size_t>(rowCount()));
    for (QTreeWidgetItem *item : invisibleRootItem()->takeChildren())
        rows.push_back({item->text(0).toStdString(), item});
    std::ranges::stable_sort(rows, notepack::naturalLess, &Keyed::key);
    QList<QTreeWidgetItem *> sorted;
    sorted.reserve(static_cast<qsizetype>(rows.size()));
    for (const Keyed &row : rows)
        sorted.append(row.item);
    addTopLevelItems(sorted);
    for (QTreeWidgetItem *item : selected)
        item->setSelected(true);
}

void FileList::moveSelectedRowsTo(int gap, int rowIfNoneSelected)
{
    QList<int> selected;
    for (const QModelIndex &index : selectionModel()->selectedRows())
        selected.append(index.row());
    if (selected.isEmpty() && rowIfNoneSelected >= 0)
        selected.append(rowIfNoneSelected);
    if (selected.isEmpty())
        return;
    std::ranges::sort(selected);
    gap = std::clamp(gap, 0, rowCount());

    QList<QTreeWidgetItem *> moving;
    for (auto row = selected.crbegin(); row != selected.crend(); ++row) {
        moving.prepend(takeTopLevelItem(*row));
        if (*row < gap)
            --gap;
    }
    insertTopLevelItems(gap, moving);
    clearSelection();
    for (QTreeWidgetItem *item : std::as_const(moving))
        item->setSelected(true);
    setCurrentItem(moving.constFirst(), 0, QItemSelectionModel::NoUpdate);
}

const QColor &FileList::stripeColor()
{
    static const QColor color(0xED, 0xF3, 0xFE);
    return color;
}

bool FileList::isFileDrop(const QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    return std::ranges::any_of(urls, &QUrl::isLocalFile);
}

void FileList::dragEnterEvent(QDragEnterEvent *event)
{
    if (isFileDrop(event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void FileList::dragMoveEvent(QDragMoveEvent *event)
{
    if (isFileDrop(event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void FileList::dropEvent(QDropEvent *event)
{
    if (!isFileDrop(event)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    Q_EMIT filesDropped(event->mimeData()->urls());
}

void FileList::drawRow(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    // The stripe belongs to the position, not to the file.
    if (index.row() % 2 == 0)
        painter->fillRect(option.rect, stripeColor());
    QTreeWidget::drawRow(painter, option, index);
}
