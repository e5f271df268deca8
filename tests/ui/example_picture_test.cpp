#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "ui/example_picture.h"
#include "ui/example_picture_view.h"

namespace tamsel {
namespace {

const QRgb kWhitePixel = qRgb(255, 255, 255);
const QRgb kBlackPixel = qRgb(0, 0, 0);
const QRgb kRedPixel = qRgb(255, 0, 0);

bool IsWhite(QRgb p) { return (p & 0xFFFFFF) == (kWhitePixel & 0xFFFFFF); }
// Black, red, white and every smoothing blend of them have equal green and
// blue; any other colour has not.
bool IsBlend(QRgb p) { return qGreen(p) == qBlue(p); }
// Red or a blend of red with white or black.
bool IsReddish(QRgb p) { return qRed(p) > qGreen(p); }
// Black or grey: text and lines in black, smoothed against white.
bool IsDark(QRgb p) { return qRed(p) == qGreen(p) && qRed(p) < 160; }

const QImage& Picture() {
    static const QImage picture = DrawExamplePicture();
    return picture;
}

// The picture's areas in logical pixels (inclusive bounds).
const QRect kLeftFormula(QPoint(10, 9), QPoint(337, 106));
const QRect kRightFormula(QPoint(402, 9), QPoint(687, 106));
const QRect kLeftCaption(QPoint(10, 114), QPoint(337, 128));
const QRect kRightCaption(QPoint(402, 114), QPoint(687, 128));

int Count(const QImage& image, const QRect& area, bool (*test)(QRgb)) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(image.pixel(x, y))) ++count;
    return count;
}

TEST(ExamplePictureTest, Is694By154WithoutAlpha) {
    const QImage& picture = Picture();
    EXPECT_EQ(picture.size(), QSize(694, 154));
    EXPECT_EQ(picture.format(), QImage::Format_RGB888);
    EXPECT_EQ(picture.depth(), 24);
    EXPECT_FALSE(picture.hasAlphaChannel());
    EXPECT_EQ(picture.devicePixelRatio(), 1.0);
}

struct RatioCase {
    qreal ratio;
    QSize pixels;
};

void PrintTo(const RatioCase& c, std::ostream* out) { *out << "ratio " << c.ratio; }

class ExamplePictureRatioTest : public ::testing::TestWithParam<RatioCase> {};

TEST_P(ExamplePictureRatioTest, CoversTheSameLogicalArea) {
    const RatioCase c = GetParam();
    const QImage picture = DrawExamplePicture(c.ratio);
    EXPECT_EQ(picture.size(), c.pixels);
    EXPECT_DOUBLE_EQ(picture.devicePixelRatio(), c.ratio);
    EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(694, 154));
    EXPECT_FALSE(picture.hasAlphaChannel());
}

TEST_P(ExamplePictureRatioTest, DrawsOnlyInsideTheScaledContentBox) {
    // A drawing that ignored the ratio would stay in the top left quarter or
    // spill over the content box's edges.
    const RatioCase c = GetParam();
    const QImage picture = DrawExamplePicture(c.ratio);
    int left = picture.width(), right = -1, top = picture.height(), bottom = -1;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (IsWhite(picture.pixel(x, y))) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    EXPECT_GE(left, std::floor(10 * c.ratio));
    EXPECT_LT(right, std::ceil(688 * c.ratio));
    EXPECT_GE(top, std::floor(9 * c.ratio));
    EXPECT_LT(bottom, std::ceil(129 * c.ratio));
    // ... and the content reaches out to near the box's left, right and bottom edges.
    EXPECT_LT(left, 14 * c.ratio);
    EXPECT_GT(right, 640 * c.ratio);
    EXPECT_GT(bottom, 122 * c.ratio);
}

INSTANTIATE_TEST_SUITE_P(Ratios, ExamplePictureRatioTest,
                         ::testing::Values(RatioCase{1, {694, 154}}, RatioCase{1.5, {1041, 231}},
                                           RatioCase{2, {1388, 308}}, RatioCase{1.25, {868, 193}}));

