// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include <QMainWindow>
#include <QSize>

#include "engine/expansion_engine.h"

class QAction;

namespace tamsel {

class BoxTextHolder;
class DrawingArea;
class ExamplePictureView;
class MultiLineBox;
class ParameterPanel;
class ResultNotations;
class WindowHost;

// The screen size the start-up layout works from: the primary screen's.
QSize PrimaryScreenSize();

// The program's only window, "Tamsel": the parameter panel, the example
// picture with the trace box on top of it, the list of approximating
// fractions, the drawing area with the bracket-notation box under it, and a
// menu bar of five commands.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Lays the controls out as fractions of `screenSize` (logical pixels)
    // and prints the help text, before the window is first shown.
    explicit MainWindow(QSize screenSize = PrimaryScreenSize(), QWidget* parent = nullptr);
    ~MainWindow() override;

    // The menu commands.
    void RunExpansion();       // "Kettenbruch anzeigen"
    void ToggleDrawingView();  // "Graphische Darstellung ein/aus"
    void ClearWindow();        // "Fenster löschen"
    void EndProgram();         // "Programm beenden"
    void ShowInformation();    // "Information"

    bool RunInProgress() const { return engine_->RunInProgress(); }
    const ExpansionState& State() const { return engine_->State(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void CreateMenu();
    void SetTabOrder();
    void ConnectEvents();
    void Load(QSize screenSize);
    void RunFromPanel();
    void LetTheCoveredBoxGoWithoutFocus();

    // The controls, each also known by its Qt object name (given in CreateControls).
    ParameterPanel* panel_ = nullptr;
    ExamplePictureView* examplePicture_ = nullptr;  // top right, until the first run
    MultiLineBox* traceBox_ = nullptr;              // over the example picture
    MultiLineBox* fractionListBox_ = nullptr;       // left
    MultiLineBox* bracketNotationBox_ = nullptr;    // under the drawing area
    DrawingArea* drawingArea_ = nullptr;            // the drawn nested fraction and the help text
    QAction* drawingViewAction_ = nullptr;          // its caption tells which view the next use shows

    std::unique_ptr<WindowHost> host_;
    // The three boxes as the notations write them.
    std::unique_ptr<BoxTextHolder> bracketNotationText_;
    std::unique_ptr<BoxTextHolder> traceText_;
    std::unique_ptr<BoxTextHolder> fractionListText_;
    std::unique_ptr<ResultNotations> notations_;
    std::unique_ptr<ExpansionEngine> engine_;
};

}  // namespace tamsel
