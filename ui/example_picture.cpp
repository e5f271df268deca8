// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/example_picture.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <array>
#include <cmath>

namespace tamsel {

namespace {

const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);
const QColor kWhite(255, 255, 255);

const QString kMinus = QStringLiteral("\u2212");

// Fonts are sized in pixels so that the picture is the same on every screen.
QFont PixelFont(const QStringList& families, QFont::StyleHint hint, int pixelSize, bool bold, bool italic) {
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    // Grey-scale smoothing only: coloured fringes would bring in colours
    // other than black, red and their blends with white.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
    return font;
}

QFont Serif(int pixelSize, bool bold = false) {
    return PixelFont({"Times New Roman", "Liberation Serif"}, QFont::Serif, pixelSize, bold, false);
}

QFont SansItalic(int pixelSize) {
    return PixelFont({"Arial", "MS Sans Serif", "Liberation Sans"}, QFont::SansSerif, pixelSize, false, true);
}

// The left example keeps within x 10..337, the right one within 402..687;
// the formulas keep within y 9..106, the captions within 114..128.
constexpr qreal kLeftExampleLeft = 10;
constexpr qreal kRightExampleLeft = 402;
constexpr qreal kTop = 9;
constexpr qreal kCaptionTop = 114;
constexpr qreal kCaptionBottom = 128;

// The staircases: y of the top fraction bar and the distance between bars.
constexpr qreal kTopBar = 39;
constexpr qreal kBarStep = 20;

// Places texts, bars and root signs in logical pixels.
class Typesetter {
public:
    explicit Typesetter(QPainter& painter) : painter_(painter) {}

    qreal Advance(const QFont& font, const QString& text) const {
        return QFontMetricsF(font, painter_.device()).horizontalAdvance(text);
    }

    // The ink of the text relative to its origin on the baseline.
    QRectF Ink(const QFont& font, const QString& text) const {
        return QFontMetricsF(font, painter_.device()).tightBoundingRect(text);
    }

    // Prints the text from x on the baseline; returns the x behind it.
    qreal Print(qreal x, qreal baseline, const QFont& font, const QColor& colour, const QString& text) {
        painter_.setFont(font);
        painter_.setPen(colour);
        painter_.drawText(QPointF(x, baseline), text);
        return x + Advance(font, text);
    }

    // A horizontal line one pixel thick, on whole pixels so that it stays sharp.
    void Bar(qreal left, qreal right, qreal y, const QColor& colour) {
        const qreal l = std::round(left);
        const qreal r = std::round(right);
        painter_.fillRect(QRectF(l, std::round(y), r - l, 1), colour);
    }

