#pragma once
// Turning a catalogue row, as the grid shows it, into the section properties
// of the design state, and the design check of the automatic mode.
//
// The evaluation reads the cell texts, not the tables: a number is used as
// shown (a pair radius written with three decimals is used with three).

#include <functional>
#include <QString>

// The six families of the catalogue window, by page index.
enum class CatalogueFamily {
    EqualAngles = 0,
    UnequalAngles = 1,
    Tees = 2,
    Pipes = 3,
    SquareHollow = 4,
    RectHollow = 5
};

// Cell text of the current row by column.
using RowCells = std::function<QString(int column)>;

struct EvaluationResult {
    bool ok = true;
    QString error; // for the error box when !ok; the design state is untouched then
};

// Evaluates a row into the design state (MassM, Mass, Tst, ix, iy, Area,
// SechName, SortOk). `fullEqualAngleList`: the row comes from the full list of
// equal angles (its ix, iy are read whatever the section type).
EvaluationResult evaluateRow(CatalogueFamily family, const RowCells& cells,
                             bool fullEqualAngleList = false);

// Thickness of a hollow section from its designation "40x40x2.5" → 2.5:
// twice everything up to and including the first "x" is removed.
double thicknessFromDesignation(const QString& designation, bool* ok = nullptr);

struct Verdicts {
    QString stress;      // status bar panel 0
    QString slenderness; // status bar panel 1
};

// The design check of the current section (automatic mode), after Ry has been
// refined by the thickness: σ (tension: strength; compression: stability with
// φ by the project's code), λmax, λu, the two verdict texts. Leaves Delta
// holding the slenderness percentage.
Verdicts checkCurrentSection(bool tension);

// "ix, тр = 3.333 см": three decimals, at least two wide, cut to seven.
QString requiredRadiusText(const QString& prefix, double radius);
