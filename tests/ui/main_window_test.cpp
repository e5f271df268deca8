// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>

#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "notation/text_run.h"
#include "window_fixture.h"

namespace tamsel::test {
namespace {

// ---- Controls, menu and layout --------------------------------------------

TEST_F(WindowTest, MenuBarHoldsTheFiveCommandsInOrder) {
    const QList<QAction*> actions = window->menuBar()->actions();
    const std::vector<std::pair<QString, QString>> expected = {
        {"cmdKette", "Kettenbruch anzeigen"},
        {"cmdGra", "Graphische Darstellung ein/aus"},
        {QString::fromUtf8("cmdLö"), QString::fromUtf8("Fenster löschen")},
        {"cmdEnde", "Programm beenden"},
        {"cmdInfo", "Information"},
    };
    ASSERT_EQ(actions.size(), qsizetype(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actions[i]->objectName(), expected[i].first);
        EXPECT_EQ(actions[i]->text(), expected[i].second);
        EXPECT_EQ(actions[i]->menu(), nullptr) << "no drop-down menus";
    }
    EXPECT_EQ(window->windowTitle(), "Tamsel");
    EXPECT_EQ(window->objectName(), "Form1");
    EXPECT_FALSE(window->windowIcon().isNull());
}

QString CaptionOf(const QWidget* w) {
    if (auto* edit = qobject_cast<const QLineEdit*>(w)) return edit->text();
    if (auto* label = qobject_cast<const QLabel*>(w)) return label->text();
    if (auto* check = qobject_cast<const QCheckBox*>(w)) return check->text();
    return "(no caption)";
}

TEST_F(WindowTest, ControlsCarryTheirTextsAndTooltips) {
    const std::pair<const char*, const char*> tooltips[] = {
        {"Picture1", "Klick: Kettenbruch anzeigen"}, {"Text1", "Koeffizienten der QI-Folge"},
        {"Text2", "Approximierende Bruchfolge"},     {"picGra", "Doppelklick: Klammerschreibweise"},
        {"picture2", "Doppelklick: graphisch"},
    };
    for (const auto& [name, tooltip] : tooltips) EXPECT_EQ(Find<QWidget>(name)->toolTip(), QString::fromUtf8(tooltip));
    const std::pair<const char*, const char*> captions[] = {
        {"txtKoeff", "1"},
        {"txtWurzel", "2"},
        {"txtAbs", "0"},
        {"txtNenner", "1"},
        {"Label1", "+"},
        {"Label2", "x ="},
        {"Label3", "."},
        {"Label4", "Quadratische Irrationalität"},
        {"Check1", "Variante des Algorithmus: nächstgrößere! Ganzzahl herausziehen"},
    };
    for (const auto& [name, caption] : captions) EXPECT_EQ(CaptionOf(Find<QWidget>(name)), QString::fromUtf8(caption));
    EXPECT_FALSE(Find<QCheckBox>("Check1")->isChecked());
    for (const char* name : {"Text1", "Text2", "picture2"}) EXPECT_FALSE(Box(name)->isReadOnly()) << name;
    for (const char* name : {"txtKoeff", "txtWurzel", "txtAbs", "txtNenner"}) {
        EXPECT_FALSE(Input(name)->isReadOnly()) << name;
        EXPECT_EQ(Input(name)->alignment() & Qt::AlignHCenter, Qt::AlignHCenter) << name;
    }
}

TEST_F(WindowTest, FontsAreTheClassicFacesOrTheirSubstitutes) {
    struct Row {
        const char* name;
        QStringList families;
        qreal points;
        bool bold;
    };
    const QStringList serif{"Times New Roman", "Liberation Serif"};
    const QStringList mono{"Courier New", "Liberation Mono"};
    const QStringList sans{"MS Sans Serif", "Microsoft Sans Serif", "Arial", "Liberation Sans"};
    const Row rows[] = {
        {"Text1", mono, 15.75, true},    {"Text2", mono, 12, true},        {"picture2", serif, 14.25, false},
        {"picGra", serif, 14.25, false}, {"txtKoeff", serif, 14.25, true}, {"txtNenner", serif, 14.25, true},
        {"Label4", sans, 9.75, true},    {"Label2", sans, 13.5, false},    {"Label3", sans, 18, false},
        {"Label1", serif, 15.75, false}, {"Check1", serif, 12, false},
    };
    for (const Row& row : rows) {
        const QWidget* w = Find<QWidget>(row.name);
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(row.families.contains(QFontInfo(w->font()).family()))
            << row.name << ": " << QFontInfo(w->font()).family().toStdString();
        EXPECT_DOUBLE_EQ(w->font().pointSizeF(), row.points) << row.name;
        EXPECT_EQ(w->font().bold(), row.bold) << row.name;
    }
}

// Twips of the 1024 x 768 screen (15 twips a pixel) as pixel edges.
int Edge(double twips) { return qRound(twips / 15); }
QRect TwipRect(double left, double top, double width, double height) {
    return QRect(QPoint(Edge(left), Edge(top)), QPoint(Edge(left + width) - 1, Edge(top + height) - 1));
}

TEST_F(WindowTest, StartUpLayoutFollowsTheScreen) {
    const struct {
        const char* name;
        QRect rect;
    } rows[] = {
        {"Picture1", TwipRect(307.2, 230.4, 6144, 2304)},      {"image1", TwipRect(6451.2, 230.4, 8601.6, 2304)},
        {"Text1", TwipRect(6451.2, 230.4, 8601.6, 2304)},      {"Text2", TwipRect(307.2, 2534.4, 2150.4, 7603.2)},
        {"picGra", TwipRect(2457.6, 2534.4, 12595.2, 7603.2)}, {"picture2", TwipRect(2457.6, 2534.4, 12595.2, 7603.2)},
    };
    for (const auto& row : rows) EXPECT_EQ(Find<QWidget>(row.name)->geometry(), row.rect) << row.name;
    EXPECT_EQ(window->centralWidget()->size(), QSize(821, 650));

    EXPECT_TRUE(Box("Text1")->isHidden());
    EXPECT_FALSE(Find<QWidget>("image1")->isHidden());
    EXPECT_EQ(Box("Text1")->palette().color(QPalette::Base), QColor(240, 240, 240));
    EXPECT_EQ(Box("Text2")->palette().color(QPalette::Base), QColor(240, 240, 240));
    EXPECT_EQ(Text(Box("Text1")), "4\t2\r\n");

    // Stacking among the window's controls follows their order of creation.
    const QObjectList order = window->centralWidget()->children();
    EXPECT_GT(order.indexOf(Box("Text1")), order.indexOf(Find<QWidget>("image1")));
    EXPECT_GT(order.indexOf(Find<QWidget>("picGra")), order.indexOf(Box("picture2")));
}

TEST(WindowLayout, PanelChildrenKeepTheirPlacesOnAnyScreen) {
    for (const QSize screen : {QSize(1024, 768), QSize(1920, 1080), QSize(800, 600)}) {
        MainWindow window(screen);
        const auto* koeff = window.findChild<QLineEdit*>("txtKoeff");
        const auto* check = window.findChild<QCheckBox*>("Check1");
        EXPECT_EQ(koeff->geometry(), QRect(90, 45, 55, 30));
        EXPECT_EQ(check->geometry(), QRect(8, 128, 429, 17));
        EXPECT_EQ(window.findChild<QWidget*>("Picture1")->width(),
                  qRound(0.42 * screen.width()) - qRound(0.02 * screen.width()));
    }
}

TEST_F(WindowTest, StepButtonsShowAFlatFaceAndNoCaption) {
    const char* blue[] = {"vscKoeffhigher", "cmdWurzelhigher", "cmdAbshigher", "cmdNennerhigher"};
    const char* white[] = {"vscKoeffsmallerf", "cmdWurzelsmaller", "cmdAbsSmaller", "cmdNennerSmaller"};
    for (const char* name : blue) {
        auto* b = Find<QPushButton>(name);
        EXPECT_TRUE(b->text().isEmpty());
        EXPECT_EQ(b->size(), QSize(11, 13));
        EXPECT_EQ(b->grab().toImage().pixelColor(5, 6), QColor(0, 0, 255)) << name;
    }
    for (const char* name : white) {
        auto* b = Find<QPushButton>(name);
        EXPECT_TRUE(b->text().isEmpty());
        EXPECT_EQ(b->grab().toImage().pixelColor(5, 6), QColor(255, 255, 255)) << name;
    }
}

TEST_F(WindowTest, ControlsWithoutCaptionHaveSpokenNames) {
    const std::pair<const char*, const char*> rows[] = {
        {"vscKoeffhigher", "Koeffizient um 1 erhöhen"},
        {"vscKoeffsmallerf", "Koeffizient um 1 verringern"},
        {"cmdWurzelhigher", "Radikand um 1 erhöhen"},
        {"cmdWurzelsmaller", "Radikand um 1 verringern"},
        {"cmdAbshigher", "Absolutglied um 1 erhöhen"},
        {"cmdAbsSmaller", "Absolutglied um 1 verringern"},
        {"cmdNennerhigher", "Nenner um 1 erhöhen"},
        {"cmdNennerSmaller", "Nenner um 1 verringern"},
        {"txtKoeff", "Koeffizient der Wurzel"},
        {"txtWurzel", "Radikand"},
        {"txtAbs", "Absolutglied"},
        {"txtNenner", "Nenner"},
        {"Text1", "Parameterfolge der quadratischen Irrationalitäten"},
        {"Text2", "Approximierende Brüche"},
        {"picture2", "Klammerschreibweise"},
        {"picGra", "Graphische Darstellung des Kettenbruchs"},
    };
    for (const auto& [name, spoken] : rows) {
        EXPECT_EQ(Find<QWidget>(name)->accessibleName(), QString::fromUtf8(spoken)) << name;
    }
}

TEST_F(WindowTest, TabOrderFollowsTheFormula) {
    Action("cmdGra")->trigger();  // the bracket-notation box takes the focus only while it is in view
    const char* order[] = {"txtWurzel",        "txtAbs",          "txtNenner",      "txtKoeff",
                           "picture2",         "Text1",           "cmdAbsSmaller",  "cmdAbshigher",
                           "cmdWurzelsmaller", "cmdWurzelhigher", "vscKoeffhigher", "vscKoeffsmallerf",
                           "cmdNennerSmaller", "cmdNennerhigher", "Text2",          "Check1"};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        QWidget* from = Find<QWidget>(order[i]);
        QWidget* next = from->nextInFocusChain();
        // Skip the parts of a box (scroll bars, viewport) that are not stops of their own.
        while (next && next->focusPolicy() == Qt::NoFocus) next = next->nextInFocusChain();
        EXPECT_EQ(next, Find<QWidget>(order[i + 1])) << order[i];
    }
}

// ---- Runs in the window ---------------------------------------------------

struct RunCase {
    std::array<const char*, 4> inputs;
    bool variant;
};

class WindowRun : public WindowTest, public ::testing::WithParamInterface<RunCase> {};

TEST_P(WindowRun, ShowsWhatTheRunProduces) {
    const RunCase& c = GetParam();
    SetInputs(c.inputs[0], c.inputs[1], c.inputs[2], c.inputs[3]);
    Find<QCheckBox>("Check1")->setChecked(c.variant);
    MessageBoxCloser closer;
    Action("cmdKette")->trigger();

    const TextRun expected = RunOnTexts({c.inputs[0], c.inputs[1], c.inputs[2], c.inputs[3]}, c.variant);
    EXPECT_EQ(Text(Box("picture2")), expected.bracketNotation);
    EXPECT_EQ(Text(Box("Text1")), expected.trace);
    EXPECT_EQ(Text(Box("Text2")), expected.fractionList);
    EXPECT_EQ(Input("txtKoeff")->text().toStdString(), expected.inputs[0]);
    EXPECT_EQ(Input("txtWurzel")->text().toStdString(), expected.inputs[1]);
    EXPECT_EQ(Input("txtAbs")->text().toStdString(), expected.inputs[2]);
    EXPECT_EQ(Input("txtNenner")->text().toStdString(), expected.inputs[3]);
    std::vector<std::string> messages;
    for (const Message& m : expected.messages) messages.push_back(m.text);
    EXPECT_EQ(closer.Texts(), messages);
    EXPECT_FALSE(Box("Text1")->isHidden());
}

// √2, √7, the golden ratio, 2/3, x < 0 and nenner 0 in both algorithms, and
// an input the run reduces before writing it back.
INSTANTIATE_TEST_SUITE_P(Inputs, WindowRun,
                         ::testing::Values(RunCase{{"1", "2", "0", "1"}, false}, RunCase{{"1", "2", "0", "1"}, true},
                                           RunCase{{"1", "7", "0", "1"}, false}, RunCase{{"1", "7", "0", "1"}, true},
                                           RunCase{{"1", "5", "1", "2"}, false}, RunCase{{"1", "5", "1", "2"}, true},
                                           RunCase{{"0", "0", "4", "6"}, false}, RunCase{{"0", "0", "4", "6"}, true},
                                           RunCase{{"1", "2", "-5", "1"}, false}, RunCase{{"1", "2", "-5", "1"}, true},
                                           RunCase{{"1", "2", "0", "0"}, false}, RunCase{{"1", "2", "0", "0"}, true},
                                           RunCase{{"2", "2", "4", "6"}, false}),
                         [](const ::testing::TestParamInfo<RunCase>& info) {
                             std::string name;
                             for (const char* input : info.param.inputs)
                                 name += (input[0] == '-' ? "m" + std::string(input + 1) : input) + std::string("_");
                             return name + (info.param.variant ? "variant" : "usual");
                         });

TEST_F(WindowTest, SquareRootOfTwoTextsInTheBoxes) {
    Action("cmdKette")->trigger();
    EXPECT_EQ(Text(Box("picture2")), "x = [ 1; 2   Periode 2 ]\r\n");
    EXPECT_EQ(Text(Box("Text1")), " 1\t 2\t 0\t 1\t> 1\r\n 1\t 2\t 1\t 1\t> 2\r\n 1\t 2\t 1\t 1");
    const std::string fractions = Text(Box("Text2"));
    EXPECT_EQ(fractions.substr(0, 22), " 1\r\n/ 1\r\n\r\n 3\r\n/ 2\r\n\r\n");
    EXPECT_EQ(fractions.substr(fractions.size() - 25), " 22619537\r\n/ 15994428\r\n\r\n");  // 20th convergent
}

TEST_F(WindowTest, NegativeXShowsBothMessagesWithTheirIcons) {
    SetInputs("1", "2", "-5", "1");
    MessageBoxCloser closer;
    Action("cmdKette")->trigger();
    ASSERT_EQ(closer.Seen().size(), 2u);
    EXPECT_EQ(closer.Seen()[0].text, "Bitte x > 0 beachten");
    EXPECT_EQ(closer.Seen()[0].icon, QMessageBox::Information);
    EXPECT_EQ(closer.Seen()[1].text, "Das ist keine gute Eingabe!");
    EXPECT_EQ(closer.Seen()[1].icon, QMessageBox::NoIcon);
    for (const MessageBoxCloser::SeenBox& m : closer.Seen()) {
        EXPECT_EQ(m.title, "Tamsel");
        EXPECT_EQ(m.buttons, 1);
    }
}

TEST_F(WindowTest, LinesOfEarlierRunsAndTypedTextStay) {
    Box("picture2")->setPlainText("Notiz: ");
    Action("cmdKette")->trigger();
    SetInputs("0", "2", "3", "2");
    Action("cmdKette")->trigger();
    EXPECT_EQ(Text(Box("picture2")), "Notiz: x = [ 1; 2   Periode 2 ]\r\nx = [ 1; 2 ]\r\n");
}

// ---- What starts a run and what does not ------------------------------------

bool RanOnce(const QPlainTextEdit* notation) { return Text(notation) == "x = [ 1; 2   Periode 2 ]\r\n"; }

TEST_F(WindowTest, PanelSurfaceAndFormulaLinesStartARun) {
    QWidget* panel = Find<QWidget>("Picture1");
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(300, 20));
    EXPECT_TRUE(RanOnce(Box("picture2")));
    EXPECT_FALSE(Box("Text1")->isHidden());

