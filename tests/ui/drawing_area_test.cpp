// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing area: mapping of its coordinates onto the widget, printing,
// lines, and the backing image that keeps the drawing.

#include <QApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QProcess>
#include <QRegion>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "ui/drawing_area.h"
#include "child_run.h"
#include "window_fixture.h"

namespace tamsel {
namespace {

const QRgb kNavy = qRgb(0, 0, 64);
const QRgb kLightYellow = qRgb(255, 255, 192);

QImage Rgb32(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

// The smallest rectangle holding every pixel that is not background.
QRect InkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != kNavy) bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

// Whether exactly the pixels of `lit` have the drawing colour and all others
// the background colour (so no antialiasing either).
::testing::AssertionResult OnlyLit(const QImage& image, const QRegion& lit) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb want = lit.contains(QPoint(x, y)) ? kLightYellow : kNavy;
            if (image.pixel(x, y) != want) {
                return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << std::hex
                                                     << image.pixel(x, y) << ", expected " << want;
            }
        }
    }
    return ::testing::AssertionSuccess();
}

// A line is one pixel wide, has no antialiasing and lies on the pixels that
// contain its mapped end points: x·width/100 across, y·height/60 down.
TEST(DrawingArea, LineLightsExactlyItsPixels) {
    QRegion diagonal;  // 10 pixels right and 10 down
    for (int i = 0; i <= 10; ++i) diagonal |= QRect(480 + i, 100 + i, 1, 1);
    const struct {
        const char* name;
        QSize size;
        DrawPoint from, to;
        QRegion lit;
    } cases[] = {
        // y = 30 is half the height.
        {"HalfHeight", {800, 600}, {10, 30}, {20, 30}, QRect(QPoint(80, 300), QPoint(160, 300))},
        {"DrawnBackwards", {800, 600}, {20, 30}, {10, 30}, QRect(QPoint(80, 300), QPoint(160, 300))},
        {"Vertical", {800, 600}, {50, 10}, {50, 20}, QRect(QPoint(400, 100), QPoint(400, 200))},
        // Units across and down of different lengths: 10 and 4 pixels.
        {"UnequalUnits", {1000, 240}, {25, 15}, {25, 45}, QRect(QPoint(250, 60), QPoint(250, 180))},
        // The bar of step 2 on an area of 840 × 507: y = 5.4 maps to 45.63,
        // which lies in pixel row 45.
        {"FractionalRow", {840, 507}, {10, 5.4f}, {15, 5.4f}, QRect(QPoint(84, 45), QPoint(126, 45))},
        {"LeftAndTopEdges", {800, 600}, {0, 0}, {100, 0}, QRect(QPoint(0, 0), QPoint(799, 0))},
        {"Slanting", {800, 600}, {60, 10}, {61.25f, 11}, diagonal},
        // Beyond the bottom edge nothing is drawn, and nothing fails.
        {"BelowTheBottom", {800, 600}, {10, 65.4f}, {20, 65.4f}, QRegion()},
        {"ClippedAtTheRight", {800, 600}, {90, 30}, {130, 30}, QRect(QPoint(720, 300), QPoint(799, 300))},
    };
    for (const auto& c : cases) {
        DrawingArea area;
        area.resize(c.size);
        area.Erase();
        area.DrawLine(c.from, c.to);
        EXPECT_TRUE(OnlyLit(area.Image(), c.lit)) << c.name;
        EXPECT_EQ(area.Position(), c.to) << c.name;
    }
}

TEST(DrawingArea, PrintPutsTheTextCellsTopLeftAtThePositionAndEraseRemovesIt) {
    DrawingArea area;
    area.resize(800, 600);
    area.Erase();
    area.SetPosition({50, 30});
    area.Print("H", PrintEnd::KeepRow);
    // The cell's top left lies at pixel (400, 300), the baseline one ascent
    // lower; the glyph's ink lies where the font puts it relative to that.
    const QFontMetricsF metrics(area.font(), &area);
    const QRectF glyph = metrics.tightBoundingRect("H").translated(400, 300 + metrics.ascent());
    const QRect ink = InkBounds(area.Image());
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.left(), glyph.left(), 1.0);
    EXPECT_NEAR(ink.top(), glyph.top(), 1.0);
    EXPECT_NEAR(ink.right() + 1, glyph.right(), 1.0);
    EXPECT_NEAR(ink.bottom() + 1, glyph.bottom(), 1.0);

    area.DrawLine({10, 10}, {90, 50});
    area.Erase();
    EXPECT_EQ(area.Position(), (DrawPoint{0, 0}));
    EXPECT_TRUE(OnlyLit(area.Image(), QRegion()));
}

