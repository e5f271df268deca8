// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parameter_panel.h"

#include <QCheckBox>
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QToolTip>

#include "ui/control_colours.h"
#include "ui/fonts.h"
#include "ui/text_boxes.h"

namespace tamsel {

namespace {

const QColor kPanelGrey(224, 224, 224);
const QColor kFormulaBlue(0, 0, 192);
constexpr qreal kTwipsPerPixel = 15;
constexpr qreal kLineWidth = 2;

// Positions of the panel's controls are kept in twips, as the formula was laid out.
QRect TwipRect(int left, int top, int width, int height) {
    return QRectF(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel, height / kTwipsPerPixel)
        .toRect();
}

QPointF TwipPoint(int x, int y) { return {x / kTwipsPerPixel, y / kTwipsPerPixel}; }

InputTextBox* MakeInputBox(QWidget* panel, const char* name, const QString& text, const QString& spoken,
                           QRect geometry) {
    auto* box = new InputTextBox(text, panel);
    box->setObjectName(name);
    box->setAccessibleName(spoken);
    box->setGeometry(geometry);
    box->setAlignment(Qt::AlignCenter);
    box->setFont(SerifFont(14.25, true));
    SetTextBoxColours(box, Qt::white, Qt::black);
    return box;
}

// A caption-less push button whose whole face shows one flat colour.
// `spoken` is what a screen reader says for it, as the button has no caption.
QPushButton* MakeStepButton(QWidget* panel, const char* name, const QColor& face, const QString& spoken,
                            QRect geometry) {
    auto* button = new QPushButton(panel);
    button->setObjectName(name);
    button->setAccessibleName(spoken);
    button->setGeometry(geometry);
    button->setStyleSheet(QStringLiteral("QPushButton { background: %1; border: none; }").arg(face.name()));
    return button;
}

QLabel* MakeLabel(QWidget* panel, const char* name, const QString& text, const QFont& font, const QColor& ink,
                  QRect geometry) {
    auto* label = new QLabel(text, panel);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetSurfaceColours(label, kPanelGrey, ink);
    return label;
}

FormulaLine* MakeLine(QWidget* panel, const char* name, QPointF from, QPointF to) {
    auto* line = new FormulaLine(from, to, panel);
    line->setObjectName(name);
    return line;
}

}  // namespace

FormulaLine::FormulaLine(QPointF from, QPointF to, QWidget* parent) : QWidget(parent), from_(from), to_(to) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QRectF span = QRectF(from, to).normalized().adjusted(-kLineWidth, -kLineWidth, kLineWidth, kLineWidth);
    setGeometry(span.toAlignedRect());
}

void FormulaLine::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(kFormulaBlue, kLineWidth);
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    const QPointF offset = pos();
    painter.drawLine(from_ - offset, to_ - offset);
}