TEST(ExamplePictureTest, UsesOnlyBlackAndPureRedOnWhite) {
    const QImage& picture = Picture();
    EXPECT_EQ(Count(picture, picture.rect(), [](QRgb p) { return !IsBlend(p); }), 0);
    // The full colours themselves occur, not only their smoothed edges.
    EXPECT_GT(Count(picture, picture.rect(), [](QRgb p) { return (p & 0xFFFFFF) == (kBlackPixel & 0xFFFFFF); }), 100);
    EXPECT_GT(Count(picture, picture.rect(), [](QRgb p) { return (p & 0xFFFFFF) == (kRedPixel & 0xFFFFFF); }), 100);
}

// What each area of the picture holds.
enum class Holds { Nothing, BlackOnly, BlackAndRed };

struct AreaCase {
    const char* name;
    QRect area;
    Holds holds;
};

class ExamplePictureAreaTest : public ::testing::TestWithParam<AreaCase> {};

TEST_P(ExamplePictureAreaTest, HoldsTheRightColours) {
    const AreaCase c = GetParam();
    const QImage& picture = Picture();
    const int ink = Count(picture, c.area, [](QRgb p) { return !IsWhite(p); });
    const int dark = Count(picture, c.area, IsDark);
    const int red = Count(picture, c.area, IsReddish);
    switch (c.holds) {
    case Holds::Nothing:
        EXPECT_EQ(ink, 0) << c.name;
        break;
    case Holds::BlackOnly:
        EXPECT_GT(dark, 150) << c.name;
        EXPECT_EQ(red, 0) << c.name;
        break;
    case Holds::BlackAndRed:
        EXPECT_GT(dark, 150) << c.name;
        EXPECT_GT(red, 300) << c.name;
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Areas, ExamplePictureAreaTest,
    ::testing::Values(AreaCase{"left margin", QRect(0, 0, 10, 154), Holds::Nothing},
                      AreaCase{"top margin", QRect(0, 0, 694, 9), Holds::Nothing},
                      AreaCase{"right margin", QRect(688, 0, 6, 154), Holds::Nothing},
                      AreaCase{"bottom margin", QRect(0, 129, 694, 25), Holds::Nothing},
                      AreaCase{"gap between the examples", QRect(338, 0, 64, 154), Holds::Nothing},
                      AreaCase{"gap above the captions", QRect(0, 107, 694, 7), Holds::Nothing},
                      AreaCase{"left formula", kLeftFormula, Holds::BlackOnly},
                      AreaCase{"left caption", kLeftCaption, Holds::BlackOnly},
                      AreaCase{"right formula", kRightFormula, Holds::BlackAndRed},
                      AreaCase{"right caption", kRightCaption, Holds::BlackOnly}),
    [](const ::testing::TestParamInfo<AreaCase>& info) {
        std::string name = info.param.name;
        for (char& ch : name)
            if (ch == ' ') ch = '_';
        return name;
    });

// A horizontal run of pixels of one colour, at least minLength long.
struct PixelRun {
    int y;
    int left;
    int right;
};

std::vector<PixelRun> LongRuns(const QImage& image, const QRect& area, QRgb colour, int minLength) {
    std::vector<PixelRun> runs;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        int x = area.left();
        while (x <= area.right()) {
            if ((image.pixel(x, y) & 0xFFFFFF) != (colour & 0xFFFFFF)) {
                ++x;
                continue;
            }
            const int start = x;
            while (x <= area.right() && (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) ++x;
            if (x - start >= minLength) runs.push_back({y, start, x - 1});
        }
    }
    return runs;
}

class ExamplePictureStaircaseTest : public ::testing::TestWithParam<QRect> {};

TEST_P(ExamplePictureStaircaseTest, HasFourFractionBarsSteppingToTheRight) {
    // Four levels: three fractions with numerator 1 and the empty bar at the
    // bottom. Every bar ends at the same place; each starts right of the one above.
    const std::vector<PixelRun> bars = LongRuns(Picture(), GetParam(), kBlackPixel, 25);
    ASSERT_EQ(bars.size(), 4u);
    for (std::size_t i = 1; i < bars.size(); ++i) {
        EXPECT_GE(bars[i].y - bars[i - 1].y, 15) << "bar " << i;
        EXPECT_GT(bars[i].left, bars[i - 1].left + 15) << "bar " << i;
        EXPECT_EQ(bars[i].right, bars[0].right) << "bar " << i;
    }
    // The numerators stand above the three upper bars, nothing above the empty one.
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const int middle = (bars[i].left + bars[i].right) / 2;
        const QRect above(QPoint(middle - 6, bars[i].y - 12), QPoint(middle + 6, bars[i].y - 2));
        const int ink = Count(Picture(), above, IsDark);
        if (i < 3)
            EXPECT_GT(ink, 8) << "numerator over bar " << i;
        else
            EXPECT_EQ(ink, 0) << "over the empty bar";
    }
}

