// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window.h"

#include <cmath>

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include "engine/parameter_step.h"
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
        this, std::array<QLineEdit*, 4>{Picture1->txtKoeff, Picture1->txtWurzel, Picture1->txtAbs, Picture1->txtNenner},
        Picture1->Check1);
    notationBox_ = std::make_unique<BoxTextHolder>(*picture2);
    traceBox_ = std::make_unique<BoxTextHolder>(*Text1);
    fractionBox_ = std::make_unique<BoxTextHolder>(*Text2);
    notations_ =
        std::make_unique<ResultNotations>(ResultViews{*notationBox_, *traceBox_, *fractionBox_, picGra}, *host_);
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
    Text2 = MakeTextBox(client, "Text2", MonoFont(12, true), Qt::white, true,
                        QStringLiteral("Approximierende Bruchfolge"), QStringLiteral("Approximierende Brüche"));
    image1 = new ExamplePictureView(client);
    image1->setObjectName("image1");
    Text1 = MakeTextBox(client, "Text1", MonoFont(15.75, true), QColor(224, 224, 224), false,
                        QStringLiteral("Koeffizienten der QI-Folge"),
                        QStringLiteral("Parameterfolge der quadratischen Irrationalitäten"));
    Text1->setPlainText(BoxFromProgramText("4\t2\r\n"));
    picture2 = MakeTextBox(client, "picture2", SerifFont(14.25), QColor(192, 192, 192), true,
                           QStringLiteral("Doppelklick: graphisch"), QStringLiteral("Klammerschreibweise"));
    picGra = new DrawingArea(client);
    picGra->setObjectName("picGra");
    picGra->setToolTip(QStringLiteral("Doppelklick: Klammerschreibweise"));
    picGra->setAccessibleName(QStringLiteral("Graphische Darstellung des Kettenbruchs"));
    Picture1 = new ParameterPanel(client);
    Picture1->setObjectName("Picture1");
}

void MainWindow::CreateMenu() {
    QMenuBar* bar = menuBar();
    const auto add = [bar](const char* name, const QString& caption) {
        QAction* action = bar->addAction(caption);
        action->setObjectName(QString::fromUtf8(name));
        return action;
    };
    cmdKette = add("cmdKette", QStringLiteral("Kettenbruch anzeigen"));
    cmdGra = add("cmdGra", QStringLiteral("Graphische Darstellung ein/aus"));
    cmdLoe = add("cmdLö", QStringLiteral("Fenster löschen"));
    cmdEnde = add("cmdEnde", QStringLiteral("Programm beenden"));
    cmdInfo = add("cmdInfo", QStringLiteral("Information"));
}

void MainWindow::SetTabOrder() {
    // The controls that take the keyboard focus, in their tab order.
    const QWidget* order[] = {
        Picture1->txtWurzel,
        Picture1->txtAbs,
        Picture1->txtNenner,
        Picture1->txtKoeff,
        picture2,
        Text1,
        Picture1->cmdAbsSmaller,
        Picture1->cmdAbshigher,
        Picture1->cmdWurzelsmaller,
        Picture1->cmdWurzelhigher,
        Picture1->vscKoeffhigher,
        Picture1->vscKoeffsmallerf,
        Picture1->cmdNennerSmaller,
        Picture1->cmdNennerhigher,
        Text2,
        Picture1->Check1,
    };
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        setTabOrder(const_cast<QWidget*>(order[i]), const_cast<QWidget*>(order[i + 1]));
    }
    Picture1->setFocusPolicy(Qt::NoFocus);
    image1->setFocusPolicy(Qt::NoFocus);
    picGra->setFocusPolicy(Qt::NoFocus);
    LetTheCoveredBoxGoWithoutFocus();
}