// Keeping to the row moves x on by the text's advance in the area's units;
// ending the line goes to the left edge, one line height lower.
TEST(DrawingArea, PrintMovesThePosition) {
    const struct {
        QSize size;
        std::string text;
        DrawPoint at;
    } cases[] = {
        {{840, 507}, " x  = ", {0, 3}},
        {{1000, 500}, "nächstgrößere", {0, 0}},
        {{800, 600}, "Periode", {120, 87}},  // beyond the edge
        {{800, 600}, "", {37.5f, 12.25f}},
    };
    for (const auto& c : cases) {
        DrawingArea area;
        area.resize(c.size);
        const QFontMetricsF metrics(area.font(), &area);
        const double advance = metrics.horizontalAdvance(QString::fromStdString(c.text)) * 100 / c.size.width();
        EXPECT_EQ(advance > 0, !c.text.empty()) << c.text;
        area.SetPosition(c.at);
        area.Print(c.text, PrintEnd::KeepRow);
        EXPECT_FLOAT_EQ(area.Position().x, static_cast<float>(c.at.x + advance)) << c.text;
        EXPECT_EQ(area.Position().y, c.at.y) << c.text;
        area.SetPosition(c.at);
        area.Print(c.text, PrintEnd::EndLine);
        EXPECT_EQ(area.Position().x, 0) << c.text;
        EXPECT_FLOAT_EQ(area.Position().y, static_cast<float>(c.at.y + metrics.lineSpacing() * 60 / c.size.height()))
            << c.text;
    }
}

// The widget's pixels as they are painted: the part of a grab of `window`
// that the area covers, cut off where the window ends.
QImage AreaOnScreen(QWidget& window, const DrawingArea& area) {
    const QRect onWindow = QRect(area.mapTo(&window, QPoint(0, 0)), area.size()) & window.rect();
    return Rgb32(window.grab(onWindow).toImage());
}

// The help text is printed before the window is first shown; the drawing
// must outlast hiding, showing and being covered by another control.
TEST(DrawingArea, DrawingSurvivesShowingHidingAndCovering) {
    QWidget window;
    window.resize(900, 700);
    DrawingArea area(&window);
    area.setGeometry(50, 60, 800, 600);
    QWidget cover(&window);
    cover.setGeometry(0, 0, 500, 400);
    cover.setAutoFillBackground(true);
    cover.setPalette(QPalette(QColor(192, 192, 192)));
    cover.hide();

    area.Erase();
    area.Print("Kettenbruchentwicklung", PrintEnd::EndLine);
    area.DrawLine({10, 30}, {60, 50});
    const QImage drawn = Rgb32(area.Image());

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(AreaOnScreen(window, area) == drawn) << "first shown";
    area.hide();
    QApplication::processEvents();
    EXPECT_EQ(Rgb32(window.grab(QRect(50, 60, 800, 600)).toImage()).pixel(10, 10),
              window.palette().color(QPalette::Window).rgb())
        << "hidden";
    area.show();
    QApplication::processEvents();
    EXPECT_TRUE(AreaOnScreen(window, area) == drawn) << "shown again";
    cover.show();
    cover.raise();
    QApplication::processEvents();
    EXPECT_EQ(Rgb32(window.grab(QRect(60, 70, 10, 10)).toImage()).pixel(5, 5), qRgb(192, 192, 192)) << "covered";
    cover.hide();
    QApplication::processEvents();
    EXPECT_TRUE(AreaOnScreen(window, area) == drawn) << "uncovered";
}

// The nested fraction in the real window, on a 1024 × 768 screen.
class DrawingAreaInTheWindow : public test::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        area = Find<DrawingArea>("picGra");
        ASSERT_NE(area, nullptr);
    }
    void Trigger(const char* action) {
        Action(action)->trigger();
        QApplication::processEvents();
    }
    // The pixel row and the columns of the bar of step n, from
    // (5n, 3(n - 1) + 2.4) to (5n + 5, 3(n - 1) + 2.4).
    QRect Bar(int n) const {
        const double w = area->width();
        const float y = 3.0f * static_cast<float>(n - 1) + 2.4f;
        const int row = static_cast<int>(std::floor(static_cast<double>(y) * area->height() / 60));
        return QRect(QPoint(static_cast<int>(std::floor(5.0 * n * w / 100)), row),
                     QPoint(static_cast<int>(std::floor((5.0 * n + 5) * w / 100)), row));
    }
    // Whether every pixel of `r` has the bar colour RGB(255, 255, 192).
    static bool AllInk(const QImage& image, const QRect& r) {
        return OnlyLit(image.copy(r), QRect(QPoint(0, 0), r.size()));
    }

    DrawingArea* area = nullptr;
};