    // Prints √ and the radicand from x on the baseline; returns the x behind it.
    qreal SquareRoot(qreal x, qreal baseline, const QFont& font, const QColor& colour, const QString& radicand) {
        const qreal em = font.pixelSize();
        const QRectF ink = Ink(font, radicand);
        // The strokes' smoothed edges stay right of x.
        const qreal left = x + 1;
        const qreal radicandX = left + 0.62 * em;
        const qreal vinculum = std::round(baseline + ink.top() - 0.2 * em) + 0.5;
        const qreal foot = baseline + 0.06 * em;
        const qreal hook = baseline + 0.45 * ink.top();

        QPainterPath sign;
        sign.moveTo(left, hook + 0.1 * em);
        sign.lineTo(left + 0.12 * em, hook);
        sign.lineTo(left + 0.3 * em, foot);
        sign.lineTo(left + 0.52 * em, vinculum);
        sign.lineTo(radicandX + ink.right() + 0.12 * em, vinculum);
        painter_.save();
        QPen pen(colour, 1.0);
        pen.setJoinStyle(Qt::MiterJoin);
        pen.setCapStyle(Qt::FlatCap);
        painter_.setPen(pen);
        painter_.setBrush(Qt::NoBrush);
        painter_.drawPath(sign);
        // The falling stroke is the heavy one, as in a printed root sign.
        QPen heavy(colour, 1.8);
        heavy.setCapStyle(Qt::FlatCap);
        painter_.setPen(heavy);
        painter_.drawLine(QPointF(left + 0.13 * em, hook + 0.05 * em), QPointF(left + 0.3 * em, foot - 0.05 * em));
        painter_.restore();
        return Print(radicandX, baseline, font, colour, radicand) + 0.05 * em;
    }

private:
    QPainter& painter_;
};

// How one staircase of fractions looks.
struct StaircaseLook {
    QFont text;  // √2, "=", "usw."
    QFont term;  // the pulled-out integers and their signs
    QColor termColour;
    QFont numerator;       // the numerators 1
    QString sign;          // "+" or "−"
    qreal indent;          // from the left end of a bar to the denominator under it
    qreal gapBeforeBar;    // between a sign and the bar behind it
    qreal emptyBarLength;  // the lowest, empty fraction bar
};

// Where the parts of a drawn staircase ended up.
struct Staircase {
    qreal barsRight = 0;               // all fraction bars end here
    std::array<qreal, 4> baselines{};  // baseline of each row's term
};

// Draws √2 = k1 ± 1/(k2 ± 1/(k3 ± 1/(k4 ± …))) from x: the top fraction on the
// first bar, every denominator one bar lower, the lowest one with an empty
// fraction bar of the given length.
Staircase DrawStaircase(Typesetter& t, const StaircaseLook& look, qreal x, const std::array<int, 4>& quotients) {
    // The fraction bar runs through the middle of the sign.
    const qreal signMiddle = -t.Ink(look.term, look.sign).center().y();

    Staircase stairs;
    std::array<qreal, 4> barLeft{};
    for (int row = 0; row < 4; ++row) {
        const qreal bar = kTopBar + row * kBarStep;
        const qreal baseline = bar + signMiddle;
        stairs.baselines[row] = baseline;
        qreal termX = 0;
        if (row == 0) {
            termX = t.SquareRoot(x, baseline, look.text, kBlack, QStringLiteral("2"));
            termX = t.Print(termX, baseline, look.text, kBlack, QStringLiteral(" = "));
        } else {
            termX = barLeft[row - 1] + look.indent;
        }
        const QString term = QStringLiteral("%1\u2009%2").arg(quotients[row]).arg(look.sign);
        barLeft[row] = t.Print(termX, baseline, look.term, look.termColour, term) + look.gapBeforeBar;
    }
    stairs.barsRight = barLeft[3] + look.emptyBarLength;

    const QString one = QStringLiteral("1");
    const QRectF oneInk = t.Ink(look.numerator, one);
    const qreal oneAdvance = t.Advance(look.numerator, one);
    for (int row = 0; row < 4; ++row) {
        const qreal bar = kTopBar + row * kBarStep;
        t.Bar(barLeft[row], stairs.barsRight, bar, kBlack);
        if (row < 3) {
            const qreal middle = (barLeft[row] + stairs.barsRight) / 2;
            t.Print(middle - oneAdvance / 2, bar - 3 - oneInk.bottom(), look.numerator, kBlack, one);
        }
    }
    return stairs;
}

// The captions share one font and one baseline, which puts their ink in the
// middle of the caption band.
QFont CaptionFont() { return Serif(17); }

const QString kUsualCaption = QStringLiteral("\u201Enormal\u201C nach O. Perron");
const QString kSubtractiveCaption = QStringLiteral("subtraktive Variante");

void PrintCaption(Typesetter& t, qreal left, qreal right, const QString& caption) {
    const QFont font = CaptionFont();
    const QRectF ink = t.Ink(font, kUsualCaption).united(t.Ink(font, kSubtractiveCaption));
    const qreal baseline = std::round((kCaptionTop + kCaptionBottom + 1 - ink.height()) / 2 - ink.top());
    const qreal width = t.Advance(font, caption);
    t.Print(std::round((left + right - width) / 2), baseline, font, kBlack, caption);
}

void DrawUsualExample(Typesetter& t) {
    const QFont text = Serif(16);
    const QString heading = QStringLiteral("Beispiel:");
    t.Print(kLeftExampleLeft, kTop - t.Ink(text, heading).top(), text, kBlack, heading);

    const StaircaseLook look{text, text, kBlack, Serif(16, true), QStringLiteral("+"), 8, 6, 46};
    const Staircase stairs = DrawStaircase(t, look, kLeftExampleLeft, {1, 2, 2, 2});

    t.Print(stairs.barsRight + 6, stairs.baselines[3], text, kBlack, QStringLiteral("usw."));

    // = [1; 2] with the period 2 overlined.
    qreal x = t.Print(stairs.barsRight + 10, stairs.baselines[0], text, kBlack, QStringLiteral("= [1; "));
    const QString period = QStringLiteral("2");
    const QRectF periodInk = t.Ink(text, period).translated(x, stairs.baselines[0]);
    x = t.Print(x, stairs.baselines[0], text, kBlack, period);
    x = t.Print(x, stairs.baselines[0], text, kBlack, QStringLiteral("]"));
    t.Bar(periodInk.left() - 1, periodInk.right() + 1, periodInk.top() - 4, kBlack);

    PrintCaption(t, kLeftExampleLeft, x, kUsualCaption);
}

void DrawSubtractiveExample(Typesetter& t) {
    const QFont text = Serif(16);
    const QFont red = SansItalic(20);
    const StaircaseLook look{text, red, kRed, Serif(16, true), kMinus, 3, 4, 26};
    const Staircase stairs = DrawStaircase(t, look, kRightExampleLeft, {2, 2, 4, 2});

    t.Print(stairs.barsRight + 6, stairs.baselines[3], text, kBlack, QStringLiteral("usw."));

    // = [2; 2, 4] with one bar over the period 2, 4.
    qreal x = t.Print(stairs.barsRight + 6, stairs.baselines[0], text, kBlack, QStringLiteral("= "));
    x = t.Print(x, stairs.baselines[0], red, kRed, QStringLiteral("[2; "));
    const QString period = QStringLiteral("2, 4");
    const QRectF periodInk = t.Ink(red, period).translated(x, stairs.baselines[0]);
    x = t.Print(x, stairs.baselines[0], red, kRed, period);
    x = t.Print(x, stairs.baselines[0], red, kRed, QStringLiteral("]"));
    t.Bar(periodInk.left(), periodInk.right() + 1, periodInk.top() - 4, kRed);

    PrintCaption(t, kRightExampleLeft, x, kSubtractiveCaption);
}

}  // namespace

QImage DrawExamplePicture(qreal devicePixelRatio) {
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1;
    const auto device = [ratio](int logical) { return static_cast<int>(std::ceil(logical * ratio - 1e-9)); };
    QImage canvas(device(kExamplePictureWidth), device(kExamplePictureHeight), QImage::Format_RGB32);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(kWhite);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        Typesetter t(painter);
        DrawUsualExample(t);
        DrawSubtractiveExample(t);
    }
    QImage picture = canvas.convertToFormat(QImage::Format_RGB888);
    picture.setDevicePixelRatio(ratio);
    return picture;
}

}  // namespace tamsel
