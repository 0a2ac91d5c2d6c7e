#pragma once
// The catalogue window: the rolled-section catalogues as grids, one tab sheet
// per section family. A click on a row evaluates the section into the design
// state (and, in the automatic mode, shows the stress and slenderness
// verdicts); "Принять" takes the current row.

#include "catalogue/GridCells.h"
#include "catalogue/RowEvaluation.h"

#include <functional>
#include <QDialog>

class QLabel;
class QPushButton;
class QStatusBar;
class QTabWidget;
class SectionSketch;
class StringGrid;

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    // What the window needs of the workflow the main window owns; wired at
    // start-up (tests set them directly).
    std::function<bool()> isAutoMode = [] { return false; };
    std::function<bool()> isTension = [] { return false; };
    std::function<void()> refineRy = [] {}; // Ry_New of the main window

    QTabWidget* PageControl;
    QWidget* TabSheet1; // equal angles
    QWidget* TabSheet2; // unequal angles
    QWidget* TabSheet3; // tees
    QWidget* TabSheet4; // pipes
    QWidget* TabSheet5; // square hollow sections
    QWidget* TabSheet6; // rectangular hollow sections

    StringGrid* StringGrid1; // equal angles, abridged list
    StringGrid* StringGrid7; // equal angles, full list
    StringGrid* StringGrid2; // unequal angles
    StringGrid* StringGrid3; // tees (filled by the loaders)
    StringGrid* StringGrid4; // welded pipes, abridged list
    StringGrid* StringGrid8; // seamless pipes
    StringGrid* StringGrid9; // welded pipes, full list
    StringGrid* StringGrid5; // square hollow sections
    StringGrid* StringGrid6; // rectangular hollow sections

    // Required radii (x, y) and required area of each tab.
    QLabel* Label1;
    QLabel* Label2;
    QLabel* StaticText1;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* StaticText4;
    QLabel* StaticText7;
    QLabel* Label5;
    QLabel* StaticText2;
    QLabel* StaticText8;
    QLabel* Label6;
    QLabel* StaticText3;
    QLabel* StaticText9;
    QLabel* Label7;
    QLabel* StaticText5;
    QLabel* StaticText10;
    QLabel* Label8;
    QLabel* StaticText6;

    // Section sketches: left of each tab; the alternatives at the right.
    SectionSketch* Image1;
    SectionSketch* Image2;
    SectionSketch* Image3;
    SectionSketch* Image4;
    SectionSketch* Image5;
    SectionSketch* Image6;  // rectangular, type 7
    SectionSketch* Image11; // rectangular, type 8
    SectionSketch* Image7;  // unequal angles, type 3
    SectionSketch* Image8;  // unequal angles, type 4
    SectionSketch* Image9;  // equal angles paired in a T, type 1
    SectionSketch* Image10; // equal angles crossed, type 2

    QPushButton* BitOk;
    QPushButton* BitCancel;
    QPushButton* BitFit; // "Подобрать" (automatic mode only)
    QStatusBar* StatusBar1;
    QLabel* StatusPanel0; // stress verdict
    QLabel* StatusPanel1; // slenderness verdict

    // Shows exactly one tab sheet (page index 0 … 5).
    void showOnlyTab(int pageIndex);
    // The grid of the equal-angle tab / pipe tab that the catalogue variant shows.
    StringGrid* equalAngleGrid() const;
    StringGrid* pipeGrid() const;
    // The grid the active tab shows.
    StringGrid* activeGrid() const;

    // Fills the tee grid with one tee list (all series, or one of them).
    void loadTees(GridList list);
    // The catalogue list of a grid of this window.
    GridList gridList(const StringGrid* grid) const;

    // Crossed angles: the abridged equal-angle grid narrowed to 9 columns with
    // column 7 holding the radius of the cross.
    void showCrossRadii(const QStringList& column7);
    // Back to the catalogue's own columns (10 columns, column 7 = iy0), so the
    // grid never shows the cross radii under the iy0 heading for a pair in a T.
    void restoreEqualAngleColumns();

public slots:
    // Evaluation of the current row, one routine per family. They return
    // false (after an error box) when the row cannot be evaluated.
    bool BitBtn7Click(); // equal angles
    bool BitBtn2Click(); // unequal angles
    bool BitBtn3Click(); // tees
    bool BitBtn4Click(); // pipes
    bool BitBtn5Click(); // square hollow sections
    bool BitBtn6Click(); // rectangular hollow sections
    void FindRezult();
    void BitOkClick();
    void BitCancelClick();
    // "Подобрать": moves to the lightest adequate row of the visible grid and
    // evaluates it as a click does.
    void BitFitClick();

protected:
    void done(int result) override; // FormClose
    // In the automatic mode the rows that fail are drawn grey.
    void showEvent(QShowEvent* event) override;

private:
    void setEqualAngleWidths();
    void markInadequateRows();
    GridList teeList_ = GridList::TeesAll;
    bool evaluate(CatalogueFamily family, StringGrid* grid, bool fullEqualAngleList = false);
    void connectGrid(StringGrid* grid, bool (TForm2::*evaluation)());
    bool evaluateActiveTab();
};