ParameterPanel::ParameterPanel(QWidget* parent) : QWidget(parent) {
    SetSurfaceColours(this, kPanelGrey, Qt::black);
    setToolTip(QStringLiteral("Klick: Kettenbruch anzeigen"));

    // Created in the order of the formula, read from left to right.
    Label4 = MakeLabel(this, "Label4", QStringLiteral("Quadratische Irrationalität"), SansFont(9.75, true), Qt::white,
                       TwipRect(75, 75, 2940, 240));
    Label2 =
        MakeLabel(this, "Label2", QStringLiteral("x ="), SansFont(13.5), kFormulaBlue, TwipRect(600, 975, 390, 390));
    txtKoeff = MakeInputBox(this, "txtKoeff", QStringLiteral("1"), QStringLiteral("Koeffizient der Wurzel"),
                            TwipRect(1350, 675, 825, 450));
    vscKoeffhigher = MakeStepButton(this, "vscKoeffhigher", QColor(0, 0, 255),
                                    QStringLiteral("Koeffizient um 1 erhöhen"), TwipRect(2175, 675, 165, 195));
    vscKoeffsmallerf = MakeStepButton(this, "vscKoeffsmallerf", Qt::white,
                                      QStringLiteral("Koeffizient um 1 verringern"), TwipRect(2175, 900, 165, 195));
    Label3 = MakeLabel(this, "Label3", QStringLiteral("."), SansFont(18), Qt::black, TwipRect(2400, 525, 90, 615));
    MakeLine(this, "Line3", TwipPoint(2505, 630), TwipPoint(2625, 1110));
    MakeLine(this, "Line2", TwipPoint(2625, 1110), TwipPoint(2745, 450));
    MakeLine(this, "Line1", TwipPoint(2745, 450), TwipPoint(3780, 450));
    txtWurzel =
        MakeInputBox(this, "txtWurzel", QStringLiteral("2"), QStringLiteral("Radikand"), TwipRect(2835, 660, 900, 450));
    cmdWurzelhigher = MakeStepButton(this, "cmdWurzelhigher", QColor(0, 0, 255),
                                     QStringLiteral("Radikand um 1 erhöhen"), TwipRect(3750, 675, 165, 195));
    cmdWurzelsmaller = MakeStepButton(this, "cmdWurzelsmaller", Qt::white, QStringLiteral("Radikand um 1 verringern"),
                                      TwipRect(3750, 900, 165, 195));
    Label1 = MakeLabel(this, "Label1", QStringLiteral("+"), SerifFont(15.75), Qt::black, TwipRect(3975, 750, 240, 240));
    txtAbs = MakeInputBox(this, "txtAbs", QStringLiteral("0"), QStringLiteral("Absolutglied"),
                          TwipRect(4260, 660, 900, 450));
    cmdAbshigher = MakeStepButton(this, "cmdAbshigher", QColor(0, 0, 255), QStringLiteral("Absolutglied um 1 erhöhen"),
                                  TwipRect(5175, 675, 165, 195));
    cmdAbsSmaller = MakeStepButton(this, "cmdAbsSmaller", Qt::white, QStringLiteral("Absolutglied um 1 verringern"),
                                   TwipRect(5175, 900, 165, 195));
    MakeLine(this, "Line4", TwipPoint(1200, 1260), TwipPoint(5355, 1260));
    txtNenner =
        MakeInputBox(this, "txtNenner", QStringLiteral("1"), QStringLiteral("Nenner"), TwipRect(2850, 1395, 900, 450));
    cmdNennerhigher = MakeStepButton(this, "cmdNennerhigher", QColor(0, 0, 255), QStringLiteral("Nenner um 1 erhöhen"),
                                     TwipRect(3750, 1425, 165, 195));
    cmdNennerSmaller = MakeStepButton(this, "cmdNennerSmaller", Qt::white, QStringLiteral("Nenner um 1 verringern"),
                                      TwipRect(3750, 1650, 165, 195));

    Check1 = new QCheckBox(QStringLiteral("Variante des Algorithmus: nächstgrößere! Ganzzahl herausziehen"), this);
    Check1->setObjectName("Check1");
    Check1->setGeometry(TwipRect(120, 1920, 6435, 255));
    Check1->setFont(SerifFont(12));
    SetSurfaceColours(Check1, kPanelGrey, Qt::black);
}

bool ParameterPanel::OnOwnSurface(const QPointF& pos) const {
    return rect().contains(pos.toPoint()) && childAt(pos.toPoint()) == nullptr;
}

// A control without a tooltip of its own passes the request on to the
// panel; the panel's tooltip is about a click on its surface, so over a
// control it shows none (and hides one still shown from the surface).
bool ParameterPanel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (!OnOwnSurface(help->pos())) {
            QToolTip::hideText();
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void ParameterPanel::mousePressEvent(QMouseEvent* event) {
    pressedOnSurface_ = event->button() == Qt::LeftButton && OnOwnSurface(event->position());
}

void ParameterPanel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressedOnSurface_ && event->button() == Qt::LeftButton && OnOwnSurface(event->position());
    pressedOnSurface_ = false;
    if (click) emit clicked();
}

void ParameterPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && OnOwnSurface(event->position())) emit doubleClicked();
}

}  // namespace tamsel