void MainWindow::ConnectEvents() {
    connect(cmdKette, &QAction::triggered, this, &MainWindow::RunExpansion);
    connect(cmdGra, &QAction::triggered, this, &MainWindow::ToggleDrawingView);
    connect(cmdLoe, &QAction::triggered, this, &MainWindow::ClearWindow);
    connect(cmdEnde, &QAction::triggered, this, &MainWindow::EndProgram);
    connect(cmdInfo, &QAction::triggered, this, &MainWindow::ShowInformation);

    connect(Picture1, &ParameterPanel::clicked, this, &MainWindow::RunFromPanel);
    connect(Picture1, &ParameterPanel::doubleClicked, this, &MainWindow::RunFromPanel);
    connect(picGra, &DrawingArea::doubleClicked, this, &MainWindow::ToggleDrawingView);
    connect(picture2, &MultiLineBox::doubleClicked, this, &MainWindow::ToggleDrawingView);
    for (InputTextBox* box : {Picture1->txtKoeff, Picture1->txtWurzel, Picture1->txtAbs, Picture1->txtNenner}) {
        connect(box, &InputTextBox::doubleClicked, this, &MainWindow::RunExpansion);
    }

    const auto step = [this](QPushButton* button, QLineEdit* box, int delta, std::optional<double> bound) {
        connect(button, &QPushButton::clicked, this, [=, this] { StepParameter(box, delta, bound); });
    };
    step(Picture1->vscKoeffhigher, Picture1->txtKoeff, +1, std::nullopt);
    step(Picture1->vscKoeffsmallerf, Picture1->txtKoeff, -1, 0.0);
    step(Picture1->cmdWurzelhigher, Picture1->txtWurzel, +1, std::nullopt);
    step(Picture1->cmdWurzelsmaller, Picture1->txtWurzel, -1, 0.0);
    step(Picture1->cmdAbshigher, Picture1->txtAbs, +1, std::nullopt);
    step(Picture1->cmdAbsSmaller, Picture1->txtAbs, -1, std::nullopt);
    step(Picture1->cmdNennerhigher, Picture1->txtNenner, +1, std::nullopt);
    step(Picture1->cmdNennerSmaller, Picture1->txtNenner, -1, 1.0);
}

// The start-up step: the six top-level controls as fractions of the screen,
// the trace box hidden behind the example picture, and the help text.
void MainWindow::Load(QSize screenSize) {
    const QSizeF screen(screenSize);
    Place(Picture1, screen, 0.02, 0.02, 0.40, 0.20);
    Place(image1, screen, 0.42, 0.02, 0.56, 0.20);
    Place(Text1, screen, 0.42, 0.02, 0.56, 0.20);
    Text1->hide();
    SetBase(Text1, kLightGrey);
    Place(Text2, screen, 0.02, 0.22, 0.14, 0.66);
    SetBase(Text2, kLightGrey);
    Place(picture2, screen, 0.16, 0.22, 0.82, 0.66);
    Place(picGra, screen, 0.16, 0.22, 0.82, 0.66);
    PrintHelpText(*picGra);
}

// The run's first act is to show the trace over the example picture; a run
// refused while another yields finds it shown already.
void MainWindow::RunExpansion() {
    Text1->show();
    engine_->RunExpansion();
}

void MainWindow::RunFromPanel() {
    Text1->show();
    RunExpansion();
}

void MainWindow::ToggleDrawingView() {
    if (!picGra->isHidden()) {
        picGra->hide();
        cmdGra->setText(QStringLiteral("Graphische Darstellung ein"));
    } else {
        picGra->show();
        cmdGra->setText(QStringLiteral("Graphische Darstellung aus"));
    }
    LetTheCoveredBoxGoWithoutFocus();
}

// The bracket-notation box keeps its place in the tab order, but while the
// drawing covers it the keyboard passes it by, so that nothing is typed
// into a box nobody sees.
void MainWindow::LetTheCoveredBoxGoWithoutFocus() {
    const bool covered = !picGra->isHidden();
    picture2->setFocusPolicy(covered ? Qt::NoFocus : Qt::StrongFocus);
    if (covered && picture2->hasFocus()) picture2->clearFocus();
}

void MainWindow::ClearWindow() {
    picture2->clear();
    ClearDrawing(*picGra);
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

void MainWindow::StepParameter(QLineEdit* box, int step, std::optional<double> lowerBound) {
    if (const auto text = SteppedText(box->text().toStdString(), step, lowerBound)) {
        box->setText(QString::fromStdString(*text));
    }
}

// The window's close event ends the program; a run in progress stops at its
// next yield and touches nothing afterwards.
void MainWindow::closeEvent(QCloseEvent* event) {
    host_->RequestQuit();
    event->accept();
}

}  // namespace tamsel
