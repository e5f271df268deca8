// SPDX-License-Identifier: GPL-3.0-or-later
#include <optional>

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include "window_fixture.h"

namespace tamsel::test {
namespace {

// ---- The view switch ----------------------------------------------------

TEST_F(WindowTest, ViewSwitchTogglesTheDrawingAndNamesTheNextSwitch) {
    QAction* gra = Action("cmdGra");
    QWidget* drawing = Find<QWidget>("picGra");
    QWidget* notation = Box("picture2");
    EXPECT_EQ(gra->text(), "Graphische Darstellung ein/aus");
    EXPECT_FALSE(drawing->isHidden());

    struct Step {
        std::function<void()> trigger;
        bool drawingShown;
        const char* caption;
    };
    const Step steps[] = {
        {[&] { gra->trigger(); }, false, "Graphische Darstellung ein"},
        {[&] { gra->trigger(); }, true, "Graphische Darstellung aus"},
        {[&] { QTest::mouseDClick(drawing, Qt::LeftButton); }, false, "Graphische Darstellung ein"},
        {[&] { QTest::mouseDClick(notation->findChild<QWidget*>("qt_scrollarea_viewport"), Qt::LeftButton); }, true,
         "Graphische Darstellung aus"},
    };
    for (const Step& step : steps) {
        step.trigger();
        EXPECT_EQ(!drawing->isHidden(), step.drawingShown);
        EXPECT_EQ(gra->text(), step.caption);
    }
}

TEST_F(WindowTest, RunWhileTheNotationIsShownLeavesTheViewAlone) {
    Action("cmdGra")->trigger();
    Action("cmdKette")->trigger();
    EXPECT_TRUE(Find<QWidget>("picGra")->isHidden());
    EXPECT_EQ(Action("cmdGra")->text(), "Graphische Darstellung ein");
    EXPECT_EQ(Text(Box("picture2")), "x = [ 1; 2   Periode 2 ]\r\n");
}

// ---- "Fenster löschen" --------------------------------------------------

TEST_F(WindowTest, ClearingEmptiesBothAreasAndKeepsTheLists) {
    Action("cmdKette")->trigger();
    const std::string trace = Text(Box("Text1"));
    const std::string fractions = Text(Box("Text2"));
    Action("cmdGra")->trigger();

    Action("cmdLö")->trigger();
    EXPECT_EQ(Text(Box("picture2")), "");
    EXPECT_EQ(Text(Box("Text1")), trace);
    EXPECT_EQ(Text(Box("Text2")), fractions);
    EXPECT_EQ(Input("txtAbs")->text(), "0");
    EXPECT_TRUE(Find<QWidget>("picGra")->isHidden()) << "the view stays as it was";
    EXPECT_EQ(Action("cmdGra")->text(), "Graphische Darstellung ein");

    Action("cmdKette")->trigger();
    EXPECT_EQ(Text(Box("picture2")), "x = [ 1; 2   Periode 2 ]\r\n");
}

// ---- Parameter editing --------------------------------------------------

TEST_F(WindowTest, StepButtonsEditTheirOwnBox) {
    struct Row {
        const char* button;
        const char* box;
        const char* before;
        const char* after;
    };
    const Row rows[] = {
        {"cmdNennerSmaller", "txtNenner", "2", "1"},  {"cmdNennerSmaller", "txtNenner", "1", "1"},
        {"cmdNennerhigher", "txtNenner", "1", "2"},   {"cmdWurzelsmaller", "txtWurzel", "0", "0"},
        {"cmdWurzelhigher", "txtWurzel", "abc", "1"}, {"vscKoeffhigher", "txtKoeff", "-3", "-2"},
        {"vscKoeffsmallerf", "txtKoeff", "-3", "-3"}, {"cmdAbsSmaller", "txtAbs", "0", "-1"},
        {"cmdAbshigher", "txtAbs", "12abc", "13"},    {"cmdNennerSmaller", "txtNenner", "0x", "0x"},
    };
    for (const Row& row : rows) {
        Input(row.box)->setText(row.before);
        QTest::mouseClick(Find<QPushButton>(row.button), Qt::LeftButton);
        EXPECT_EQ(Input(row.box)->text(), row.after) << row.button << " on " << row.before;
    }
    EXPECT_EQ(Text(Box("picture2")), "") << "editing never starts a run";
    EXPECT_TRUE(Box("Text1")->isHidden());
}

// ---- Information ------------------------------------------------------------

TEST_F(WindowTest, InformationBoxHasOneButtonAndChangesNothing) {
    MessageBoxCloser closer;
    Action("cmdInfo")->trigger();
    ASSERT_EQ(closer.Seen().size(), 1u);
    const MessageBoxCloser::SeenBox& box = closer.Seen()[0];
    EXPECT_EQ(box.title, "Programmiert von");
    EXPECT_FALSE(box.text.isEmpty());
    EXPECT_EQ(box.icon, QMessageBox::Information);
    EXPECT_EQ(box.buttons, 1);
    EXPECT_EQ(Text(Box("picture2")), "");
    EXPECT_TRUE(Box("Text1")->isHidden());
}

// ---- While a run yields ---------------------------------------------------

TEST_F(WindowTest, SecondRequestDuringARunIsRefused) {
    SetInputs("1", "7", "0", "1");
    int refusedTries = 0;
    QTimer::singleShot(0, window.get(), [&] {
        EXPECT_TRUE(window->RunInProgress());
        QTest::mouseDClick(Find<QWidget>("Picture1"), Qt::LeftButton, {}, QPoint(300, 20));
        QTest::mouseDClick(Input("txtNenner"), Qt::LeftButton);
        Action("cmdKette")->trigger();
        ++refusedTries;
    });
    Action("cmdKette")->trigger();
    EXPECT_EQ(refusedTries, 1);
    EXPECT_FALSE(window->RunInProgress());
    EXPECT_EQ(Text(Box("picture2")), "x = [ 2; 1, 1, 1, 4   Periode 1 1 1 4 ]\r\n");
    EXPECT_EQ(window->State().n, 20);
}

TEST_F(WindowTest, VariantSwitchTakesEffectAtTheNextReading) {
    // Ticked during the first yield: every step of √2 uses the variant.
    QTimer::singleShot(0, window.get(), [&] { Find<QCheckBox>("Check1")->setChecked(true); });
    Action("cmdKette")->trigger();
    EXPECT_EQ(Text(Box("picture2")), "x = [ 2; 2, 4   Periode 2 4 ]\r\n");
}

TEST_F(WindowTest, ClosingDuringARunStopsItAtOnce) {
    SetInputs("1", "2566", "0", "1");
    QTimer::singleShot(0, window.get(), [&] { window->close(); });
    Action("cmdKette")->trigger();
    EXPECT_FALSE(window->RunInProgress());
    EXPECT_EQ(window->State().n, 0) << "the run stopped at its first yield";
    EXPECT_EQ(Text(Box("picture2")), "x = [") << "nothing written after the close";
    EXPECT_EQ(Text(Box("Text2")), "");
}

TEST_F(WindowTest, EndingTheProgramDuringARunStopsIt) {
    SetInputs("1", "2566", "0", "1");
    QTimer::singleShot(0, window.get(),
                       [&] { QTimer::singleShot(0, window.get(), [&] { Action("cmdEnde")->trigger(); }); });
    Action("cmdKette")->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_LE(window->State().n, 2);
    EXPECT_EQ(Text(Box("picture2")).find(']'), std::string::npos);
}

TEST_F(WindowTest, InformationDuringARunPausesIt) {
    MessageBoxCloser closer;
    QTimer::singleShot(0, window.get(), [&] { Action("cmdInfo")->trigger(); });
    Action("cmdKette")->trigger();
    ASSERT_EQ(closer.Seen().size(), 1u);
    EXPECT_EQ(closer.Seen()[0].title, "Programmiert von");
    EXPECT_EQ(Text(Box("picture2")), "x = [ 1; 2   Periode 2 ]\r\n");
}

}  // namespace
}  // namespace tamsel::test
