// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include "ui/main_window.h"
#include "ui/text_boxes.h"

namespace tamsel::testing {

// A box's text as the program sees it.
inline std::string Text(const QPlainTextEdit* box) { return ProgramTextOfBox(*box); }

// A message box as the user saw it.
struct SeenMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    int buttons;
};

// Closes every modal message box as soon as it appears and remembers it.
class MessageCloser {
public:
    MessageCloser() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            seen_.push_back({box->windowTitle(), box->text(), box->icon(), static_cast<int>(box->buttons().size())});
            box->accept();
        });
        timer_.start();
    }
    const std::vector<SeenMessage>& Seen() const { return seen_; }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& m : seen_) texts.push_back(m.text.toStdString());
        return texts;
    }

private:
    QTimer timer_;
    std::vector<SeenMessage> seen_;
};

// A fresh window laid out for a 1024 x 768 screen and shown offscreen.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(QSize(1024, 768));
        window->show();
    }
    void TearDown() override { window.reset(); }

    template <typename T>
    T* Find(const char* name) const {
        T* found = window->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QAction* Action(const char* name) const { return Find<QAction>(name); }
    QLineEdit* Input(const char* name) const { return Find<QLineEdit>(name); }
    QPlainTextEdit* Box(const char* name) const { return Find<QPlainTextEdit>(name); }

    void SetInputs(const QString& koeff, const QString& wurzel, const QString& abs, const QString& nenner) {
        Input("txtKoeff")->setText(koeff);
        Input("txtWurzel")->setText(wurzel);
        Input("txtAbs")->setText(abs);
        Input("txtNenner")->setText(nenner);
    }

    std::unique_ptr<MainWindow> window;
};

}  // namespace tamsel::testing
