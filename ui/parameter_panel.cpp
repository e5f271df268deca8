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

#include "engine/parameter_step.h"
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

void MakeLabel(QWidget* panel, const char* name, const QString& text, const QFont& font, const QColor& ink,
               QRect geometry) {
    auto* label = new QLabel(text, panel);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetSurfaceColours(label, kPanelGrey, ink);
}

void MakeLine(QWidget* panel, const char* name, QPointF from, QPointF to) {
    auto* line = new FormulaLine(from, to, panel);
    line->setObjectName(name);
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
    const QColor up(0, 0, 255), down(Qt::white);
    MakeLabel(this, "Label4", QStringLiteral("Quadratische Irrationalität"), SansFont(9.75, true), Qt::white,
              TwipRect(75, 75, 2940, 240));
    MakeLabel(this, "Label2", QStringLiteral("x ="), SansFont(13.5), kFormulaBlue, TwipRect(600, 975, 390, 390));
    inputs_[Index(InputBox::Koeff)] = MakeInputBox(
        this, "txtKoeff", QStringLiteral("1"), QStringLiteral("Koeffizient der Wurzel"), TwipRect(1350, 675, 825, 450));
    stepUp_[Index(InputBox::Koeff)] = MakeStepButton(
        this, "vscKoeffhigher", up, QStringLiteral("Koeffizient um 1 erhöhen"), TwipRect(2175, 675, 165, 195));
    stepDown_[Index(InputBox::Koeff)] = MakeStepButton(
        this, "vscKoeffsmallerf", down, QStringLiteral("Koeffizient um 1 verringern"), TwipRect(2175, 900, 165, 195));
    MakeLabel(this, "Label3", QStringLiteral("."), SansFont(18), Qt::black, TwipRect(2400, 525, 90, 615));
    MakeLine(this, "Line3", TwipPoint(2505, 630), TwipPoint(2625, 1110));
    MakeLine(this, "Line2", TwipPoint(2625, 1110), TwipPoint(2745, 450));
    MakeLine(this, "Line1", TwipPoint(2745, 450), TwipPoint(3780, 450));
    inputs_[Index(InputBox::Wurzel)] =
        MakeInputBox(this, "txtWurzel", QStringLiteral("2"), QStringLiteral("Radikand"), TwipRect(2835, 660, 900, 450));
    stepUp_[Index(InputBox::Wurzel)] = MakeStepButton(
        this, "cmdWurzelhigher", up, QStringLiteral("Radikand um 1 erhöhen"), TwipRect(3750, 675, 165, 195));
    stepDown_[Index(InputBox::Wurzel)] = MakeStepButton(
        this, "cmdWurzelsmaller", down, QStringLiteral("Radikand um 1 verringern"), TwipRect(3750, 900, 165, 195));
    MakeLabel(this, "Label1", QStringLiteral("+"), SerifFont(15.75), Qt::black, TwipRect(3975, 750, 240, 240));
    inputs_[Index(InputBox::Abs)] = MakeInputBox(this, "txtAbs", QStringLiteral("0"), QStringLiteral("Absolutglied"),
                                                 TwipRect(4260, 660, 900, 450));
    stepUp_[Index(InputBox::Abs)] = MakeStepButton(
        this, "cmdAbshigher", up, QStringLiteral("Absolutglied um 1 erhöhen"), TwipRect(5175, 675, 165, 195));
    stepDown_[Index(InputBox::Abs)] = MakeStepButton(
        this, "cmdAbsSmaller", down, QStringLiteral("Absolutglied um 1 verringern"), TwipRect(5175, 900, 165, 195));
    MakeLine(this, "Line4", TwipPoint(1200, 1260), TwipPoint(5355, 1260));
    inputs_[Index(InputBox::Nenner)] =
        MakeInputBox(this, "txtNenner", QStringLiteral("1"), QStringLiteral("Nenner"), TwipRect(2850, 1395, 900, 450));
    stepUp_[Index(InputBox::Nenner)] = MakeStepButton(
        this, "cmdNennerhigher", up, QStringLiteral("Nenner um 1 erhöhen"), TwipRect(3750, 1425, 165, 195));
    stepDown_[Index(InputBox::Nenner)] = MakeStepButton(
        this, "cmdNennerSmaller", down, QStringLiteral("Nenner um 1 verringern"), TwipRect(3750, 1650, 165, 195));

    variantSwitch_ =
        new QCheckBox(QStringLiteral("Variante des Algorithmus: nächstgrößere! Ganzzahl herausziehen"), this);
    variantSwitch_->setObjectName("Check1");
    variantSwitch_->setGeometry(TwipRect(120, 1920, 6435, 255));
    variantSwitch_->setFont(SerifFont(12));
    SetSurfaceColours(variantSwitch_, kPanelGrey, Qt::black);

    // koeff and wurzel never go below 0, nenner never below 1.
    StepWithButtons(InputBox::Koeff, 0.0);
    StepWithButtons(InputBox::Wurzel, 0.0);
    StepWithButtons(InputBox::Abs, std::nullopt);
    StepWithButtons(InputBox::Nenner, 1.0);
}

QWidget* ParameterPanel::StepUpButton(InputBox box) const { return stepUp_[Index(box)]; }

QWidget* ParameterPanel::StepDownButton(InputBox box) const { return stepDown_[Index(box)]; }

void ParameterPanel::StepWithButtons(InputBox box, std::optional<double> lowerBound) {
    QLineEdit* input = Input(box);
    const auto step = [input](int delta, std::optional<double> bound) {
        if (const auto text = SteppedText(input->text().toStdString(), delta, bound)) {
            input->setText(QString::fromStdString(*text));
        }
    };
    connect(stepUp_[Index(box)], &QPushButton::clicked, this, [step] { step(+1, std::nullopt); });
    connect(stepDown_[Index(box)], &QPushButton::clicked, this, [step, lowerBound] { step(-1, lowerBound); });
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
