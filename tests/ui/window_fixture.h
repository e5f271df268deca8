// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include "ui/main_window.h"
#include "ui/message_box_closer.h"
#include "ui/text_boxes.h"

namespace tamsel::test {

// A box's text as the program sees it.
inline std::string Text(const QPlainTextEdit* box) { return ProgramTextOfBox(*box); }

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

}  // namespace tamsel::test
