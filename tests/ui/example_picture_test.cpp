// SPDX-License-Identifier: GPL-3.0-or-later
#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QRect>

#include <gtest/gtest.h>

#include <cmath>

#include "ui/example_picture.h"
#include "ui/example_picture_view.h"

namespace tamsel {
namespace {

bool IsWhite(QRgb p) { return (p & 0xFFFFFF) == 0xFFFFFF; }
// Red or a blend of red with white or black.
bool IsReddish(QRgb p) { return qRed(p) > qGreen(p); }

const QImage& Picture() {
    static const QImage picture = DrawExamplePicture();
    return picture;
}

int Count(const QImage& image, const QRect& area, bool (*test)(QRgb)) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) count += test(image.pixel(x, y)) ? 1 : 0;
    }
    return count;
}

TEST(ExamplePicture, Is694By154WithoutAlpha) {
    EXPECT_EQ(Picture().size(), QSize(694, 154));
    EXPECT_FALSE(Picture().hasAlphaChannel());
    EXPECT_EQ(Picture().devicePixelRatio(), 1.0);
}

TEST(ExamplePicture, UsesOnlyBlackAndRedOnWhiteWithRedOnlyOnTheRight) {
    const QImage& picture = Picture();
    // Black, red, white and every smoothing blend of them have equal green
    // and blue; any other colour has not.
    EXPECT_EQ(Count(picture, picture.rect(), [](QRgb p) { return qGreen(p) != qBlue(p); }), 0);
    EXPECT_GT(Count(picture, picture.rect(), [](QRgb p) { return (p & 0xFFFFFF) == 0; }), 100);
    EXPECT_GT(Count(picture, picture.rect(), [](QRgb p) { return (p & 0xFFFFFF) == 0xFF0000; }), 100);
    // The left example and both captions are black; the right formula holds red.
    EXPECT_EQ(Count(picture, QRect(0, 0, 402, 154), IsReddish), 0);
    EXPECT_EQ(Count(picture, QRect(QPoint(402, 114), QPoint(687, 128)), IsReddish), 0);
    EXPECT_GT(Count(picture, QRect(QPoint(402, 9), QPoint(687, 106)), IsReddish), 300);
}

// The content fills its box from (10, 9) to (687, 128) in logical pixels
// and stays within it, at the screen's device pixel ratio too.
TEST(ExamplePicture, DrawsWithinItsContentBoxAtAnyRatio) {
    for (const qreal ratio : {1.0, 1.5}) {
        const QImage picture = DrawExamplePicture(ratio);
        EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(694, 154)) << ratio;
        EXPECT_FALSE(picture.hasAlphaChannel()) << ratio;
        QRect ink;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                if (!IsWhite(picture.pixel(x, y))) ink |= QRect(x, y, 1, 1);
            }
        }
        EXPECT_GE(ink.left(), std::floor(10 * ratio)) << ratio;
        EXPECT_LT(ink.right(), std::ceil(688 * ratio)) << ratio;
        EXPECT_GE(ink.top(), std::floor(9 * ratio)) << ratio;
        EXPECT_LT(ink.bottom(), std::ceil(129 * ratio)) << ratio;
        // A drawing that ignored the ratio would stay in the top left part.
        EXPECT_LT(ink.left(), 14 * ratio) << ratio;
        EXPECT_GT(ink.right(), 640 * ratio) << ratio;
        EXPECT_GT(ink.bottom(), 122 * ratio) << ratio;
    }
}

// The view shows the picture unscaled from its top left, cut off where the
// view is smaller, white where it is larger.
TEST(ExamplePictureView, ShowsThePictureUnscaledAndClipped) {
    for (const QSize size : {QSize(300, 100), QSize(900, 250)}) {
        ExamplePictureView view;
        view.resize(size);
        const QImage shown = view.grab().toImage();
        ASSERT_EQ(shown.size(), size);
        int wrong = 0;
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                const QRgb expected = Picture().rect().contains(x, y) ? Picture().pixel(x, y) : qRgb(255, 255, 255);
                wrong += (shown.pixel(x, y) & 0xFFFFFF) != (expected & 0xFFFFFF) ? 1 : 0;
            }
        }
        EXPECT_EQ(wrong, 0) << "pixels differing in a " << size.width() << " x " << size.height() << " view";
    }
}

}  // namespace
}  // namespace tamsel
