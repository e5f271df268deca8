// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QWidget>

namespace tamsel {

// The box that shows the example picture: white, with the picture at its
// natural size in the top left corner, cut off where the box is smaller and
// never scaled. It takes no focus and reacts to nothing.
class ExamplePictureView : public QWidget {
    Q_OBJECT

public:
    explicit ExamplePictureView(QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Drawn on first use for the screen's device pixel ratio, which it carries.
    QImage picture_;
};

}  // namespace tamsel
