// SPDX-License-Identifier: GPL-3.0-or-later
// Tab and Shift+Tab walk the window's controls in their tab order, from
// wherever the focus is, and around; the multi-line boxes do not keep them.
#include <QApplication>
#include <QTest>

#include "window_fixture.h"

namespace tamsel::test {
namespace {

// The controls that take the focus, in their tab order.
const char* const kTabStops[] = {
    "txtWurzel",        "txtAbs",          "txtNenner",      "txtKoeff",
    "picture2",         "Text1",           "cmdAbsSmaller",  "cmdAbshigher",
    "cmdWurzelsmaller", "cmdWurzelhigher", "vscKoeffhigher", "vscKoeffsmallerf",
    "cmdNennerSmaller", "cmdNennerhigher", "Text2",          "Check1",
};

struct WalkCase {
    const char* name;
    bool afterRun;     // before the first run the trace box is hidden and no stop
    int viewSwitches;  // the drawing is switched off and on; while it covers the bracket notation, that box is no stop
    friend void PrintTo(const WalkCase& c, std::ostream* os) { *os << c.name; }
};

class KeyboardWalk : public WindowTest, public ::testing::WithParamInterface<WalkCase> {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        if (GetParam().afterRun) Action("cmdKette")->trigger();
        for (int i = 0; i < GetParam().viewSwitches; ++i) Action("cmdGra")->trigger();
    }

    std::vector<std::string> Stops() const {
        std::vector<std::string> stops;
        for (const std::string name : kTabStops) {
            if (name == "Text1" && !GetParam().afterRun) continue;
            if (name == "picture2" && GetParam().viewSwitches % 2 == 0) continue;
            stops.push_back(name);
        }
        return stops;
    }

    // Puts the focus on `name`, presses the key there and tells where the focus went.
    std::string PressOn(const std::string& name, Qt::Key key, Qt::KeyboardModifiers modifiers) {
        Find<QWidget>(name.c_str())->setFocus(Qt::OtherFocusReason);
        QWidget* from = QApplication::focusWidget();
        if (!from || from->objectName().toStdString() != name) return "focus not taken by " + name;
        QTest::keyClick(from, key, modifiers);
        QWidget* to = QApplication::focusWidget();
        return to ? to->objectName().toStdString() : "(nothing)";
    }

    // What the boxes hold: a key that moves the focus must not change it.
    std::vector<std::string> BoxTexts() const {
        std::vector<std::string> texts;
        for (const char* box : {"picture2", "Text1", "Text2"}) texts.push_back(Text(Box(box)));
        for (const char* input : {"txtKoeff", "txtWurzel", "txtAbs", "txtNenner"})
            texts.push_back(Input(input)->text().toStdString());
        return texts;
    }
};

TEST_P(KeyboardWalk, TabAndShiftTabMoveToTheNeighbouringStopFromEveryStop) {
    const std::vector<std::string> stops = Stops();
    const std::vector<std::string> textsBefore = BoxTexts();

    const std::size_t n = stops.size();
    for (std::size_t i = 0; i < n; ++i) {
        EXPECT_EQ(PressOn(stops[i], Qt::Key_Tab, Qt::NoModifier), stops[(i + 1) % n]) << "Tab on " << stops[i];
        EXPECT_EQ(PressOn(stops[i], Qt::Key_Backtab, Qt::ShiftModifier), stops[(i + n - 1) % n])
            << "Shift+Tab on " << stops[i];
    }
    EXPECT_EQ(BoxTexts(), textsBefore) << "a Tab was typed into a box";
}

INSTANTIATE_TEST_SUITE_P(States, KeyboardWalk,
                         ::testing::Values(WalkCase{"BeforeTheFirstRun", false, 0},
                                           WalkCase{"AfterARunWithTheNotationShown", true, 1},
                                           WalkCase{"AfterARunWithTheNotationShownAndCoveredAgain", true, 2}),
                         [](const ::testing::TestParamInfo<WalkCase>& info) { return std::string(info.param.name); });

TEST_F(WindowTest, MultiLineBoxesStayEditableByKeyboard) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    Action("cmdKette")->trigger();
    for (const char* name : {"picture2", "Text1", "Text2"}) {
        QPlainTextEdit* box = Box(name);
        box->clear();
        box->setFocus(Qt::OtherFocusReason);
        QTest::keyClicks(box, "12");
        EXPECT_EQ(Text(box), "12") << name;
    }
}

}  // namespace
}  // namespace tamsel::test
