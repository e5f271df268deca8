// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QString>

#include "notation/text_holder.h"

namespace tamsel {

// A multi-line text box that reports double-clicks (the bracket-notation box
// switches the view on them). Tab and Shift+Tab move on to the neighbouring
// control, as in every box of the window, instead of typing a tab.
class MultiLineBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MultiLineBox(QWidget* parent = nullptr);
signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// A single-line input box that reports double-clicks (they start a run).
class InputTextBox : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;
signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// The program writes its lines with CR LF; a box shows each as one line
// break. These convert between the two forms.
QString BoxFromProgramText(const std::string& text);
std::string ProgramTextOfBox(const QPlainTextEdit& box);

// Extends a box's text at its end, so that the cost does not grow with what
// the box already holds.
void AppendToBox(QPlainTextEdit& box, const std::string& text);

// A multi-line box as the notations write into it.
class BoxTextHolder : public TextHolder {
public:
    explicit BoxTextHolder(QPlainTextEdit& box) : box_(box) {}
    void Append(std::string_view text) override;
    bool DropLastChar() override;
    void Clear() override;

private:
    QPlainTextEdit& box_;
};

}  // namespace tamsel
