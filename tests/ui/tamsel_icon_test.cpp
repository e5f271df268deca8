// SPDX-License-Identifier: GPL-3.0-or-later
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSet>

#include <gtest/gtest.h>

#include "ui/tamsel_icon.h"

namespace tamsel {
namespace {

bool IsTransparent(QRgb p) { return qAlpha(p) == 0; }
bool IsYellow(QRgb p) { return qAlpha(p) == 255 && qRed(p) > 220 && qGreen(p) > 190 && qBlue(p) < 90; }

// A face drawn for 16 and for 32 pixels: transparent corners, yellow in
// the middle, at most 16 colours.
TEST(TamselIcon, FacesFor16And32Pixels) {
    const QList<QSize> sizes = TamselIcon().availableSizes();
    ASSERT_EQ(sizes.size(), 2);
    for (const int size : {16, 32}) {
        ASSERT_TRUE(sizes.contains(QSize(size, size))) << size;
        const QImage face = TamselIcon().pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(face.size(), QSize(size, size));
        const int last = size - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)}) {
            EXPECT_TRUE(IsTransparent(face.pixel(corner))) << size << ": corner " << corner.x() << "," << corner.y();
        }
        EXPECT_TRUE(IsYellow(face.pixel(size / 2, size / 2))) << size;
        QSet<QRgb> colours;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) colours.insert(IsTransparent(face.pixel(x, y)) ? 0 : face.pixel(x, y));
        }
        EXPECT_LE(colours.size(), 16) << size;
    }
}

}  // namespace
}  // namespace tamsel
