// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>

#include <QMainWindow>
#include <QSize>

#include "engine/expansion_engine.h"

class QAction;
class QLineEdit;

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
    void StepParameter(QLineEdit* box, int step, std::optional<double> lowerBound);
    void RunFromPanel();
    void LetTheCoveredBoxGoWithoutFocus();

    ParameterPanel* Picture1 = nullptr;    // the parameter panel: the formula's inputs and the variant switch
    ExamplePictureView* image1 = nullptr;  // the example picture, top right, until the first run
    MultiLineBox* Text1 = nullptr;         // the trace, over the example picture
    MultiLineBox* Text2 = nullptr;         // the list of approximating fractions, left
    MultiLineBox* picture2 = nullptr;      // the bracket notation, under the drawing area
    DrawingArea* picGra = nullptr;         // the drawn nested fraction and the help text

    QAction* cmdKette = nullptr;  // "Kettenbruch anzeigen": runs the expansion
    QAction* cmdGra = nullptr;    // switches between the drawing and the bracket notation
    QAction* cmdLoe = nullptr;    // "Fenster löschen" (object name cmdLö): clears both notations
    QAction* cmdEnde = nullptr;   // "Programm beenden"
    QAction* cmdInfo = nullptr;   // "Information"

    std::unique_ptr<WindowHost> host_;
    std::unique_ptr<BoxTextHolder> notationBox_;  // picture2 as the notations write it
    std::unique_ptr<BoxTextHolder> traceBox_;     // Text1
    std::unique_ptr<BoxTextHolder> fractionBox_;  // Text2
    std::unique_ptr<ResultNotations> notations_;
    std::unique_ptr<ExpansionEngine> engine_;
};

}  // namespace tamsel
