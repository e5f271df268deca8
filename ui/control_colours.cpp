// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/control_colours.h"

#include <QPalette>
#include <QStyle>
#include <QWidget>

namespace tamsel {

void KeepLightColours(QWidget* area) {
    const QPalette light = area->style()->standardPalette();
    // Every role of every group is set, so none of them is taken from the
    // application's palette any more.
    QPalette fixed;
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            if (role == QPalette::NoRole) continue;
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            fixed.setBrush(g, r, light.brush(g, r));
        }
    }
    area->setPalette(fixed);
}

void SetTextBoxColours(QWidget* box, const QColor& background, const QColor& ink) {
    QPalette p = box->palette();
    p.setColor(QPalette::Base, background);
    p.setColor(QPalette::Text, ink);
    box->setPalette(p);
}

// A check box fills from its button colour, a label or a plain widget from
// the window colour: both are set, so every kind of control fills alike.
void SetSurfaceColours(QWidget* control, const QColor& background, const QColor& ink) {
    QPalette p = control->palette();
    p.setColor(QPalette::Window, background);
    p.setColor(control->backgroundRole(), background);
    p.setColor(QPalette::WindowText, ink);
    p.setColor(control->foregroundRole(), ink);
    control->setPalette(p);
    control->setAutoFillBackground(true);
}

}  // namespace tamsel
