// SPDX-License-Identifier: MIT
#include "picturecanvas.h"

#include <QMouseEvent>
#include <QPainter>

PictureCanvas::PictureCanvas(std::function<QPixmap()> picture, Painter draw, QWidget *parent)
    : QWidget(parent)
    , m_picture(std::move(picture))
    , m_draw(std::move(draw))
{
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
}

void PictureCanvas::paintEvent(QPaintEvent *event)
{
    (void)event;
    const QPixmap picture = m_picture();
    if (picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    m_draw(painter, picture);
}

void PictureCanvas::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    Q_EMIT mouseDown();
}
