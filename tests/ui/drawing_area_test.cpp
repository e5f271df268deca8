// The drawing area: mapping of its coordinates onto the widget, printing,
// lines, and the backing image that keeps the drawing.

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QPixmap>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "ui/drawing_area.h"
#include "ui/main_window.h"

namespace tamsel {
namespace {

const QRgb kNavy = qRgb(0, 0, 64);
const QRgb kLightYellow = qRgb(255, 255, 192);

// The pixels of an image that are neither background nor drawing colour.
int CountOtherPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (p != kNavy && p != kLightYellow) ++count;
        }
    }
    return count;
}

// The smallest rectangle holding every pixel that is not background; an
// empty rectangle when there is none.
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
// the background colour.
::testing::AssertionResult OnlyLit(const QImage& image, const QRect& lit) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb want = lit.contains(x, y) ? kLightYellow : kNavy;
            if (image.pixel(x, y) != want) {
                return ::testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << ") is " << std::hex << image.pixel(x, y) << ", expected "
                       << want;
            }
        }
    }
    return ::testing::AssertionSuccess();
}

QImage Rgb32(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

// Whether two images have the same size and pixels; names the first
// difference.
::testing::AssertionResult SamePixels(const QImage& actual, const QImage& expected) {
    if (actual.size() != expected.size()) {
        return ::testing::AssertionFailure() << "size " << actual.width() << " x " << actual.height() << ", expected "
                                             << expected.width() << " x " << expected.height();
    }
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            if (actual.pixel(x, y) != expected.pixel(x, y)) {
                return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << std::hex
                                                     << actual.pixel(x, y) << ", expected " << expected.pixel(x, y);
            }
        }
    }
    return ::testing::AssertionSuccess();
}

// An area of the given size, not shown.
struct Area {
    explicit Area(int width, int height) { widget.resize(width, height); }
    DrawingArea widget;
};

TEST(DrawingArea, FreshAreaShowsOnlyTheBackground) {
    Area area(300, 200);
    area.widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&area.widget));
    EXPECT_EQ(area.widget.Image().size(), QSize(300, 200));
    EXPECT_TRUE(OnlyLit(area.widget.Image(), QRect()));
    EXPECT_TRUE(OnlyLit(Rgb32(area.widget.grab().toImage()), QRect()));
}

TEST(DrawingArea, UsesTheSerifFontAtFourteenAndAQuarterPoints) {
    DrawingArea area;
    const QFontInfo info(area.font());
    EXPECT_TRUE(info.family() == "Times New Roman" || info.family() == "Liberation Serif")
        << info.family().toStdString();
    EXPECT_EQ(area.font().pointSizeF(), 14.25);
    EXPECT_EQ(info.weight(), QFont::Normal);
    EXPECT_FALSE(info.italic());
}

