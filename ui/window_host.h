// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "engine/expansion_host.h"

#include <QMessageBox>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace tamsel {

// A modal message box with one OK button; returns when the user closes it.
void ShowModalMessage(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon);

// The run's surroundings in the window: the input boxes, the variant switch,
// the trace and fraction boxes, the message boxes, and one pass of the event
// loop per step.
class WindowHost : public ExpansionHost {
public:
    WindowHost(QWidget* window, std::array<QLineEdit*, 4> inputs, QCheckBox* check1, QPlainTextEdit* trace,
               QPlainTextEdit* fractions)
        : window_(window), inputs_(inputs), check1_(check1), trace_(trace), fractions_(fractions) {}

    bool VariantSelected() const override;
    std::string InputText(InputBox box) const override;
    void SetInputText(InputBox box, const std::string& text) override;
    bool Yield() override;
    void ShowMessage(const std::string& text, MessageIcon icon) override;
    void ShowTrace() override;
    void SetTrace(const std::string& text) override;
    void AppendTrace(const std::string& text) override;
    void SetFractions(const std::string& text) override;

    // The program is closing: a run in progress stops at its next yield.
    void RequestClose() { closing_ = true; }
    bool Closing() const { return closing_; }

private:
    QLineEdit* Input(InputBox box) const { return inputs_[static_cast<std::size_t>(box)]; }

    QWidget* window_;
    std::array<QLineEdit*, 4> inputs_;
    QCheckBox* check1_;
    QPlainTextEdit* trace_;
    QPlainTextEdit* fractions_;
    bool closing_ = false;
};

}  // namespace tamsel
