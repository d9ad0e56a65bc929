// SPDX-License-Identifier: MIT
#pragma once

#include <QLayout>
#include <QList>
#include <QRect>

// Places each widget where the window's design puts it and keeps it locked
// to the edges it was given: locked to one side it keeps its distance to
// that side; locked to two opposite sides it stretches with the window.
class AnchorLayout : public QLayout {
    Q_OBJECT
public:
    AnchorLayout(QWidget *parent, QSize designSize);
    ~AnchorLayout() override;

    void addWidget(QWidget *widget, QRect designGeometry, Qt::Edges lockedEdges);

    void addItem(QLayoutItem *item) override;
    int count() const override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect &rect) override;

private:
    struct Anchored {
        QLayoutItem *item;
        QRect designGeometry;
        Qt::Edges lockedEdges;
    };
    static int place(int designStart, int designLength, int designSpan, int span, bool lockStart,
                     bool lockEnd, int &length);

    QSize m_designSize;
    QList<Anchored> m_items;
};
