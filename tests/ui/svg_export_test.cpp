// SPDX-License-Identifier: GPL-3.0-or-later
// The exported drawing against the window: the serif metrics against Qt's,
// the SVG as XML, and the SVG rendered by librsvg against the window's
// drawing area after the same run.

#include <QCheckBox>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <sstream>
#include <string>
#include <vector>

#include "../support/quotients.h"
#include "notation/expansion_drawing.h"
#include "notation/serif_metrics.h"
#include "notation/svg_surface.h"
#include "ui/drawing_area.h"
#include "window_fixture.h"

namespace tamsel {
namespace {

// Qt lays glyphs out in 64ths of a pixel.
constexpr double kQtStep = 1.0 / 64;

// The table's advances, ascent and line height are Qt's for the window's
// font, each to within Qt's rounding; the drawing's texts, laid out by Qt
// with kerning, come out as the sum of their characters' advances.
TEST(SerifMetrics, AgreeWithQtForTheWindowsFont) {
    DrawingArea area;
    const QFontMetricsF metrics(area.font(), &area);
    ASSERT_DOUBLE_EQ(QFontInfo(area.font()).pixelSize(), kDrawingFontPixels);
    for (char32_t c = 0x20; c <= 0xFF; ++c) {
        if (c >= 0x7F && c < 0xA0) continue;
        const double table = serif::AdvanceUnits(c) * kDrawingFontPixels / serif::kUnitsPerEm;
        EXPECT_NEAR(table, metrics.horizontalAdvance(QChar(static_cast<char16_t>(c))), kQtStep)
            << "U+" << std::hex << static_cast<unsigned>(c);
    }
    EXPECT_NEAR(serif::Ascent(kDrawingFontPixels), metrics.ascent(), kQtStep);
    EXPECT_NEAR(serif::LineHeight(kDrawingFontPixels), metrics.lineSpacing(), 3 * kQtStep);
    for (const char* text :
         {" x  = ", "  + 1", "  - 1", "Periode", " 1234567890", " 141421", "Kettenbruchentwicklung", "nächstgrößere"}) {
        const QString qtext = QString::fromUtf8(text);
        EXPECT_NEAR(serif::TextAdvance(text, kDrawingFontPixels), metrics.horizontalAdvance(qtext),
                    qtext.size() * kQtStep)
            << text;
    }
}

using test::Quotients;

// A real XML parser reads the SVG without complaint: an svg root in the SVG
// namespace of the picture's size, and every text as printed.
TEST(SvgExport, IsWellFormedXml) {
    SvgSurface surface(kDefaultPictureWidth, kDefaultPictureHeight, kWindowColours);
    DrawExpansion(surface, Quotients({1, 2}), 2, false);
    surface.Print("<&>\"'\x02 ä", PrintEnd::KeepRow);
    QXmlStreamReader xml(QByteArray::fromStdString(surface.Document()));
    QStringList texts;
    bool rootSeen = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (!rootSeen) {
            rootSeen = true;
            EXPECT_EQ(xml.name().toString(), "svg");
            EXPECT_EQ(xml.namespaceUri().toString(), "http://www.w3.org/2000/svg");
            EXPECT_EQ(xml.attributes().value("width").toString(), "840");
            EXPECT_EQ(xml.attributes().value("height").toString(), "507");
        }
        if (xml.name() == QStringLiteral("text")) texts << xml.readElementText();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString() << " in line " << xml.lineNumber();
    EXPECT_TRUE(rootSeen);
    EXPECT_EQ(texts, QStringList({"x  =", "1", "+ 1", "2", "Periode", "<&>\"'\uFFFD ä"}));
}

// Where xmllint and the SVG 1.1 document type (w3c-sgml-lib) are installed,
// the SVG is valid against that document type.
TEST(SvgExport, IsValidSvg11) {
    const QString xmllint = QStandardPaths::findExecutable("xmllint");
    const QString dtd = "/usr/share/xml/w3c-sgml-lib/schema/dtd/REC-SVG11-20110816/svg11.dtd";
    if (xmllint.isEmpty() || !QFile::exists(dtd)) GTEST_SKIP() << "xmllint or the SVG 1.1 DTD is not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // Lines and texts, and a picture without either.
    const struct {
        const char* name;
        std::vector<mpz_class> quotients;
        std::optional<std::int32_t> periodStart;
    } cases[] = {{"Sqrt2", Quotients({1, 2}), 2}, {"NothingFound", {}, std::nullopt}};
    for (const auto& c : cases) {
        SvgSurface surface(kDefaultPictureWidth, kDefaultPictureHeight, kPrintColours);
        DrawExpansion(surface, c.quotients, c.periodStart, false);
        QFile file(dir.filePath(QString::fromUtf8(c.name) + ".svg"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(surface.Document()));
        file.close();
        QProcess check;
        check.start(xmllint, {"--noout", "--nonet", "--dtdvalid", dtd, file.fileName()});
        ASSERT_TRUE(check.waitForFinished(60000));
        EXPECT_EQ(check.exitCode(), 0) << c.name << ": " << check.readAllStandardError().toStdString();
    }
}

// ---- The SVG rendered against the window's drawing ----------------------

const QRgb kNavy = qRgb(0, 0, 64);

// How far a pixel lies from the navy background towards the light yellow
// ink, judged by its red: 0 background, 255 full ink.
int InkLevel(QRgb c) { return qRed(c); }

// The pixels that are clearly ink: more than half way to the ink colour.
std::vector<QPoint> ClearInk(const QImage& image) {
    std::vector<QPoint> ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (InkLevel(image.pixel(x, y)) > 128) ink.emplace_back(x, y);
        }
    }
    return ink;
}

// Whether any pixel within `radius` of p carries at least a trace of ink, as
// the faint edge of a glyph that the other renderer drew more strongly.
bool InkNear(const QImage& image, QPoint p, int radius) {
    for (int y = std::max(0, p.y() - radius); y <= std::min(image.height() - 1, p.y() + radius); ++y) {
        for (int x = std::max(0, p.x() - radius); x <= std::min(image.width() - 1, p.x() + radius); ++x) {
            if (InkLevel(image.pixel(x, y)) > 40) return true;
        }
    }
    return false;
}

// Every clearly inked pixel of `a` has ink of `b` within `radius` pixels.
::testing::AssertionResult InkCoveredBy(const QImage& a, const QImage& b, int radius) {
    const std::vector<QPoint> ink = ClearInk(a);
    if (ink.size() < 50) return ::testing::AssertionFailure() << "hardly any ink: " << ink.size() << " pixels";
    int stray = 0;
    QPoint first;
    for (const QPoint& p : ink) {
        if (!InkNear(b, p, radius) && stray++ == 0) first = p;
    }
    if (stray == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << stray << " of " << ink.size() << " pixels without ink nearby, first at ("
                                         << first.x() << ", " << first.y() << ")";
}

struct RenderCase {
    std::array<const char*, 4> inputs;
    bool variant;
    bool beyondTheWindow = false;  // the staircase runs past the window's area
};

class SvgAgainstWindow : public test::WindowTest, public ::testing::WithParamInterface<RenderCase> {};

TEST_P(SvgAgainstWindow, RenderedSvgHasTheWindowsInkWithinTwoPixels) {
    const QString rsvg = QStandardPaths::findExecutable("rsvg-convert");
    if (rsvg.isEmpty()) GTEST_SKIP() << "rsvg-convert (librsvg2-bin) is not installed";
    const RenderCase& c = GetParam();

    SetInputs(c.inputs[0], c.inputs[1], c.inputs[2], c.inputs[3]);
    Find<QCheckBox>("Check1")->setChecked(c.variant);
    MessageBoxCloser closer;
    Action("cmdKette")->trigger();
    const QImage window = Find<DrawingArea>("picGra")->Image().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(window.size(), QSize(840, 507));

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString svgFile = dir.filePath("bild.svg"), pngFile = dir.filePath("bild.png");
    // tamsel-cli itself writes the picture.
    QStringList args{"--svg", svgFile, "--window-colours"};
    if (c.variant) args.push_back("--variant");
    args.push_back("--");
    for (const char* input : c.inputs) args.push_back(input);
    QProcess cli;
    cli.start(TAMSEL_CLI_PROGRAM, args);
    ASSERT_TRUE(cli.waitForFinished(60000));
    ASSERT_TRUE(QFile::exists(svgFile)) << cli.readAllStandardError().toStdString();
    QProcess convert;
    convert.start(rsvg, {svgFile, "-o", pngFile});
    ASSERT_TRUE(convert.waitForFinished(60000));
    ASSERT_EQ(convert.exitCode(), 0) << convert.readAllStandardError().toStdString();
    const QImage rendered(pngFile);
    ASSERT_FALSE(rendered.isNull());
    ASSERT_GE(rendered.width(), 840);
    ASSERT_GE(rendered.height(), 507);
    // Where the window cuts the drawing off, the picture is larger; its
    // part that the window shows must agree.
    const QImage shown = rendered.copy(0, 0, 840, 507).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.pixel(0, 0), kNavy);
    EXPECT_TRUE(InkCoveredBy(window, shown, 2)) << "window ink missing in the SVG";
    EXPECT_TRUE(InkCoveredBy(shown, window, 2)) << "SVG ink missing in the window";
    if (c.beyondTheWindow) {
        EXPECT_GT(rendered.width(), 840);
        EXPECT_GT(rendered.height(), 507);
        // The part the window cuts off holds the end of the staircase.
        const QImage cutOff = rendered.copy(840, 507, rendered.width() - 840, rendered.height() - 507);
        EXPECT_FALSE(ClearInk(cutOff.convertToFormat(QImage::Format_RGB32)).empty());
    } else {
        EXPECT_EQ(rendered.size(), QSize(840, 507));
    }
}

// √2 in both algorithms, a run that fails after two steps (a long quotient),
// and √211 whose staircase runs beyond the window's area.
INSTANTIATE_TEST_SUITE_P(Inputs, SvgAgainstWindow,
                         ::testing::Values(RenderCase{{"1", "2", "0", "1"}, false},
                                           RenderCase{{"1", "2", "0", "1"}, true},
                                           RenderCase{{"100000", "2", "0", "1"}, false},
                                           RenderCase{{"1", "211", "0", "1"}, false, true}),
                         [](const ::testing::TestParamInfo<RenderCase>& info) {
                             std::string name;
                             for (const char* input : info.param.inputs) name += input + std::string("_");
                             return name + (info.param.variant ? "variant" : "usual");
                         });

}  // namespace
}  // namespace tamsel