// A line is one pixel wide, has no antialiasing and lies on the pixels that
// contain its mapped end points: x·width/100 across, y·height/60 down.
struct LineCase {
    const char* name;
    QSize size;
    DrawPoint from;
    DrawPoint to;
    QRect lit;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

class DrawingAreaLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(DrawingAreaLine, LightsExactlyItsPixels) {
    const LineCase& c = GetParam();
    Area area(c.size.width(), c.size.height());
    area.widget.Erase();
    area.widget.DrawLine(c.from, c.to);
    EXPECT_TRUE(OnlyLit(area.widget.Image(), c.lit));
    EXPECT_EQ(area.widget.Position(), c.to);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, DrawingAreaLine,
    ::testing::Values(
        // y = 30 is half the height.
        LineCase{"HalfHeight", {800, 600}, {10, 30}, {20, 30}, QRect(QPoint(80, 300), QPoint(160, 300))},
        LineCase{"HalfHeightSmall", {500, 300}, {40, 30}, {60, 30}, QRect(QPoint(200, 150), QPoint(300, 150))},
        LineCase{"Vertical", {800, 600}, {50, 10}, {50, 20}, QRect(QPoint(400, 100), QPoint(400, 200))},
        LineCase{"DrawnBackwards", {800, 600}, {20, 30}, {10, 30}, QRect(QPoint(80, 300), QPoint(160, 300))},
        // Units across and down of different lengths: 10 and 4 pixels.
        LineCase{"UnequalUnits", {1000, 240}, {25, 15}, {25, 45}, QRect(QPoint(250, 60), QPoint(250, 180))},
        // The bar of step 2 on an area of 840 × 507: y = 5.4 maps to 45.63,
        // which lies in pixel row 45.
        LineCase{"FractionalRow", {840, 507}, {10, 5.4f}, {15, 5.4f}, QRect(QPoint(84, 45), QPoint(126, 45))},
        LineCase{"LeftAndTopEdges", {800, 600}, {0, 0}, {100, 0}, QRect(QPoint(0, 0), QPoint(799, 0))},
        // Beyond the bottom edge nothing is drawn, and nothing fails.
        LineCase{"BelowTheBottom", {800, 600}, {10, 65.4f}, {20, 65.4f}, QRect()},
        // Partly outside: clipped at the right edge.
        LineCase{"ClippedAtTheRight", {800, 600}, {90, 30}, {130, 30}, QRect(QPoint(720, 300), QPoint(799, 300))}),
    [](const ::testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

TEST(DrawingArea, SlantingLineIsOnePixelPerRowWithoutAntialiasing) {
    Area area(800, 600);
    area.widget.Erase();
    // 10 pixels right and 10 down.
    area.widget.DrawLine({60, 10}, {61.25f, 11});
    const QImage& image = area.widget.Image();
    std::vector<QRect> lit;
    for (int i = 0; i <= 10; ++i) lit.emplace_back(480 + i, 100 + i, 1, 1);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            bool onLine = false;
            for (const QRect& r : lit) onLine = onLine || r.contains(x, y);
            ASSERT_EQ(image.pixel(x, y), onLine ? kLightYellow : kNavy) << x << ", " << y;
        }
    }
}

TEST(DrawingArea, PrintPutsTheTextCellsTopLeftAtThePosition) {
    Area area(800, 600);
    area.widget.Erase();
    area.widget.SetPosition({50, 30});
    area.widget.Print("H", PrintEnd::KeepRow);

    // The cell's top left lies at pixel (400, 300), the baseline one ascent
    // lower; the glyph's ink lies where the font puts it relative to that.
    const QFontMetricsF metrics(area.widget.font(), &area.widget);
    const QRectF glyph = metrics.tightBoundingRect("H").translated(400, 300 + metrics.ascent());
    const QRect ink = InkBounds(area.widget.Image());
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.left(), glyph.left(), 1.0);
    EXPECT_NEAR(ink.top(), glyph.top(), 1.0);
    EXPECT_NEAR(ink.right() + 1, glyph.right(), 1.0);
    EXPECT_NEAR(ink.bottom() + 1, glyph.bottom(), 1.0);

    // A stem of the H carries the full drawing colour from top to bottom.
    int longestStem = 0;
    for (int x = ink.left(); x <= ink.right(); ++x) {
        int run = 0;
        for (int y = ink.top(); y <= ink.bottom(); ++y) run += area.widget.Image().pixel(x, y) == kLightYellow;
        longestStem = std::max(longestStem, run);
    }
    EXPECT_EQ(longestStem, ink.height());
}

TEST(DrawingArea, TextHasATransparentBackground) {
    Area area(800, 600);
    area.widget.Erase();
    area.widget.DrawLine({0, 31}, {100, 31});
    const QImage before = area.widget.Image().copy();
    // Blanks over the line: their cells cover it, but only ink is painted.
    area.widget.SetPosition({10, 30});
    area.widget.Print("      ", PrintEnd::KeepRow);
    EXPECT_TRUE(SamePixels(area.widget.Image(), before));
}

struct PrintCase {
    const char* name;
    QSize size;
    std::string text;
    DrawPoint at;
};

void PrintTo(const PrintCase& c, std::ostream* os) { *os << c.name; }

class DrawingAreaPrint : public ::testing::TestWithParam<PrintCase> {};

// Keeping to the row moves x on by the text's advance in the area's units.
TEST_P(DrawingAreaPrint, KeepingTheRowAdvancesByTheTextsWidth) {
    const PrintCase& c = GetParam();
    Area area(c.size.width(), c.size.height());
    area.widget.SetPosition(c.at);
    area.widget.Print(c.text, PrintEnd::KeepRow);
    const QFontMetricsF metrics(area.widget.font(), &area.widget);
    const double advance = metrics.horizontalAdvance(QString::fromUtf8(c.text.c_str())) * 100 / c.size.width();
    EXPECT_FLOAT_EQ(area.widget.Position().x, static_cast<float>(c.at.x + advance));
    EXPECT_EQ(area.widget.Position().y, c.at.y);
}

