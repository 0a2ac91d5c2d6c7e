#pragma once
// File names of a calculation, as the passport derives them from the typed name.

#include <QString>

struct PassportFileNames {
    QString fileName;    // the calculation report, at most 15 characters
    QString tabFileName; // the summary table
};

// The report name: the typed text cut to 15 characters; an empty text gives
// "Noname.txt"; a text not ending in ".txt" or ".TXT" gets ".txt" appended.
// The table name: the report name with its first ".txt" (lower case, compared
// exactly) removed, then "_Tab.txt" appended — so "Report.TXT" gives
// "Report.TXT_Tab.txt" and "a.txtb.txt" gives "ab.txt_Tab.txt".
PassportFileNames passportFileNames(const QString& typedName);
