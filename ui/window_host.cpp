// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_host.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>

namespace tamsel {

bool WindowHost::VariantSelected() const { return variantSwitch_->isChecked(); }

std::string WindowHost::InputText(InputBox box) const { return Input(box)->text().toStdString(); }

void WindowHost::SetInputText(InputBox box, const std::string& text) {
    Input(box)->setText(QString::fromStdString(text));
}

bool WindowHost::Yield() {
    if (quitting_) return false;
    QCoreApplication::processEvents();
    return !quitting_;
}

void ShowModalMessage(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon) {
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    box.setIcon(icon);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

void WindowHost::ShowMessage(const std::string& text, MessageIcon icon) {
    ShowModalMessage(window_, QStringLiteral("Tamsel"), QString::fromStdString(text),
                     icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon);
}

}  // namespace tamsel