INSTANTIATE_TEST_SUITE_P(Halves, ExamplePictureStaircaseTest, ::testing::Values(kLeftFormula, kRightFormula));

TEST(ExamplePictureTest, MarksThePeriodsWithOverbars) {
    const QImage& picture = Picture();
    // Left: one short black bar over the single 2 of "= [1; 2]", high above
    // the top fraction bar and right of it.
    const std::vector<PixelRun> leftBars = LongRuns(picture, kLeftFormula, kBlackPixel, 25);
    ASSERT_FALSE(leftBars.empty());
    const QRect leftNotation(QPoint(leftBars.front().right + 1, kLeftFormula.top()),
                             QPoint(kLeftFormula.right(), leftBars.front().y - 10));
    const std::vector<PixelRun> overbars = LongRuns(picture, leftNotation, kBlackPixel, 6);
    ASSERT_EQ(overbars.size(), 1u);
    EXPECT_LT(overbars[0].right - overbars[0].left, 15);
    // Right: one red bar, long enough to span "2, 4", right of the fractions.
    const std::vector<PixelRun> rightBars = LongRuns(picture, kRightFormula, kBlackPixel, 25);
    ASSERT_FALSE(rightBars.empty());
    const std::vector<PixelRun> redBars = LongRuns(picture, kRightFormula, kRedPixel, 20);
    ASSERT_EQ(redBars.size(), 1u);
    EXPECT_GT(redBars[0].left, rightBars.front().right);
    EXPECT_LT(redBars[0].y, rightBars.front().y - 10);
}

class ExamplePictureViewTest : public ::testing::TestWithParam<QSize> {};

TEST_P(ExamplePictureViewTest, ShowsThePictureUnscaledFromTheTopLeftAndClipped) {
    const QSize size = GetParam();
    ExamplePictureView view;
    view.resize(size);
    const QImage shown = view.grab().toImage();
    ASSERT_EQ(shown.size(), size);
    const QImage& picture = Picture();
    int wrong = 0;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const QRgb expected = picture.rect().contains(x, y) ? picture.pixel(x, y) : kWhitePixel;
            if ((shown.pixel(x, y) & 0xFFFFFF) != (expected & 0xFFFFFF)) ++wrong;
        }
    }
    EXPECT_EQ(wrong, 0) << "pixels differing from the picture in a " << size.width() << " x " << size.height()
                        << " box";
}

INSTANTIATE_TEST_SUITE_P(Sizes, ExamplePictureViewTest,
                         ::testing::Values(QSize(300, 100), QSize(500, 60), QSize(694, 154), QSize(900, 250),
                                           QSize(40, 400)),
                         [](const ::testing::TestParamInfo<QSize>& info) {
                             return std::to_string(info.param.width()) + "x" + std::to_string(info.param.height());
                         });

TEST(ExamplePictureViewTest, IsPassive) {
    ExamplePictureView view;
    EXPECT_EQ(view.focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(view.toolTip().isEmpty());
    EXPECT_EQ(view.sizeHint(), QSize(694, 154));
    EXPECT_EQ(view.palette().color(QPalette::Window), QColor(255, 255, 255));
}

}  // namespace
}  // namespace tamsel