// Ending the line goes to the left edge, one line height lower.
TEST_P(DrawingAreaPrint, EndingTheLineGoesToTheStartOfTheNextLine) {
    const PrintCase& c = GetParam();
    Area area(c.size.width(), c.size.height());
    area.widget.SetPosition(c.at);
    area.widget.Print(c.text, PrintEnd::EndLine);
    const QFontMetricsF metrics(area.widget.font(), &area.widget);
    EXPECT_EQ(area.widget.Position().x, 0);
    const double line = metrics.lineSpacing() * 60 / c.size.height();
    EXPECT_FLOAT_EQ(area.widget.Position().y, static_cast<float>(c.at.y + line));
}

INSTANTIATE_TEST_SUITE_P(
    Prints, DrawingAreaPrint,
    ::testing::Values(PrintCase{"Head", {840, 507}, " x  = ", {0, 3}}, PrintCase{"Quotient", {840, 507}, " 2", {10, 6}},
                      PrintCase{"Sign", {800, 600}, "  + 1", {8, 3}},
                      PrintCase{"Umlauts", {1000, 500}, "nächstgrößere", {0, 0}},
                      PrintCase{"BeyondTheEdge", {800, 600}, "Periode", {120, 87}},
                      PrintCase{"Empty", {800, 600}, "", {37.5f, 12.25f}}),
    [](const ::testing::TestParamInfo<PrintCase>& info) { return std::string(info.param.name); });

TEST(DrawingArea, KeepRowAdvanceIsNotZeroForVisibleText) {
    // Guards the table above against a font that measures nothing.
    Area area(800, 600);
    area.widget.Print(" 12", PrintEnd::KeepRow);
    EXPECT_GT(area.widget.Position().x, 1.0f);
    EXPECT_LT(area.widget.Position().x, 10.0f);
}

TEST(DrawingArea, EmptyPrintEndingTheLineOnlyMovesDown) {
    Area area(800, 600);
    area.widget.Erase();
    area.widget.SetPosition({20, 10});
    area.widget.Print("", PrintEnd::EndLine);
    area.widget.Print("", PrintEnd::EndLine);
    const QFontMetricsF metrics(area.widget.font(), &area.widget);
    const float line = static_cast<float>(metrics.lineSpacing() * 60 / 600);
    EXPECT_EQ(area.widget.Position().x, 0);
    EXPECT_FLOAT_EQ(area.widget.Position().y, 10 + line + line);
    EXPECT_TRUE(OnlyLit(area.widget.Image(), QRect()));
}

TEST(DrawingArea, LinesOfTextFollowEachOtherOneLineHeightApart) {
    Area area(800, 600);
    area.widget.Erase();
    area.widget.Print("I", PrintEnd::EndLine);
    area.widget.Print("", PrintEnd::EndLine);
    area.widget.Print("I", PrintEnd::EndLine);
    const QImage& image = area.widget.Image();
    const QFontMetricsF metrics(area.widget.font(), &area.widget);
    const int band = static_cast<int>(metrics.lineSpacing());
    const QRect first = InkBounds(image.copy(0, 0, 800, band));
    const QRect second = InkBounds(image.copy(0, 2 * band, 800, band)).translated(0, 2 * band);
    ASSERT_FALSE(first.isEmpty());
    ASSERT_FALSE(second.isEmpty());
    EXPECT_TRUE(OnlyLit(image.copy(0, band, 800, band), QRect())) << "the empty line stays empty";
    // The same glyph two line heights lower, give or take the rounding of
    // the second baseline.
    EXPECT_EQ(second.size(), first.size());
    EXPECT_EQ(second.left(), first.left());
    EXPECT_NEAR(second.top(), first.top() + 2 * metrics.lineSpacing(), 1.0);
}

