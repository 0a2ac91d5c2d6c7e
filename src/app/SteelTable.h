#pragma once
// The steels of the additional-data dialog: the grades offered with their
// design resistance Ry for the first thickness range (SNiP II-23-81*, table 51*
// for GOST 27772-88 steels; steel 20 after GOST 8731-87, 16Г2АФ after
// ТУ 14-3-567-76), and the reference grid of all thickness ranges.

#include <array>
#include <QString>

struct SteelChoice {
    const char* control; // radio button of the dialog
    const char* name;    // caption and SteelName stored (Latin "C")
    int ry;              // Ry stored, MPa
    int gridRow;         // first row of the grade in the reference grid (1-based)
};

// RadioButton10 … RadioButton17, Stal20, G2AF, in dialog order.
const std::array<SteelChoice, 10>& steelChoices();

// The reference grid: 6 columns, 21 data rows (row 21 "Прочее" has no values).
constexpr int steelGridColumns = 6;
constexpr int steelGridDataRows = 21;
// Rows shown with the heading: 19 in the step-by-step mode (C235 … C375),
// 21 in the automatic mode (also "20" and "16Г2АФ"), 22 as designed.
constexpr int steelGridRowsStepByStep = 19;
constexpr int steelGridRowsAutomatic = 21;
constexpr int steelGridRowsAll = 22;

QString steelGridHeading(int column);
// Cell text of a data row (1-based), column 0-based.
QString steelGridCell(int column, int row);
// Which choice a grid row belongs to: index into steelChoices(), or -1 for the
// last row "Прочее" (a typed-in Ry).
int steelChoiceOfGridRow(int row);
