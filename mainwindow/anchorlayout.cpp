// SPDX-License-Identifier: MIT
#include "anchorlayout.h"

#include <QWidget>
#include <QWidgetItem>

AnchorLayout::AnchorLayout(QWidget *parent, QSize designSize)
    : QLayout(parent)
    , m_designSize(designSize)
{
    setContentsMargins(0, 0, 0, 0);
}

AnchorLayout::~AnchorLayout()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

void AnchorLayout::addWidget(QWidget *widget, QRect designGeometry, Qt::Edges lockedEdges)
{
    addChildWidget(widget);
    m_items.append({new QWidgetItem(widget), designGeometry, lockedEdges});
    invalidate();
}

void AnchorLayout::addItem(QLayoutItem *item)
{
    m_items.append({item, item->geometry(), Qt::LeftEdge | Qt::TopEdge});
}

int AnchorLayout::count() const
{
    return static_cast<int>(m_items.size());
}

QLayoutItem *AnchorLayout::itemAt(int index) const
{
    return index >= 0 && index < m_items.size() ? m_items[index].item : nullptr;
}

QLayoutItem *AnchorLayout::takeAt(int index)
{
    return index >= 0 && index < m_items.size() ? m_items.takeAt(index).item : nullptr;
}

QSize AnchorLayout::sizeHint() const
{
    return m_designSize;
}

QSize AnchorLayout::minimumSize() const
{
    return m_designSize;
}

int AnchorLayout::place(int designStart, int designLength, int designSpan, int span, bool lockStart,
                        bool lockEnd, int &length)
{
    const int growth = span - designSpan;
    length = designLength + (lockStart && lockEnd ? growth : 0);
    return designStart + (lockEnd && !lockStart ? growth : 0);
}

void AnchorLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    for (const Anchored &anchored : std::as_const(m_items)) {
        const QRect &design = anchored.designGeometry;
        const Qt::Edges edges = anchored.lockedEdges;
        int width = 0;
        int height = 0;
        const int x = place(design.x(), design.width(), m_designSize.width(), rect.width(),
                            edges & Qt::LeftEdge, edges & Qt::RightEdge, width);
        const int y = place(design.y(), design.height(), m_designSize.height(), rect.height(),
                            edges & Qt::TopEdge, edges & Qt::BottomEdge, height);
        // Exactly where the design says: a layout item would bend the
        // geometry to the widget's size hints.
        const QRect geometry(rect.x() + x, rect.y() + y, width, height);
        if (QWidget *widget = anchored.item->widget())
            widget->setGeometry(geometry);
        else
            anchored.item->setGeometry(geometry);
    }
}