TEST(DrawingArea, EraseFillsTheBackgroundAndReturnsToTheTopLeft) {
    Area area(400, 300);
    area.widget.DrawLine({10, 10}, {90, 50});
    area.widget.SetPosition({30, 30});
    area.widget.Print("Periode", PrintEnd::KeepRow);
    ASSERT_FALSE(InkBounds(area.widget.Image()).isEmpty());
    area.widget.Erase();
    EXPECT_EQ(area.widget.Position(), (DrawPoint{0, 0}));
    EXPECT_TRUE(OnlyLit(area.widget.Image(), QRect()));
}

TEST(DrawingArea, PositionIsKeptAsSet) {
    Area area(400, 300);
    for (const DrawPoint p : {DrawPoint{0, 0}, DrawPoint{12.5f, 2.4f}, DrawPoint{135, 81}, DrawPoint{-3, 7}}) {
        area.widget.SetPosition(p);
        EXPECT_EQ(area.widget.Position(), p);
    }
}

// The widget's pixels as they are painted: the part of a grab of `window`
// that the area covers, cut off where the window ends.
QImage AreaOnScreen(QWidget& window, const DrawingArea& area) {
    const QRect onWindow = QRect(area.mapTo(&window, QPoint(0, 0)), area.size()) & window.rect();
    return Rgb32(window.grab(onWindow).toImage());
}

// The part of the area's image that `AreaOnScreen` can show.
QImage VisibleImage(QWidget& window, const DrawingArea& area) {
    const QRect onWindow = QRect(area.mapTo(&window, QPoint(0, 0)), area.size()) & window.rect();
    return Rgb32(area.Image()).copy(onWindow.translated(-area.mapTo(&window, QPoint(0, 0))));
}

TEST(DrawingArea, PaintsItsImage) {
    Area area(400, 300);
    area.widget.Erase();
    area.widget.DrawLine({10, 30}, {90, 30});
    area.widget.SetPosition({5, 3});
    area.widget.Print(" x  = ", PrintEnd::KeepRow);
    area.widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&area.widget));
    EXPECT_TRUE(SamePixels(Rgb32(area.widget.grab().toImage()), Rgb32(area.widget.Image())));
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
    QPalette grey = cover.palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    cover.setPalette(grey);
    cover.hide();

    area.Erase();
    area.SetPosition({0, 0});
    area.Print("Kettenbruchentwicklung", PrintEnd::EndLine);
    area.DrawLine({10, 30}, {60, 50});
    const QImage drawn = Rgb32(area.Image());

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(SamePixels(AreaOnScreen(window, area), drawn)) << "first shown";

    area.hide();
    QApplication::processEvents();
    EXPECT_EQ(Rgb32(window.grab(QRect(50, 60, 800, 600)).toImage()).pixel(10, 10),
              window.palette().color(QPalette::Window).rgb())
        << "hidden";
    area.show();
    QApplication::processEvents();
    EXPECT_TRUE(SamePixels(AreaOnScreen(window, area), drawn)) << "shown again";

    cover.show();
    cover.raise();
    QApplication::processEvents();
    EXPECT_EQ(Rgb32(window.grab(QRect(60, 70, 10, 10)).toImage()).pixel(5, 5), qRgb(192, 192, 192)) << "covered";
    cover.hide();
    QApplication::processEvents();
    EXPECT_TRUE(SamePixels(AreaOnScreen(window, area), drawn)) << "uncovered";
    EXPECT_TRUE(SamePixels(Rgb32(area.Image()), drawn));
}

TEST(DrawingArea, DrawingWhileHiddenAppearsWhenShown) {
    Area area(400, 300);
    area.widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&area.widget));
    area.widget.hide();
    area.widget.Erase();
    area.widget.DrawLine({0, 30}, {100, 30});
    area.widget.show();
    QApplication::processEvents();
    EXPECT_TRUE(OnlyLit(Rgb32(area.widget.grab().toImage()), QRect(QPoint(0, 150), QPoint(399, 150))));
}

// The window gives the area its size once, after creating it and before
// printing the help text; the image follows the size and keeps its content.
TEST(DrawingArea, ResizeKeepsTheContentAtTheTopLeft) {
    struct Case {
        QSize to;
    };
    for (const Case c : {Case{{1000, 700}}, Case{{400, 300}}, Case{{800, 250}}}) {
        Area area(800, 600);
        area.widget.Erase();
        area.widget.DrawLine({0, 20}, {50, 20});  // row 200, columns 0 to 400
        area.widget.resize(c.to);
        area.widget.SetPosition({0, 0});
        area.widget.Print("", PrintEnd::KeepRow);  // an operation brings the image up to date
        const QImage& image = area.widget.Image();
        ASSERT_EQ(image.size(), c.to);
        const QRect kept = QRect(QPoint(0, 200), QPoint(400, 200)) & QRect(QPoint(0, 0), c.to);
        EXPECT_TRUE(OnlyLit(image, kept)) << c.to.width() << " x " << c.to.height();
    }
}

