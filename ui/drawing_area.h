// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPointF>
#include <QWidget>

#include "notation/drawing_surface.h"

namespace tamsel {

// The drawing area of the window: help text and nested fraction are painted
// into a backing image that lives as long as the widget, so whatever was
// drawn survives hiding, covering and showing; painting the widget only
// copies the image. Positions are in the area's own units, which span the
// widget's current size (notation/drawing_style.h), so a unit across and a
// unit down are in general not equally long.
// The image has the widget's size times its device pixel ratio, so lines and
// texts stay crisp on scaled screens.
class DrawingArea : public QWidget, public DrawingSurface {
    Q_OBJECT

public:
    explicit DrawingArea(QWidget* parent = nullptr);

    void Erase() override;
    DrawPoint Position() const override;
    void SetPosition(DrawPoint p) override;
    void Print(const std::string& text, PrintEnd end) override;
    void DrawLine(DrawPoint from, DrawPoint to) override;

    // The backing image as of the last drawing, painting or resize.
    const QImage& Image() const { return image_; }

    // Where a point of the area's coordinates lies in the widget, in logical pixels.
    QPointF ToPixels(DrawPoint p) const;

signals:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // Brings the image to the widget's current size and pixel ratio, keeping
    // what it holds at its top left.
    void MatchImageToWidget();

    QImage image_;
    DrawPoint position_;
};

}  // namespace tamsel
