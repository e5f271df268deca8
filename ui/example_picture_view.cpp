// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/example_picture_view.h"

#include <QPainter>
#include <QPalette>

#include "ui/example_picture.h"

namespace tamsel {

ExamplePictureView::ExamplePictureView(QWidget* parent) : QWidget(parent) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
}

QSize ExamplePictureView::sizeHint() const { return {kExamplePictureWidth, kExamplePictureHeight}; }

void ExamplePictureView::paintEvent(QPaintEvent*) {
    // A picture drawn for the screen's own ratio stays sharp on scaled screens
    // and still covers 694 × 154 logical pixels.
    const qreal ratio = devicePixelRatioF();
    if (picture_.isNull() || picture_.devicePixelRatio() != ratio) picture_ = DrawExamplePicture(ratio);
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), picture_);
}

}  // namespace tamsel
