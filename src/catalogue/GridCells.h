#pragma once
// The cell texts of the catalogue grids, as the catalogue window shows them:
// numbers in their shortest general form cut to 12 characters, designations
// as stored. The window fills its grids from here, and a row is evaluated from
// these texts (so the batch design and the window read the same numbers).

#include "catalogue/Catalogue.h"

#include <QStringList>

// The catalogue grids of the window, one per catalogue list.
enum class GridList {
    EqualShort,    // StringGrid1: UgolRavnKor
    EqualFull,     // StringGrid7: UgolRavn
    Unequal,       // StringGrid2: UgolNeravn
    TeesAll,       // StringGrid3 after the chooser's all-tees button
    TeesBeam,      // StringGrid3 after the beam-tee loader
    TeesColumn,    // StringGrid3 after the column-tee loader
    TeesWide,      // StringGrid3 after the wide-flange-tee loader
    PipesShort,    // StringGrid4: TrubaSvar0Tab
    PipesSeamless, // StringGrid8: TrubaDefTab
    PipesFull,     // StringGrid9: TrubaSvar1Tab
    Square,        // StringGrid5: ProfKv
    Rect           // StringGrid6: ProfPr
};

// The catalogue a grid shows.
catalogue::Id gridCatalogue(GridList list);

// Number of data rows.
int gridRowCount(GridList list);

// Column headers of the grid (the gusset step's column is not included).
QStringList gridHeaders(GridList list);

// Cells of data row `row` (from 0) as the grid shows them at creation (the
// pair-radius columns of the angle grids are left out: the gusset step adds them).
QStringList gridRowCells(GridList list, int row);

// A catalogue number as a grid cell shows it.
QString gridNumber(double value);
