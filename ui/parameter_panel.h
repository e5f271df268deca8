// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QWidget>

class QCheckBox;
class QLabel;
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
// formula, and the variant switch beneath. A click or double-click on the
// panel's own surface (not on one of its controls) asks for a run; the
// panel's tooltip announces that and shows only over that surface.
class ParameterPanel : public QWidget {
    Q_OBJECT
public:
    explicit ParameterPanel(QWidget* parent);

    InputTextBox* txtKoeff;         // koeff, the coefficient of the root
    InputTextBox* txtWurzel;        // wurzel, the radicand under the root sign
    InputTextBox* txtAbs;           // abs, the absolute term
    InputTextBox* txtNenner;        // nenner, the denominator under the fraction bar
    QPushButton* vscKoeffhigher;    // koeff + 1
    QPushButton* vscKoeffsmallerf;  // koeff - 1, down to 0
    QPushButton* cmdWurzelhigher;   // wurzel + 1
    QPushButton* cmdWurzelsmaller;  // wurzel - 1, down to 0
    QPushButton* cmdAbshigher;      // abs + 1
    QPushButton* cmdAbsSmaller;     // abs - 1
    QPushButton* cmdNennerhigher;   // nenner + 1
    QPushButton* cmdNennerSmaller;  // nenner - 1, down to 1
    QLabel* Label1;                 // the "+" between root and absolute term
    QLabel* Label2;                 // "x =" in front of the fraction
    QLabel* Label3;                 // the multiplication dot
    QLabel* Label4;                 // the heading "Quadratische Irrationalität"
    QCheckBox* Check1;              // the variant switch: the next larger integer is pulled out

signals:
    void clicked();
    void doubleClicked();

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool OnOwnSurface(const QPointF& pos) const;
    bool pressedOnSurface_ = false;
};

}  // namespace tamsel
