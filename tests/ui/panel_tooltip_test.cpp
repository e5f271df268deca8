// SPDX-License-Identifier: GPL-3.0-or-later
// The panel's tooltip belongs to its own surface, where a click starts a run;
// the controls on the panel do not show it.
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

#include "window_fixture.h"

namespace tamsel::test {
namespace {

const std::string kPanelTip = "Klick: Kettenbruch anzeigen";

class PanelTooltip : public WindowTest {
protected:
    // An active window keeps a tooltip until something hides it.
    void SetUp() override {
        WindowTest::SetUp();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        HideTooltip();
    }
    void TearDown() override {
        HideTooltip();
        WindowTest::TearDown();
    }

    static void HideTooltip() {
        QToolTip::hideText();
        ASSERT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); })) << "a tooltip does not go away";
    }

    // Lets the mouse rest on `pos` of the panel as the platform does: the
    // tooltip request goes to the control under the mouse and, unless that
    // control answers it, on to its parents. Returns the tooltip shown.
    std::string TooltipAt(QPoint pos) const {
        QWidget* panel = Find<QWidget>("Picture1");
        const QPoint inWindow = panel->mapTo(window.get(), pos);
        QWidget* target = window->childAt(inWindow);
        if (!target) target = window.get();
        QHelpEvent event(QEvent::ToolTip, target->mapFrom(window.get(), inWindow), panel->mapToGlobal(pos));
        QApplication::sendEvent(target, &event);
        return QToolTip::isVisible() ? QToolTip::text().toStdString() : std::string();
    }

    QPoint CentreOf(const char* name) const {
        const QWidget* child = Find<QWidget>(name);
        return child->geometry().center();
    }
};

TEST_F(PanelTooltip, ControlsOnThePanelShowNoneOfTheirOwn) {
    int controls = 0;
    for (const QWidget* child : Find<QWidget>("Picture1")->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const std::string name = child->objectName().toStdString();
        if (name.starts_with("Line")) continue;  // the formula's lines belong to the surface
        ++controls;
        ASSERT_TRUE(child->toolTip().isEmpty()) << name << " has a tooltip of its own";
        EXPECT_EQ(TooltipAt(child->geometry().center()), "") << name;
    }
    EXPECT_EQ(controls, 17) << "labels, input boxes, step buttons and the check box";
}

TEST_F(PanelTooltip, SurfaceAndFormulaLinesShowItAndControlsHideIt) {
    EXPECT_EQ(TooltipAt(QPoint(300, 20)), kPanelTip) << "the panel's background";
    TooltipAt(CentreOf("txtAbs"));
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000))
        << "the panel's tooltip stays over an input box";
    EXPECT_EQ(TooltipAt(CentreOf("Line4")), kPanelTip) << "a line of the formula counts as surface";
}

}  // namespace
}  // namespace tamsel::test
