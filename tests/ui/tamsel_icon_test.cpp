#include <QIcon>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QSet>
#include <QSize>

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "ui/tamsel_icon.h"

namespace tamsel {
namespace {

bool IsTransparent(QRgb p) { return qAlpha(p) == 0; }
bool IsBlack(QRgb p) { return qAlpha(p) == 255 && qRed(p) < 40 && qGreen(p) < 40 && qBlue(p) < 40; }
bool IsYellow(QRgb p) { return qAlpha(p) == 255 && qRed(p) > 220 && qGreen(p) > 190 && qBlue(p) < 90; }

TEST(TamselIconTest, ComesIn16And32Pixels) {
    const QList<QSize> sizes = TamselIcon().availableSizes();
    ASSERT_EQ(sizes.size(), 2);
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
}

// Landmarks of the face at each size.
struct FaceCase {
    int size;
    QPoint leftEye;  // a pixel inside the left eye
    QPoint smile;    // a pixel of the smile's lowest point
};

void PrintTo(const FaceCase& c, std::ostream* out) { *out << c.size << " px"; }

class TamselIconFaceTest : public ::testing::TestWithParam<FaceCase> {
protected:
    QImage Face() const {
        const int size = GetParam().size;
        return TamselIcon().pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32);
    }
};

TEST_P(TamselIconFaceTest, IsDrawnForTheSizeItself) {
    const int size = GetParam().size;
    EXPECT_EQ(Face().size(), QSize(size, size));
}

TEST_P(TamselIconFaceTest, IsARoundFaceOnATransparentBackground) {
    const QImage face = Face();
    const int last = face.width() - 1;
    const int middle = face.width() / 2;
    for (const QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
        EXPECT_TRUE(IsTransparent(face.pixel(corner))) << "corner " << corner.x() << "," << corner.y();
    // A black outline where the circle touches the edges, yellow inside.
    for (const QPoint edge : {QPoint(middle, 0), QPoint(middle, last), QPoint(0, middle), QPoint(last, middle)})
        EXPECT_TRUE(IsBlack(face.pixel(edge))) << "edge " << edge.x() << "," << edge.y();
    EXPECT_TRUE(IsYellow(face.pixel(middle, middle)));
    EXPECT_TRUE(IsYellow(face.pixel(middle, face.height() / 4)));
}

TEST_P(TamselIconFaceTest, HasAtMost16Colours) {
    const QImage face = Face();
    QSet<QRgb> colours;
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x) colours.insert(IsTransparent(face.pixel(x, y)) ? 0 : face.pixel(x, y));
    EXPECT_LE(colours.size(), 16);
    EXPECT_GE(colours.size(), 3);  // transparent, black, yellow
}

TEST_P(TamselIconFaceTest, IsSymmetric) {
    const QImage face = Face();
    EXPECT_EQ(face, face.mirrored(true, false));
}

// The black pixels connected to start, diagonals included.
std::vector<QPoint> BlackArea(const QImage& image, QPoint start) {
    std::vector<QPoint> area;
    if (!IsBlack(image.pixel(start))) return area;
    std::vector<bool> seen(image.width() * image.height(), false);
    std::vector<QPoint> todo{start};
    seen[start.y() * image.width() + start.x()] = true;
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        area.push_back(p);
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1), QPoint(1, 1), QPoint(1, -1),
                                   QPoint(-1, 1), QPoint(-1, -1)}) {
            const QPoint q = p + step;
            if (!image.rect().contains(q) || seen[q.y() * image.width() + q.x()] || !IsBlack(image.pixel(q))) continue;
            seen[q.y() * image.width() + q.x()] = true;
            todo.push_back(q);
        }
    }
    return area;
}

QRect Bounds(const std::vector<QPoint>& points) {
    QRect bounds;
    for (const QPoint p : points) bounds |= QRect(p, QSize(1, 1));
    return bounds;
}

TEST_P(TamselIconFaceTest, HasTallOvalEyesInTheUpperHalf) {
    const QImage face = Face();
    const std::vector<QPoint> eye = BlackArea(face, GetParam().leftEye);
    ASSERT_FALSE(eye.empty());
    const QRect bounds = Bounds(eye);
    // A separate spot, not joined to the outline or the smile.
    EXPECT_GT(bounds.left(), 0);
    EXPECT_LT(bounds.bottom(), face.height() / 2);
    EXPECT_LT(bounds.right(), face.width() / 2);
    EXPECT_GT(bounds.height(), bounds.width());
    // The right eye mirrors it; yellow lies between the eyes.
    EXPECT_TRUE(IsBlack(face.pixel(face.width() - 1 - GetParam().leftEye.x(), GetParam().leftEye.y())));
    EXPECT_TRUE(IsYellow(face.pixel(face.width() / 2, GetParam().leftEye.y())));
}

TEST_P(TamselIconFaceTest, HasASmileCurvingUp) {
    const QImage face = Face();
    const std::vector<QPoint> smile = BlackArea(face, GetParam().smile);
    ASSERT_FALSE(smile.empty());
    const QRect bounds = Bounds(smile);
    // Wide and in the lower half, apart from the outline.
    EXPECT_GT(bounds.top(), face.height() / 2);
    EXPECT_GT(bounds.left(), 0);
    EXPECT_GE(bounds.width(), face.width() / 2);
    EXPECT_GT(bounds.width(), 2 * bounds.height());
    // Its ends stand higher than its middle.
    int endTop = face.height();
    for (const QPoint p : smile)
        if (p.x() == bounds.left()) endTop = std::min(endTop, p.y());
    EXPECT_LT(endTop, GetParam().smile.y() - 1);
}

INSTANTIATE_TEST_SUITE_P(Sizes, TamselIconFaceTest,
                         ::testing::Values(FaceCase{32, QPoint(10, 12), QPoint(16, 23)},
                                           FaceCase{16, QPoint(5, 5), QPoint(7, 11)}),
                         [](const ::testing::TestParamInfo<FaceCase>& info) {
                             return std::to_string(info.param.size) + "px";
                         });

}  // namespace
}  // namespace tamsel