TEST(DrawingArea, ResizedAreaMapsItsCoordinatesOntoTheNewSize) {
    Area area(800, 600);
    area.widget.resize(1000, 500);
    area.widget.Erase();
    area.widget.DrawLine({20, 30}, {40, 30});
    EXPECT_TRUE(OnlyLit(area.widget.Image(), QRect(QPoint(200, 250), QPoint(400, 250))));
}

TEST(DrawingArea, ResizeWhileShownKeepsTheContent) {
    Area area(400, 300);
    area.widget.Erase();
    area.widget.DrawLine({0, 30}, {100, 30});
    area.widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&area.widget));
    area.widget.resize(500, 400);
    QApplication::processEvents();
    EXPECT_EQ(area.widget.Image().size(), QSize(500, 400));
    EXPECT_TRUE(OnlyLit(Rgb32(area.widget.grab().toImage()), QRect(QPoint(0, 150), QPoint(399, 150))));
}

TEST(DrawingArea, ImageHasTheWidgetsSizeInDevicePixels) {
    Area area(420, 250);
    area.widget.Erase();
    const qreal ratio = area.widget.devicePixelRatioF();
    EXPECT_EQ(area.widget.Image().devicePixelRatio(), ratio);
    EXPECT_EQ(area.widget.Image().size(), (QSizeF(420, 250) * ratio).toSize());
}

TEST(DrawingArea, DoubleClickIsSignalled) {
    Area area(400, 300);
    area.widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&area.widget));
    QSignalSpy spy(&area.widget, &DrawingArea::doubleClicked);
    QTest::mouseClick(&area.widget, Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_EQ(spy.count(), 0);
    QTest::mouseDClick(&area.widget, Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_EQ(spy.count(), 1);
}

// The nested fraction in the real window, on a 1024 × 768 screen.
class DrawingAreaInTheWindow : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        area = window.findChild<DrawingArea*>("picGra");
        ASSERT_NE(area, nullptr);
    }
    void Trigger(const char* action) {
        QAction* a = window.findChild<QAction*>(QString::fromUtf8(action));
        ASSERT_NE(a, nullptr) << action;
        a->trigger();
        QApplication::processEvents();
    }
    // The pixel row and the columns of the bar of step n, from (5n, 3n - 0.6)
    // to (5n + 5, 3n - 0.6).
    QRect Bar(int n) const {
        const double w = area->width();
        const double h = area->height();
        const float y = 3.0f * static_cast<float>(n - 1) + 2.4f;
        const int row = static_cast<int>(std::floor(static_cast<double>(y) * h / 60));
        return QRect(QPoint(static_cast<int>(std::floor(5.0 * n * w / 100)), row),
                     QPoint(static_cast<int>(std::floor((5.0 * n + 5) * w / 100)), row));
    }
    // Whether every pixel of `r` has the drawing colour.
    static bool AllInk(const QImage& image, const QRect& r) {
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                if (image.pixel(x, y) != kLightYellow) return false;
            }
        }
        return true;
    }
    // The part of the area below y and right of x (in the area's units).
    QRect Beyond(double x, double y) const {
        return QRect(QPoint(static_cast<int>(x * area->width() / 100), static_cast<int>(y * area->height() / 60)),
                     QPoint(area->width() - 1, area->height() - 1));
    }

    MainWindow window{QSize(1024, 768)};
    DrawingArea* area = nullptr;
};

