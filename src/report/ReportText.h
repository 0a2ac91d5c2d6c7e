#pragma once
// The texts of the calculation report and of the summary table, built from a
// design state: pure functions, no files, no widgets. The writers of
// ReportFiles.h put these lines into the files (Windows-1251, CR LF).
//
// Whether the member is in tension or compression is not part of the design
// state (it is the member input dialog's choice), so it is passed in.

#include "app/DesignState.h"

#include <QString>
#include <QStringList>

namespace report {

// First line of both files.
extern const QString kProgramTitle;
// Second line of both files: the program, its version, the team and the year.
extern const QString kCreditLine;

// Number of member lines of the report: indices 0 to 35, of which 1 to 34 are
// the member; index 0 is written only at the start of a new file, index 35
// never.
inline constexpr int kMemberLineCount = 36;

// Lines 1 to 8 of both files: program, credit line, rule, empty line, design
// code, author, project code, organisation.
QStringList titleBlock(const DesignState& s);

// The section as described in the report: "из ..." up to the standard (pipes
// end in a Latin D, which the caller follows with a blank and SechName).
// Empty for an unknown section type.
QString sectionDescription(int sechType, int sortVariant);

// The member's report lines, indices 0 to 35 (0 and 35 empty).
QStringList memberLines(const DesignState& s, bool compression);

// Lines 1 to 19 of the summary table: the title block, the table title and
// the eight 96-character lines of the ruled head.
QStringList tableHead(const DesignState& s);

// The section text of a table row (prefix, SechName, standard), at most 70
// characters.
QString tableSectionText(const DesignState& s);

// The three lines of a member's table row.
QStringList tableRow(const DesignState& s, bool compression);

} // namespace report
