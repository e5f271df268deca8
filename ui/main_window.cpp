// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window.h"

#include <cmath>

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>

#include "notation/help_text.h"
#include "notation/nested_fraction.h"
#include "notation/result_notations.h"
#include "ui/control_colours.h"
#include "ui/drawing_area.h"
#include "ui/example_picture_view.h"
#include "ui/fonts.h"
#include "ui/parameter_panel.h"
#include "ui/tamsel_icon.h"
#include "ui/text_boxes.h"
#include "ui/window_host.h"

namespace tamsel {

namespace {

constexpr int kClientWidth = 821;   // 12315 twips
constexpr int kClientHeight = 650;  // 9750 twips

const QColor kLightGrey(240, 240, 240);

// The output boxes show black text on whatever background they are given.
void SetBase(QWidget* w, const QColor& colour) { SetTextBoxColours(w, colour, Qt::black); }

MultiLineBox* MakeTextBox(QWidget* parent, const char* name, const QFont& font, const QColor& background,
                          bool horizontalScrollBar, const QString& tooltip, const QString& spoken) {
    auto* box = new MultiLineBox(parent);
    box->setObjectName(name);
    box->setAccessibleName(spoken);
    box->setFont(font);
    box->setToolTip(tooltip);
    SetBase(box, background);
    box->setUndoRedoEnabled(false);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    if (horizontalScrollBar) {
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
    }
    // Tab stops every eight characters, as in a classic edit box.
    box->setTabStopDistance(8 * QFontMetricsF(font).horizontalAdvance(QLatin1Char('x')));
    return box;
}

// Places a control at fractions of the screen; the edges are rounded, not
// the sizes, so neighbouring controls meet without gaps.
void Place(QWidget* w, QSizeF screen, qreal left, qreal top, qreal width, qreal height) {
    const int x0 = qRound(left * screen.width());
    const int y0 = qRound(top * screen.height());
    const int x1 = qRound((left + width) * screen.width());
    const int y1 = qRound((top + height) * screen.height());
    w->setGeometry(x0, y0, x1 - x0, y1 - y0);
}

}  // namespace

QSize PrimaryScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

MainWindow::MainWindow(QSize screenSize, QWidget* parent) : QMainWindow(parent) {
    setObjectName("Form1");
    setWindowTitle(QStringLiteral("Tamsel"));
    setWindowIcon(TamselIcon());
    CreateControls();
    CreateMenu();
    SetTabOrder();

    host_ = std::make_unique<WindowHost>(
        this,
        std::array<QLineEdit*, 4>{panel_->Input(InputBox::Koeff), panel_->Input(InputBox::Wurzel),
                                  panel_->Input(InputBox::Abs), panel_->Input(InputBox::Nenner)},
        panel_->VariantSwitch());
    bracketNotationText_ = std::make_unique<BoxTextHolder>(*bracketNotationBox_);
    traceText_ = std::make_unique<BoxTextHolder>(*traceBox_);
    fractionListText_ = std::make_unique<BoxTextHolder>(*fractionListBox_);
    notations_ = std::make_unique<ResultNotations>(
        ResultViews{*bracketNotationText_, *traceText_, *fractionListText_, drawingArea_}, *host_);
    engine_ = std::make_unique<ExpansionEngine>(*host_, *notations_);

    ConnectEvents();
    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    Load(screenSize);
}

MainWindow::~MainWindow() = default;

void MainWindow::CreateControls() {
    auto* client = new QWidget(this);
    client->setObjectName("client");
    KeepLightColours(client);
    setCentralWidget(client);

    // Creation order is stacking order: the trace box lies above the example
    // picture, the drawing area above the bracket-notation box.
    fractionListBox_ =
        MakeTextBox(client, "Text2", MonoFont(12, true), Qt::white, true, QStringLiteral("Approximierende Bruchfolge"),
                    QStringLiteral("Approximierende Brüche"));
    examplePicture_ = new ExamplePictureView(client);
    examplePicture_->setObjectName("image1");
    traceBox_ = MakeTextBox(client, "Text1", MonoFont(15.75, true), QColor(224, 224, 224), false,
                            QStringLiteral("Koeffizienten der QI-Folge"),
                            QStringLiteral("Parameterfolge der quadratischen Irrationalitäten"));
    traceBox_->setPlainText(BoxFromProgramText("4\t2\r\n"));
    bracketNotationBox_ = MakeTextBox(client, "picture2", SerifFont(14.25), QColor(192, 192, 192), true,
                                      QStringLiteral("Doppelklick: graphisch"), QStringLiteral("Klammerschreibweise"));
    drawingArea_ = new DrawingArea(client);
    drawingArea_->setObjectName("picGra");
    drawingArea_->setToolTip(QStringLiteral("Doppelklick: Klammerschreibweise"));
    drawingArea_->setAccessibleName(QStringLiteral("Graphische Darstellung des Kettenbruchs"));
    panel_ = new ParameterPanel(client);
    panel_->setObjectName("Picture1");
}

void MainWindow::CreateMenu() {
    QMenuBar* bar = menuBar();
    const auto add = [this, bar](const char* name, const QString& caption, void (MainWindow::*command)()) {
        QAction* action = bar->addAction(caption);
        action->setObjectName(QString::fromUtf8(name));
        connect(action, &QAction::triggered, this, command);
        return action;
    };
    add("cmdKette", QStringLiteral("Kettenbruch anzeigen"), &MainWindow::RunExpansion);
    drawingViewAction_ =
        add("cmdGra", QStringLiteral("Graphische Darstellung ein/aus"), &MainWindow::ToggleDrawingView);
    add("cmdLö", QStringLiteral("Fenster löschen"), &MainWindow::ClearWindow);
    add("cmdEnde", QStringLiteral("Programm beenden"), &MainWindow::EndProgram);
    add("cmdInfo", QStringLiteral("Information"), &MainWindow::ShowInformation);
}

void MainWindow::SetTabOrder() {
    // The controls that take the keyboard focus, in their tab order.
    const QWidget* order[] = {
        panel_->Input(InputBox::Wurzel),
        panel_->Input(InputBox::Abs),
        panel_->Input(InputBox::Nenner),
        panel_->Input(InputBox::Koeff),
        bracketNotationBox_,
        traceBox_,
        panel_->StepDownButton(InputBox::Abs),
        panel_->StepUpButton(InputBox::Abs),
        panel_->StepDownButton(InputBox::Wurzel),
        panel_->StepUpButton(InputBox::Wurzel),
        panel_->StepUpButton(InputBox::Koeff),
        panel_->StepDownButton(InputBox::Koeff),
        panel_->StepDownButton(InputBox::Nenner),
        panel_->StepUpButton(InputBox::Nenner),
        fractionListBox_,
        panel_->VariantSwitch(),
    };
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        setTabOrder(const_cast<QWidget*>(order[i]), const_cast<QWidget*>(order[i + 1]));
    }
    panel_->setFocusPolicy(Qt::NoFocus);
    examplePicture_->setFocusPolicy(Qt::NoFocus);
    drawingArea_->setFocusPolicy(Qt::NoFocus);
    LetTheCoveredBoxGoWithoutFocus();
}

