// SPDX-License-Identifier: GPL-3.0-or-later
// The controls paint the colours the window gives them, whatever palette the
// desktop sets: checked on the painted pixels.
#include <map>
#include <memory>

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QPalette>
#include <QTest>

#include "window_fixture.h"

namespace tamsel::test {
namespace {

TEST_F(WindowTest, CheckBoxIsPaintedInThePanelsGrey) {
    const QImage check = Find<QCheckBox>("Check1")->grab().toImage();
    // Its top row is free of indicator and caption: the panel's grey, all across.
    for (int x = 0; x < check.width(); ++x) {
        ASSERT_EQ(check.pixelColor(x, 0).name(), "#e0e0e0") << "x = " << x;
    }
    const QImage panel = Find<QWidget>("Picture1")->grab().toImage();
    const QRect area = Find<QCheckBox>("Check1")->geometry();
    EXPECT_EQ(panel.pixelColor(area.left() + 1, area.top()).name(), "#e0e0e0");
    EXPECT_EQ(panel.pixelColor(area.left() + 1, area.top()), panel.pixelColor(area.left() + 1, area.top() - 2))
        << "the check box stands out from the panel";
}

// A palette as a dark desktop sets it: light text on dark window, button and base colours.
QPalette DarkDesktopPalette() {
    QPalette dark(QColor(53, 53, 53), QColor(53, 53, 53));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::AlternateBase, QColor(45, 45, 45));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    return dark;
}

// Sets the application's palette for the scope, as the desktop does, and
// puts the earlier one back. The widgets learn of a new palette through
// posted events, which the event loop delivers.
class ApplicationPalette {
public:
    explicit ApplicationPalette(const QPalette& palette) : saved_(QApplication::palette()) {
        QApplication::setPalette(palette);
        QCoreApplication::sendPostedEvents();
    }
    ~ApplicationPalette() {
        QApplication::setPalette(saved_);
        QCoreApplication::sendPostedEvents();
    }

private:
    QPalette saved_;
};

const char* const kControls[] = {
    "Picture1",  "image1", "Text1",  "Text2",  "picture2", "picGra", "txtKoeff",       "txtWurzel",        "txtAbs",
    "txtNenner", "Label1", "Label2", "Label3", "Label4",   "Check1", "vscKoeffhigher", "vscKoeffsmallerf",
};

// Controls whose focus frame, text cursor or selection shows while they have the focus.
const char* const kFocused[] = {"txtKoeff", "Text1", "Text2", "picture2", "Check1", "cmdAbshigher", "cmdAbsSmaller"};

// A text cursor that does not blink, so that two pictures of a focused box can be compared.
class SteadyTextCursor {
public:
    SteadyTextCursor() : saved_(QApplication::cursorFlashTime()) { QApplication::setCursorFlashTime(0); }
    ~SteadyTextCursor() { QApplication::setCursorFlashTime(saved_); }

private:
    int saved_;
};

// A window shown and active, every box filled by a run of √7.
std::unique_ptr<MainWindow> ActiveWindowAfterARun() {
    auto window = std::make_unique<MainWindow>(QSize(1024, 768));
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->findChild<QLineEdit*>("txtWurzel")->setText("7");
    window->findChild<QAction*>("cmdKette")->trigger();
    return window;
}

// Each control as painted, and the focus stops once more with the focus and
// their text selected.
std::map<std::string, QImage> PaintedControls(MainWindow& window) {
    SteadyTextCursor steady;
    const auto grab = [&window](const char* name) {
        return window.findChild<QWidget*>(name)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    std::map<std::string, QImage> painted;
    window.findChild<QWidget*>("Check1")->setFocus(Qt::OtherFocusReason);
    for (const char* name : kControls) painted[name] = grab(name);
    for (const char* name : kFocused) {
        auto* control = window.findChild<QWidget*>(name);
        control->setFocus(Qt::TabFocusReason);  // the text of a line edit gets selected
        auto* box = qobject_cast<QPlainTextEdit*>(control);
        if (box) box->selectAll();
        painted[std::string(name) + " mit Fokus"] = grab(name);
        if (box) box->moveCursor(QTextCursor::Start);  // the selection goes again
    }
    return painted;
}

int DifferingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return a.width() * a.height();
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) differing += a.pixel(x, y) != b.pixel(x, y);
    return differing;
}

void ExpectSamePictures(const std::map<std::string, QImage>& light, const std::map<std::string, QImage>& dark,
                        const char* when) {
    ASSERT_EQ(light.size(), dark.size());
    for (const auto& [name, picture] : light) {
        EXPECT_EQ(DifferingPixels(picture, dark.at(name)), 0) << name << " looks different " << when;
    }
}

TEST(DarkDesktop, ControlsLookAsUnderALightPalette) {
    auto window = ActiveWindowAfterARun();
    const auto light = PaintedControls(*window);
    ApplicationPalette dark(DarkDesktopPalette());
    ExpectSamePictures(light, PaintedControls(*window), "when the desktop turns dark");
    window.reset();
    window = ActiveWindowAfterARun();
    ExpectSamePictures(light, PaintedControls(*window), "in a window opened under a dark palette");
}

TEST_F(WindowTest, TextsOnFixedBackgroundsKeepTheirInkUnderADarkPalette) {
    ApplicationPalette dark(DarkDesktopPalette());
    for (const char* box : {"txtKoeff", "txtWurzel", "txtAbs", "txtNenner", "Text1", "Text2", "picture2"}) {
        EXPECT_EQ(Find<QWidget>(box)->palette().color(QPalette::Text).name(), "#000000") << box;
    }
    const std::pair<const char*, QColor> captions[] = {
        {"Check1", Qt::black}, {"Label1", Qt::black}, {"Label2", QColor(0, 0, 192)},
        {"Label3", Qt::black}, {"Label4", Qt::white},
    };
    for (const auto& [name, ink] : captions) {
        EXPECT_EQ(Find<QWidget>(name)->palette().color(QPalette::WindowText).name(), ink.name()) << name;
    }
}

}  // namespace
}  // namespace tamsel::test
