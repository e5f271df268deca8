// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include <QMessageBox>
#include <QString>
#include <QTimer>

namespace tamsel {

// Closes every modal message box as soon as it appears and remembers what it
// showed: for whatever drives the window without a user (tests, benchmarks,
// the screenshot tool).
class MessageBoxCloser {
public:
    struct SeenBox {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        int buttons;
    };

    explicit MessageBoxCloser(int intervalMilliseconds = 5);

    const std::vector<SeenBox>& Seen() const { return seen_; }
    std::vector<std::string> Texts() const;

private:
    QTimer timer_;
    std::vector<SeenBox> seen_;
};

}  // namespace tamsel