void MainWindow::ConnectEvents() {
    connect(panel_, &ParameterPanel::clicked, this, &MainWindow::RunFromPanel);
    connect(panel_, &ParameterPanel::doubleClicked, this, &MainWindow::RunFromPanel);
    connect(drawingArea_, &DrawingArea::doubleClicked, this, &MainWindow::ToggleDrawingView);
    connect(bracketNotationBox_, &MultiLineBox::doubleClicked, this, &MainWindow::ToggleDrawingView);
    for (const InputBox box : {InputBox::Koeff, InputBox::Wurzel, InputBox::Abs, InputBox::Nenner}) {
        connect(panel_->Input(box), &InputTextBox::doubleClicked, this, &MainWindow::RunExpansion);
    }
}

// The start-up step: the six top-level controls as fractions of the screen,
// the trace box hidden behind the example picture, and the help text.
void MainWindow::Load(QSize screenSize) {
    const QSizeF screen(screenSize);
    Place(panel_, screen, 0.02, 0.02, 0.40, 0.20);
    Place(examplePicture_, screen, 0.42, 0.02, 0.56, 0.20);
    Place(traceBox_, screen, 0.42, 0.02, 0.56, 0.20);
    traceBox_->hide();
    SetBase(traceBox_, kLightGrey);
    Place(fractionListBox_, screen, 0.02, 0.22, 0.14, 0.66);
    SetBase(fractionListBox_, kLightGrey);
    Place(bracketNotationBox_, screen, 0.16, 0.22, 0.82, 0.66);
    Place(drawingArea_, screen, 0.16, 0.22, 0.82, 0.66);
    PrintHelpText(*drawingArea_);
}

// The run's first act is to show the trace over the example picture; a run
// refused while another yields finds it shown already.
void MainWindow::RunExpansion() {
    traceBox_->show();
    engine_->RunExpansion();
}

void MainWindow::RunFromPanel() {
    traceBox_->show();
    RunExpansion();
}

void MainWindow::ToggleDrawingView() {
    if (!drawingArea_->isHidden()) {
        drawingArea_->hide();
        drawingViewAction_->setText(QStringLiteral("Graphische Darstellung ein"));
    } else {
        drawingArea_->show();
        drawingViewAction_->setText(QStringLiteral("Graphische Darstellung aus"));
    }
    LetTheCoveredBoxGoWithoutFocus();
}

// The bracket-notation box keeps its place in the tab order, but while the
// drawing covers it the keyboard passes it by, so that nothing is typed
// into a box nobody sees.
void MainWindow::LetTheCoveredBoxGoWithoutFocus() {
    const bool covered = !drawingArea_->isHidden();
    bracketNotationBox_->setFocusPolicy(covered ? Qt::NoFocus : Qt::StrongFocus);
    if (covered && bracketNotationBox_->hasFocus()) bracketNotationBox_->clearFocus();
}

void MainWindow::ClearWindow() {
    bracketNotationBox_->clear();
    ClearDrawing(*drawingArea_);
}

void MainWindow::EndProgram() {
    host_->RequestQuit();
    close();
    QCoreApplication::quit();
}

void MainWindow::ShowInformation() {
    ShowModalMessage(this, QStringLiteral("Programmiert von"),
                     QStringLiteral("Das Tamsel-Team – Kettenbruchentwicklung quadratischer Irrationalitäten"),
                     QMessageBox::Information);
}

// The window's close event ends the program; a run in progress stops at its
// next yield and touches nothing afterwards.
void MainWindow::closeEvent(QCloseEvent* event) {
    host_->RequestQuit();
    event->accept();
}

}  // namespace tamsel
