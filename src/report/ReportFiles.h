#pragma once
// The project's two output files, written when the results window saves a
// member: the calculation report (`FileName`) and the summary table
// (`TabFileName`), both bare names relative to the current directory, both
// Windows-1251 with CR LF. Every writer opens, writes and closes its file in
// one call; on failure it stops at once, keeps what was written and returns
// the I/O error text for the error box (WriteResult::error).

#include "common/FileWriter.h"

#include <QStringList>

// The member's report lines, indices 0 to 35, as Rez_to_Report last built them
// (all empty before the first build).
const QStringList& ReportLines();

// Rebuilds ReportLines from the design state. Called each time the results
// window is filled, after the final slenderness check, so that LandaX, LandaY
// and LandaU are current. `compression` is the member input dialog's choice.
// ReportLines()[4] is the "Стержень сжат" / "Стержень растянут" text.
void Rez_to_Report(bool compression);

// Creates the report file anew (an existing file is emptied): the title block
// and ReportLines 0 to 34.
WriteResult Report_New();

// Appends ReportLines 1 to 34 to the report file. A file that does not exist
// yet (a member continued without saving the one before, a new file name in
// the passport) is created by Report_New with its title block. An existing file
// that cannot be opened for appending is reported and left as it is.
WriteResult Report_Add();

// Creates the table file anew: the title block and the ruled head.
WriteResult Table_New();

// Appends the member's three table lines; a missing table file is first
// created by Table_New, so a row never lacks its head.
WriteResult Table_Add(bool compression);

// "Сохранить...": with AppendReport false Report_New, Table_New, Table_Add;
// with AppendReport true Report_Add, Table_Add. The first failure stops the
// save and is returned. A repeated save of the same lines after a failure
// goes on from the writer that failed, so a member already appended to the
// report is not appended twice. The design state's flags are not changed.
WriteResult saveMemberResults(bool compression);

// Back to the state at load (tests).
void resetReportLines();
