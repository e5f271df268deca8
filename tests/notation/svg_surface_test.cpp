// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing written as SVG: coordinates, texts, the picture's growth and
// the document's text.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "../support/quotients.h"
#include "notation/expansion_drawing.h"
#include "notation/svg_surface.h"

namespace tamsel {
namespace {

std::vector<std::string> Matches(const std::string& svg, const std::regex& pattern, int group) {
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), pattern); it != std::sregex_iterator(); ++it) {
        found.push_back((*it)[group].str());
    }
    return found;
}

std::vector<std::string> Texts(const std::string& svg) {
    return Matches(svg, std::regex("<text [^>]*>([^<]*)</text>"), 1);
}

std::vector<std::string> Lines(const std::string& svg) { return Matches(svg, std::regex("<line [^>]*/>"), 0); }

// √2 on the window's area of 840 × 507 pixels, one unit 8.4 pixels across
// and 8.45 down. The font has 2048 units per em at 19 pixels: a blank is
// 512 units (4.75 px), a digit 1024 (9.5 px), the ascent 1825 (16.931 px).
// " x  = " at (0, 3): its x at 4.75 behind the blank, its baseline at
// 3 · 8.45 + 16.931. The bar of step 2 at y = 5.4 (45.63 px) from 84 to 126,
// "  + 1" at (8, 3) shifted by two blanks, " 2" at (10, 6). The print of " 2"
// ends 14.25 px right of 84, where the period line from (10, 9) ends two
// rows lower and "Periode" stands.
TEST(SvgSurface, SqrtTwoDocumentInFull) {
    SvgSurface surface(kDefaultPictureWidth, kDefaultPictureHeight, kPrintColours);
    DrawExpansion(surface, test::Quotients({1, 2}), 2, false);
    EXPECT_EQ(surface.Document(),
              "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
              "<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 1.1//EN\" "
              "\"http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd\">\n"
              "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"840\" height=\"507\" "
              "viewBox=\"0 0 840 507\">\n"
              "<rect x=\"0\" y=\"0\" width=\"840\" height=\"507\" fill=\"#ffffff\"/>\n"
              "<g stroke=\"#000000\" stroke-width=\"1\" shape-rendering=\"crispEdges\">\n"
              "<line x1=\"84\" y1=\"45.63\" x2=\"126\" y2=\"45.63\"/>\n"
              "<line x1=\"84\" y1=\"76.05\" x2=\"98.25\" y2=\"101.4\"/>\n"
              "</g>\n"
              "<g font-family=\"'Times New Roman', 'Liberation Serif', serif\" font-size=\"19\" "
              "fill=\"#000000\">\n"
              "<text x=\"4.75\" y=\"42.281\" xml:space=\"preserve\">x  =</text>\n"
              "<text x=\"46.75\" y=\"42.281\" xml:space=\"preserve\">1</text>\n"
              "<text x=\"76.7\" y=\"42.281\" xml:space=\"preserve\">+ 1</text>\n"
              "<text x=\"88.75\" y=\"67.631\" xml:space=\"preserve\">2</text>\n"
              "<text x=\"98.25\" y=\"118.331\" xml:space=\"preserve\">Periode</text>\n"
              "</g>\n"
              "</svg>\n");
}

// The other expansions the drawing knows: texts in their order, the lines,
// and the period line where the period closed.
TEST(SvgSurface, ExpansionTexts) {
    const struct {
        const char* name;
        std::vector<mpz_class> quotients;
        std::optional<std::int32_t> periodStart;
        bool variant;
        std::vector<std::string> texts;
        std::string lastLine;
    } cases[] = {
        // The period line ends 14.25 px (" 4") right of column 15 (126 px), two rows below row 5.
        {"Sqrt2Variant",
         test::Quotients({2, 2, 4}),
         2,
         true,
         {"x  =", "2", "- 1", "2", "- 1", "4", "Periode"},
         R"(<line x1="84" y1="76.05" x2="140.25" y2="126.75"/>)"},
        {"GoldenRatio",
         test::Quotients({1}),
         1,
         false,
         {"x  =", "1", "Periode"},
         R"(<line x1="42" y1="50.7" x2="56.25" y2="76.05"/>)"},
        {"ThreeHalves",
         test::Quotients({1, 2}),
         std::nullopt,
         false,
         {"x  =", "1", "+ 1", "2"},
         R"(<line x1="84" y1="45.63" x2="126" y2="45.63"/>)"},
        // What a run drew before it failed: no period mark.
        {"FailedAfterTwoSteps",
         test::Quotients({141421, 2}),
         std::nullopt,
         false,
         {"x  =", "141421", "+ 1", "2"},
         R"(<line x1="84" y1="45.63" x2="126" y2="45.63"/>)"},
    };
    for (const auto& c : cases) {
        SvgSurface surface(kDefaultPictureWidth, kDefaultPictureHeight, kPrintColours);
        DrawExpansion(surface, c.quotients, c.periodStart, c.variant);
        const std::string svg = surface.Document();
        EXPECT_EQ(Texts(svg), c.texts) << c.name;
        ASSERT_FALSE(Lines(svg).empty()) << c.name;
        EXPECT_EQ(Lines(svg).back(), c.lastLine) << c.name;
        EXPECT_NE(svg.find(R"(width="840" height="507")"), std::string::npos) << c.name;
    }
}

