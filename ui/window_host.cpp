#include "ui/window_host.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>

#include "ui/text_boxes.h"

namespace tamsel {

bool WindowHost::VariantSelected() const { return check1_->isChecked(); }

std::string WindowHost::InputText(InputBox box) const { return Input(box)->text().toStdString(); }

void WindowHost::SetInputText(InputBox box, const std::string& text) {
    Input(box)->setText(QString::fromStdString(text));
}

bool WindowHost::Yield() {
    if (closing_) return false;
    QCoreApplication::processEvents();
    return !closing_;
}

void WindowHost::ShowMessage(const std::string& text, MessageIcon icon) {
    QMessageBox box(window_);
    box.setWindowTitle(QStringLiteral("Tamsel"));
    box.setText(QString::fromStdString(text));
    box.setIcon(icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

void WindowHost::ShowTrace() { trace_->show(); }

void WindowHost::SetTrace(const std::string& text) { SetBoxText(*trace_, text); }

void WindowHost::AppendTrace(const std::string& text) { AppendToBox(*trace_, text); }

void WindowHost::SetFractions(const std::string& text) { SetBoxText(*fractions_, text); }

}  // namespace tamsel
