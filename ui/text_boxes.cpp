// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/text_boxes.h"

#include <QTextCursor>
#include <QTextDocument>

namespace tamsel {

MultiLineBox::MultiLineBox(QWidget* parent) : QPlainTextEdit(parent) { setTabChangesFocus(true); }

void MultiLineBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

void InputTextBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QLineEdit::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

QString BoxFromProgramText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return s;
}

std::string ProgramTextOfBox(const QPlainTextEdit& box) {
    QString s = box.toPlainText();
    s.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return s.toStdString();
}

// The edit block spares the cursor from laying out the whole last line
// again just to remember its horizontal position; the box lays the line
// out once when the block ends.
void AppendToBox(QPlainTextEdit& box, const std::string& text) {
    QTextCursor cursor(box.document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    cursor.insertText(BoxFromProgramText(text));
    cursor.endEditBlock();
}

void BoxTextHolder::Append(std::string_view text) { AppendToBox(box_, std::string(text)); }

void BoxTextHolder::Clear() { box_.clear(); }

bool BoxTextHolder::DropLastChar() {
    if (box_.document()->isEmpty()) return false;
    QTextCursor cursor(box_.document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    cursor.deletePreviousChar();
    cursor.endEditBlock();
    return true;
}

}  // namespace tamsel