// √211: 27 quotients, period from step 2. " 28" stands at (135, 81), 1134 px
// across; the period line ends 23.75 px behind it at y = 87 (735.15 px),
// where "Periode" (58.04 px) begins. The picture reaches 1215.79 × 756.19 px
// and keeps two units behind that: 1233 × 774.
TEST(SvgSurface, LongExpansionGrowsThePictureInTheWindowsColours) {
    SvgSurface surface(kDefaultPictureWidth, kDefaultPictureHeight, kWindowColours);
    DrawExpansion(surface,
                  test::Quotients({14, 1, 1, 9, 5, 1, 2, 2, 1, 1, 4, 3, 1, 13, 1, 3, 4, 1, 1, 2, 2, 1, 5, 9, 1, 1, 28}),
                  2, false);
    EXPECT_EQ(surface.PictureWidth(), 1233);
    EXPECT_EQ(surface.PictureHeight(), 774);
    const std::string svg = surface.Document();
    for (const char* part : {R"(width="1233" height="774" viewBox="0 0 1233 774")", R"(fill="#000040"/>)",
                             R"(<g stroke="#ffffc0")", R"(fill="#ffffc0">)"}) {
        EXPECT_NE(svg.find(part), std::string::npos) << part;
    }
    const std::vector<std::string> lines = Lines(svg);
    ASSERT_EQ(lines.size(), 27u);
    EXPECT_EQ(lines.back(), R"(<line x1="84" y1="76.05" x2="1157.75" y2="735.15"/>)");
}

// Another area size scales units across and down separately; the text keeps
// its size. An erase forgets the drawing and the growth.
TEST(SvgSurface, MapsUnitsOntoTheAreaAndEraseStartsAfresh) {
    SvgSurface surface(1000, 300, kPrintColours);
    surface.DrawLine({150, 10}, {25, 70});    // 1500 px across, 350 px down
    EXPECT_EQ(surface.PictureWidth(), 1521);  // 1500.5 and 2 units of 10 px
    EXPECT_EQ(surface.PictureHeight(), 361);  // 350.5 and 2 units of 5 px
    EXPECT_EQ(surface.Position(), (DrawPoint{25, 70}));

    surface.Erase();
    EXPECT_EQ(surface.Position(), (DrawPoint{0, 0}));
    surface.SetPosition({50, 30});
    surface.Print("Periode", PrintEnd::KeepRow);
    // 6256 font units at 19 px are 58.039 px, 5.8039 units of 10 px.
    EXPECT_FLOAT_EQ(surface.Position().x, 50 + 5.8039063f);
    EXPECT_EQ(surface.Position().y, 30);
    surface.Print("   ", PrintEnd::EndLine);
    // Ascent, descent and line gap: 2355 font units, 21.848 px, 4.3696 units of 5 px.
    EXPECT_EQ(surface.Position().x, 0);
    EXPECT_FLOAT_EQ(surface.Position().y, 30 + 4.3696289f);

    const std::string svg = surface.Document();
    EXPECT_EQ(Texts(svg), std::vector<std::string>{"Periode"}) << "a blank print leaves no text";
    EXPECT_NE(svg.find("<text x=\"500\" y=\"166.931\" "), std::string::npos) << svg;
    EXPECT_TRUE(Lines(svg).empty());
    EXPECT_NE(svg.find("width=\"1000\" height=\"300\""), std::string::npos);
}

// A position far beyond the area or no number at all leaves a picture that
// still has a size and no text or line without coordinates.
TEST(SvgSurface, FarOffAndUndefinedPositions) {
    SvgSurface surface(840, 507, kPrintColours);
    surface.SetPosition({1e30f, 1e30f});
    surface.Print("weit", PrintEnd::KeepRow);
    EXPECT_EQ(surface.PictureWidth(), 1000000000);
    EXPECT_EQ(surface.PictureHeight(), 1000000000);
    surface.Erase();
    surface.SetPosition({std::nanf(""), 3});
    surface.Print("nichts", PrintEnd::KeepRow);
    surface.DrawLine({std::nanf(""), 0}, {10, 10});
    const std::string svg = surface.Document();
    EXPECT_TRUE(Texts(svg).empty()) << svg;
    EXPECT_TRUE(Lines(svg).empty()) << svg;
    EXPECT_EQ(surface.PictureWidth(), 840);
    EXPECT_EQ(surface.Position(), (DrawPoint{10, 10}));
}

TEST(SvgSurface, TextsAreEscapedIntoWellFormedXml) {
    const struct {
        std::string printed;
        std::string written;
    } cases[] = {
        {"a<b & \"c\" > d", "a&lt;b &amp; &quot;c&quot; &gt; d"},
        {"Näherungsbrüche", "Näherungsbrüche"},
        // A broken UTF-8 sequence and a control character are replaced.
        {"x\xC3(\x01y", "x\xEF\xBF\xBD(\xEF\xBF\xBDy"},
    };
    for (const auto& c : cases) {
        SvgSurface surface(840, 507, kPrintColours);
        surface.Print(c.printed, PrintEnd::KeepRow);
        EXPECT_EQ(Texts(surface.Document()), std::vector<std::string>{c.written}) << c.printed;
    }
}

}  // namespace
}  // namespace tamsel