    Action("cmdLö")->trigger();
    QTest::mouseClick(panel, Qt::LeftButton, {}, Find<QWidget>("Line4")->geometry().center());
    EXPECT_TRUE(RanOnce(Box("picture2"))) << "a click on a line of the formula counts as one on the panel";

    Action("cmdLö")->trigger();
    QTest::mouseDClick(panel, Qt::LeftButton, {}, QPoint(300, 20));
    EXPECT_FALSE(Text(Box("picture2")).empty()) << "a double-click on the panel runs too";
}

TEST_F(WindowTest, ChildrenOfThePanelKeepTheirOwnActions) {
    const char* children[] = {"Label1", "Label2",   "Label3",    "Label4",
                              "Check1", "txtKoeff", "txtNenner", "cmdAbshigher"};
    for (const char* name : children) {
        QWidget* child = Find<QWidget>(name);
        QTest::mouseClick(child, Qt::LeftButton, {}, QPoint(child->width() - 2, child->height() / 2));
        EXPECT_EQ(Text(Box("picture2")), "") << name << " started a run";
    }
    auto* check = Find<QCheckBox>("Check1");
    const bool before = check->isChecked();
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
    EXPECT_NE(check->isChecked(), before) << "the check box keeps its own action";
    EXPECT_EQ(Text(Box("picture2")), "");
}

TEST_F(WindowTest, DoubleClicksStartARun) {
    for (const char* name : {"txtKoeff", "txtWurzel", "txtAbs", "txtNenner"}) {
        Action("cmdLö")->trigger();
        QTest::mouseDClick(Input(name), Qt::LeftButton);
        EXPECT_TRUE(RanOnce(Box("picture2"))) << name;
    }
}

}  // namespace
}  // namespace tamsel::test
