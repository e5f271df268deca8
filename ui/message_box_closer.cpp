// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/message_box_closer.h"

#include <QApplication>

namespace tamsel {

MessageBoxCloser::MessageBoxCloser(int intervalMilliseconds) {
    timer_.setInterval(intervalMilliseconds);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen_.push_back({box->windowTitle(), box->text(), box->icon(), static_cast<int>(box->buttons().size())});
        box->accept();
    });
    timer_.start();
}

std::vector<std::string> MessageBoxCloser::Texts() const {
    std::vector<std::string> texts;
    for (const SeenBox& box : seen_) texts.push_back(box.text.toStdString());
    return texts;
}

}  // namespace tamsel
