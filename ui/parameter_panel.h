// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include <QPointF>
#include <QWidget>

#include "engine/expansion_host.h"

class QCheckBox;
class QPushButton;

namespace tamsel {

class InputTextBox;

// A stroke of the formula (the root sign, the fraction bar): a 2-pixel line
// in RGB(0, 0, 192). It takes no clicks, so a click on it counts as a click
// on the panel.
class FormulaLine : public QWidget {
    Q_OBJECT
public:
    FormulaLine(QPointF from, QPointF to, QWidget* parent);
    QPointF From() const { return from_; }
    QPointF To() const { return to_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointF from_;
    QPointF to_;
};

// The parameter panel: the quadratic irrational laid out as a fraction of
// four input boxes with their step buttons, labels and the lines of the
// formula, and the variant switch beneath. The step buttons change their
// box by 1 themselves. A click or double-click on the panel's own surface
// (not on one of its controls) asks for a run; the panel's tooltip
// announces that and shows only over that surface.
class ParameterPanel : public QWidget {
    Q_OBJECT
public:
    explicit ParameterPanel(QWidget* parent);

    // The input box of one parameter.
    InputTextBox* Input(InputBox box) const { return inputs_[Index(box)]; }
    // The button that adds 1 to a parameter, and the one that subtracts 1,
    // as places in the window's tab order.
    QWidget* StepUpButton(InputBox box) const;
    QWidget* StepDownButton(InputBox box) const;
    // The switch to the variant, which pulls out the next larger integer.
    QCheckBox* VariantSwitch() const { return variantSwitch_; }

signals:
    void clicked();
    void doubleClicked();

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    static std::size_t Index(InputBox box) { return static_cast<std::size_t>(box); }
    // Connects a box's two step buttons; the lower one stops above `lowerBound`.
    void StepWithButtons(InputBox box, std::optional<double> lowerBound);
    bool OnOwnSurface(const QPointF& pos) const;

    std::array<InputTextBox*, 4> inputs_{};
    std::array<QPushButton*, 4> stepUp_{};
    std::array<QPushButton*, 4> stepDown_{};
    QCheckBox* variantSwitch_ = nullptr;
    bool pressedOnSurface_ = false;
};

}  // namespace tamsel
