#pragma once
// The lightest adequate section of a member: over the rows of the member's
// catalogue grid, the row with the least mass per metre that passes the
// automatic mode's checks, ties going to the row that comes first.
//
// Every number is the one the catalogue window would show and use for that
// row: the rows are the grid's cell texts (GridCells), with the pair-radius
// column of the gusset step or the cross-radius column of crossed angles in
// place, evaluated by evaluateRow; the checks are those run after a row is
// taken (Ry by the rolled thickness, checkTakenSection, finalSlendernessCheck).
//
// A row passes when its rolled thickness lies within the steel's thickness
// ranges (Ry is then the Ry of its range; a typed-in Ry never changes),
// σ ≤ Ry·γc and λmax ≤ λu — equality being the favourable case, as in the
// results window.

#include "catalogue/GridCells.h"
#include "catalogue/RowEvaluation.h"

#include <QString>
#include <QStringList>
#include <vector>

// The tee series of the chooser: all three, or one of its pop-up items.
enum class TeeSeries { All, Beam, Column, Wide };

// The grid a section type and catalogue variant show: type 1 with variant 1
// the full equal-angle list, type 9 with variant 3 the seamless pipes and
// with 4 the full welded list, type 5 the series chosen.
GridList memberGrid(int sechType, int sortVariant, TeeSeries tees = TeeSeries::All);

// The catalogue window's family (page) of a grid.
CatalogueFamily gridFamily(GridList list);

// The cell texts of every data row of `list` as the catalogue window shows
// them for the current design state: the catalogue cells, plus column 9 (equal
// angles) or 11 (unequal angles) with the pair radius for the design state's
// SechType and Tfas, or, for crossed angles (SechType 2), column 7 with the
// cross radius of the member's force. Built once per grid and gusset, then kept.
const std::vector<QStringList>& shownGridRows(GridList list);

// Index of the data row (from 0) of `list` whose designation is `designation`
// as the window shows it ("63 x 5", "1020 x 9", "20ШT1", "40x40x2"); blanks
// and the look-alike Cyrillic letters Т, К, С, х are not told apart. -1 when
// no row has it.
int findDesignation(GridList list, const QString& designation);

// The outcome of taking one row.
struct RowCheck {
    bool evaluated = false;        // the cells could be read
    bool thicknessInRange = false; // Tst within the steel's ranges (always for a typed Ry)
    bool strengthOk = false;       // σ ≤ Ry·γc
    bool slendernessOk = false;    // λmax ≤ λu
    QString error;                 // evaluation error text when !evaluated

    bool passes() const { return evaluated && thicknessInRange && strengthOk && slendernessOk; }
};

// Takes row `row` of `list` into the design state as the windows do in the
// automatic mode when the row is taken and the results are shown: evaluateRow,
// Ry by the rolled thickness (from the design state's steel; an out-of-range
// thickness leaves Ry and stops there, with TstOut set), checkTakenSection,
// finalSlendernessCheck. Leaves the section and its check in the design state.
RowCheck takeRow(GridList list, int row, bool tension);

// The lightest adequate row of `list` (from 0) for the member in the design
// state, or -1 when no row passes. Each row is checked from the steel's own
// Ry, whatever rows were looked at before. The design state is left as it was.
int lightestAdequateRow(GridList list, bool tension);

// The check of every row of `list` (passes or not), in grid order — for
// drawing the failing rows in grey. The design state is left as it was.
std::vector<bool> adequateRows(GridList list, bool tension);

// Why no row of `list` passes, for the member in the design state: the
// criterion that no row meets, with the closest row. Empty when a row passes.
QString noAdequateRowReason(GridList list, bool tension);