TEST_F(DrawingAreaInTheWindow, SqrtTwoRunReplacesTheHelpTextByItsStaircase) {
    ASSERT_FALSE(InkBounds(area->Image().copy(Beyond(50, 0))).isEmpty()) << "help text before the run";
    Trigger("cmdKette");  // the inputs start as 1, 2, 0, 1
    const QImage image = Rgb32(area->Image());
    ASSERT_EQ(image.size(), area->size());
    EXPECT_TRUE(AllInk(image, Bar(2)));
    // Nothing is drawn right of the staircase or below "Periode" (row 12
    // plus one line).
    EXPECT_TRUE(InkBounds(image.copy(Beyond(40, 0))).isEmpty());
    EXPECT_TRUE(InkBounds(image.copy(Beyond(0, 16))).isEmpty());
    // The step 3 bar of a longer expansion is not there.
    EXPECT_FALSE(AllInk(image, Bar(3)));
}

TEST_F(DrawingAreaInTheWindow, DrawingOutlastsTheViewSwitchAndGoesWithClearing) {
    Trigger("cmdKette");
    const QImage drawn = Rgb32(area->Image());
    ASSERT_TRUE(AllInk(drawn, Bar(2)));

    Trigger("cmdGra");
    ASSERT_TRUE(area->isHidden());
    Trigger("cmdGra");
    ASSERT_FALSE(area->isHidden());
    EXPECT_TRUE(SamePixels(AreaOnScreen(window, *area), VisibleImage(window, *area)));
    EXPECT_TRUE(SamePixels(Rgb32(area->Image()), drawn));

    Trigger("cmdLö");
    EXPECT_TRUE(OnlyLit(Rgb32(area->Image()), QRect()));
    EXPECT_TRUE(OnlyLit(AreaOnScreen(window, *area), QRect()));
}

TEST_F(DrawingAreaInTheWindow, RunWhileHiddenIsCompleteWhenShownAgain) {
    Trigger("cmdGra");
    ASSERT_TRUE(area->isHidden());
    QLineEdit* wurzel = window.findChild<QLineEdit*>("txtWurzel");
    ASSERT_NE(wurzel, nullptr);
    wurzel->setText("7");  // √7: bars of steps 2 to 5
    Trigger("cmdKette");
    Trigger("cmdGra");
    ASSERT_FALSE(area->isHidden());
    const QImage shown = AreaOnScreen(window, *area);
    EXPECT_TRUE(SamePixels(shown, VisibleImage(window, *area)));
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

        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName());
        env.insert(kScaledScreenChild, "1");
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {"--gtest_filter=DrawingAreaScaledScreen.DrawsInDevicePixels"});
        ASSERT_TRUE(child.waitForFinished(60000));
        const std::string output = child.readAll().toStdString();
        EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << output;
        EXPECT_EQ(child.exitCode(), 0) << output;
        EXPECT_NE(output.find("[  PASSED  ] 1 test."), std::string::npos) << output;
        return;
    }

    Area area(400, 300);
    ASSERT_EQ(area.widget.devicePixelRatioF(), 2.0);
    area.widget.Erase();
    EXPECT_EQ(area.widget.Image().size(), QSize(800, 600));
    EXPECT_EQ(area.widget.Image().devicePixelRatio(), 2.0);

    // Row 150 (y = 30) of the widget is rows 299 and 300 of the image: two
    // device pixels, straddling the line's mathematical position.
    area.widget.DrawLine({25, 30}, {75, 30});
    const QImage& image = area.widget.Image();
    const QRect ink = InkBounds(image);
    EXPECT_EQ(ink.top(), 299);
    EXPECT_EQ(ink.bottom(), 300);
    EXPECT_EQ(CountOtherPixels(image), 0) << "a line has no antialiasing";

    // Text is laid out in logical pixels and rendered at full resolution:
    // the advance in the area's units is that of the logical font.
    area.widget.SetPosition({0, 0});
    area.widget.Print("Periode", PrintEnd::KeepRow);
    const QFontMetricsF metrics(area.widget.font(), &area.widget);
    EXPECT_FLOAT_EQ(area.widget.Position().x, static_cast<float>(metrics.horizontalAdvance("Periode") * 100 / 400));
    const QRect text = InkBounds(area.widget.Image().copy(0, 0, 800, 100));
    EXPECT_NEAR(text.height(), 2 * metrics.tightBoundingRect("Periode").height(), 3.0);

    area.widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&area.widget));
    const QPixmap shown = area.widget.grab();
    EXPECT_EQ(shown.devicePixelRatio(), 2.0);
    EXPECT_TRUE(SamePixels(Rgb32(shown.toImage()), Rgb32(area.widget.Image())));
}

}  // namespace
}  // namespace tamsel