TEST_F(DrawingAreaInTheWindow, SqrtTwoRunDrawsItsBarsInTheBarColour) {
    Trigger("cmdKette");  // the inputs start as 1, 2, 0, 1
    const QImage image = Rgb32(area->Image());
    ASSERT_EQ(image.size(), area->size());
    EXPECT_TRUE(AllInk(image, Bar(2)));
    EXPECT_FALSE(AllInk(image, Bar(3))) << "√2 has no step 3";
}

TEST_F(DrawingAreaInTheWindow, DrawingOutlastsTheViewSwitchAndGoesWithClearing) {
    Trigger("cmdKette");
    const QImage drawn = Rgb32(area->Image());
    ASSERT_TRUE(AllInk(drawn, Bar(2)));
    Trigger("cmdGra");
    ASSERT_TRUE(area->isHidden());
    Trigger("cmdGra");
    ASSERT_FALSE(area->isHidden());
    EXPECT_TRUE(Rgb32(area->Image()) == drawn);
    EXPECT_TRUE(AllInk(AreaOnScreen(*window, *area), Bar(2)));
    Trigger("cmdLö");
    EXPECT_TRUE(OnlyLit(Rgb32(area->Image()), QRegion()));
    EXPECT_TRUE(OnlyLit(AreaOnScreen(*window, *area), QRegion()));
}

TEST_F(DrawingAreaInTheWindow, RunWhileHiddenIsCompleteWhenShownAgain) {
    Trigger("cmdGra");
    ASSERT_TRUE(area->isHidden());
    Input("txtWurzel")->setText("7");  // √7: bars of steps 2 to 5
    Trigger("cmdKette");
    Trigger("cmdGra");
    ASSERT_FALSE(area->isHidden());
    const QImage shown = AreaOnScreen(*window, *area);
    for (int n = 2; n <= 5; ++n) EXPECT_TRUE(AllInk(shown, Bar(n))) << "bar " << n;
    EXPECT_FALSE(AllInk(shown, Bar(6)));
}

// On a screen with two device pixels per pixel the image has twice the
// widget's size, and a one-pixel line is two device pixels wide. The
// screen is set when the application starts, so the test runs itself
// again in a process that has such a screen.
constexpr char kScaledScreenChild[] = "TAMSEL_DRAWING_AREA_SCALED_SCREEN";

TEST(DrawingAreaScaledScreen, DrawsInDevicePixels) {
    if (!qEnvironmentVariableIsSet(kScaledScreenChild)) {
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        QFile screens(dir.filePath("screens.json"));
        ASSERT_TRUE(screens.open(QIODevice::WriteOnly));
        screens.write(R"({"screens":[{"name":"s","x":0,"y":0,"width":1024,"height":768,)"
                      R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":2}]})");
        screens.close();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName());
        env.insert(kScaledScreenChild, "1");
        EXPECT_TRUE(test::PassesInChild("DrawingAreaScaledScreen.DrawsInDevicePixels", env));
        return;
    }

    DrawingArea area;
    area.resize(400, 300);
    ASSERT_EQ(area.devicePixelRatioF(), 2.0);
    area.Erase();
    EXPECT_EQ(area.Image().size(), QSize(800, 600));
    // Row 150 (y = 30) of the widget is rows 299 and 300 of the image: two
    // device pixels, straddling the line's mathematical position.
    area.DrawLine({25, 30}, {75, 30});
    const QRect ink = InkBounds(area.Image());
    EXPECT_EQ(ink.top(), 299);
    EXPECT_EQ(ink.bottom(), 300);
    EXPECT_NEAR(ink.left(), 200, 1);
    EXPECT_NEAR(ink.right(), 600, 1);
    EXPECT_TRUE(OnlyLit(area.Image(), ink)) << "a solid line without antialiasing";
    // Text is laid out in logical pixels: the advance in the area's units is
    // that of the logical font.
    area.SetPosition({0, 0});
    area.Print("Periode", PrintEnd::KeepRow);
    const QFontMetricsF metrics(area.font(), &area);
    EXPECT_FLOAT_EQ(area.Position().x, static_cast<float>(metrics.horizontalAdvance("Periode") * 100 / 400));
    area.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&area));
    EXPECT_TRUE(Rgb32(area.grab().toImage()) == Rgb32(area.Image()));
}

}  // namespace
}  // namespace tamsel
