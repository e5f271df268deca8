// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drawing_area.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>

#include "notation/drawing_style.h"
#include "ui/fonts.h"

namespace tamsel {

namespace {

constexpr double kMetresPerInch = 0.0254;

constexpr QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }
constexpr QColor kBackground = ToQColor(kDrawingBackground);
constexpr QColor kInk = ToQColor(kDrawingInk);

}  // namespace

DrawingArea::DrawingArea(QWidget* parent) : QWidget(parent) {
    setFont(SerifFont(kDrawingFontPoints));

    QPalette colours = palette();
    colours.setColor(QPalette::Window, kBackground);
    colours.setColor(QPalette::WindowText, kInk);
    setPalette(colours);
    // paintEvent covers every pixel from the image; the content is anchored
    // at the top left, so a grown widget only needs its new part painted.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_StaticContents);
    MatchImageToWidget();
}

void DrawingArea::MatchImageToWidget() {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (image_.size() == pixels && image_.devicePixelRatio() == ratio) return;

    QImage resized(pixels, QImage::Format_RGB32);
    if (resized.isNull()) {
        image_ = QImage();
        return;
    }
    resized.setDevicePixelRatio(ratio);
    // Texts are laid out in the image at the widget's resolution, so that
    // the widget's font metrics describe what lands in the image.
    resized.setDotsPerMeterX(qRound(logicalDpiX() / kMetresPerInch));
    resized.setDotsPerMeterY(qRound(logicalDpiY() / kMetresPerInch));
    resized.fill(kBackground);
    if (!image_.isNull()) {
        QPainter painter(&resized);
        painter.drawImage(QPointF(0, 0), image_);
    }
    image_ = resized;
}

QPointF DrawingArea::ToPixels(DrawPoint p) const {
    return {static_cast<double>(p.x) * width() / kDrawingUnitsAcross,
            static_cast<double>(p.y) * height() / kDrawingUnitsDown};
}

void DrawingArea::Erase() {
    MatchImageToWidget();
    image_.fill(kBackground);
    position_ = {0, 0};
    update();
}

DrawPoint DrawingArea::Position() const { return position_; }

void DrawingArea::SetPosition(DrawPoint p) { position_ = p; }

void DrawingArea::Print(const std::string& text, PrintEnd end) {
    MatchImageToWidget();
    const QString line = QString::fromStdString(text);
    const QFontMetricsF metrics(font(), this);
    if (!line.isEmpty() && !image_.isNull()) {
        const QPointF cell = ToPixels(position_);
        QPainter painter(&image_);
        painter.setFont(font());
        painter.setPen(kInk);
        painter.setBackgroundMode(Qt::TransparentMode);
        painter.drawText(QPointF(cell.x(), cell.y() + metrics.ascent()), line);
        update();
    }
    if (end == PrintEnd::KeepRow) {
        if (width() > 0) {
            position_.x += static_cast<float>(metrics.horizontalAdvance(line) * kDrawingUnitsAcross / width());
        }
    } else {
        position_.x = 0;
        if (height() > 0) position_.y += static_cast<float>(metrics.lineSpacing() * kDrawingUnitsDown / height());
    }
}

void DrawingArea::DrawLine(DrawPoint from, DrawPoint to) {
    MatchImageToWidget();
    if (!image_.isNull()) {
        QPainter painter(&image_);
        painter.setRenderHint(QPainter::Antialiasing, false);
        // One pixel of the widget wide, that is device-pixel-ratio pixels
        // of the image, with hard edges.
        QPen pen(kInk);
        pen.setWidthF(1);
        painter.setPen(pen);
        painter.drawLine(ToPixels(from), ToPixels(to));
        update();
    }
    position_ = to;
}

void DrawingArea::paintEvent(QPaintEvent* event) {
    MatchImageToWidget();
    QPainter painter(this);
    painter.setClipRegion(event->region());
    if (image_.isNull()) {
        painter.fillRect(rect(), kBackground);
        return;
    }
    painter.drawImage(QPointF(0, 0), image_);
}

void DrawingArea::resizeEvent(QResizeEvent* event) {
    MatchImageToWidget();
    QWidget::resizeEvent(event);
}

void DrawingArea::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    emit doubleClicked();
}

}  // namespace tamsel
