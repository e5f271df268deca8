// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include <QMessageBox>

#include "engine/expansion_host.h"

class QCheckBox;
class QLineEdit;
class QWidget;

namespace tamsel {

// A modal message box with one OK button; returns when the user closes it.
void ShowModalMessage(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon);

// The run's surroundings in the window: the input boxes, the variant switch,
// the message boxes, and one pass of the event loop per step.
class WindowHost : public ExpansionHost {
public:
    WindowHost(QWidget* window, std::array<QLineEdit*, 4> inputs, QCheckBox* variantSwitch)
        : window_(window), inputs_(inputs), variantSwitch_(variantSwitch) {}

    bool VariantSelected() const override;
    std::string InputText(InputBox box) const override;
    void SetInputText(InputBox box, const std::string& text) override;
    bool Yield() override;
    void ShowMessage(const std::string& text, MessageIcon icon) override;

    // The program is ending: a run in progress stops at its next yield.
    void RequestQuit() { quitting_ = true; }

private:
    QLineEdit* Input(InputBox box) const { return inputs_[static_cast<std::size_t>(box)]; }

    QWidget* window_;
    std::array<QLineEdit*, 4> inputs_;
    QCheckBox* variantSwitch_;
    bool quitting_ = false;
};

}  // namespace tamsel
