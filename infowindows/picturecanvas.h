// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QWidget>

#include <functional>

// A canvas that draws one picture with its mask over the erased window
// background, and tells when it is clicked.
class PictureCanvas : public QWidget {
    Q_OBJECT
public:
    // picture gives the picture to draw, already masked; draw puts it on
    // the canvas.
    using Painter = std::function<void(QPainter &, const QPixmap &)>;
    PictureCanvas(std::function<QPixmap()> picture, Painter draw, QWidget *parent);

Q_SIGNALS:
    void mouseDown();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    std::function<QPixmap()> m_picture;
    Painter m_draw;
};
