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

    InputTextBox* txtKoeff;
    InputTextBox* txtWurzel;
    InputTextBox* txtAbs;
    InputTextBox* txtNenner;
    QPushButton* vscKoeffhigher;
    QPushButton* vscKoeffsmallerf;
    QPushButton* cmdWurzelhigher;
    QPushButton* cmdWurzelsmaller;
    QPushButton* cmdAbshigher;
    QPushButton* cmdAbsSmaller;
    QPushButton* cmdNennerhigher;
    QPushButton* cmdNennerSmaller;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QCheckBox* Check1;

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
