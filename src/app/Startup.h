#pragma once
// Start-up facts of the program and the two things that can stop it early:
// the regional decimal separator (typed numbers need the point) and the help
// contents file written beside the program on its first start.

#include "common/FileWriter.h"

#include <functional>
#include <QChar>
#include <QString>

// Application title and the caption of the main window.
QString applicationTitle();
QString mainWindowCaption();

// ---- Regional decimal separator -------------------------------------------

// The separator of the user's regional settings, QLocale::system().decimalPoint()
// (LC_ALL / LC_NUMERIC / LANG), unless a test installed its own source.
QChar regionalDecimalSeparator();
// Replaces where the separator comes from; an empty function restores the
// system locale.
void setDecimalSeparatorSource(std::function<QChar()> source);

// ---- Ending the program ----------------------------------------------------

// Ends the program: marks it as ending and runs the end handler (by default it
// leaves the event loop; before the loop runs, createForms() returns false).
void endProgram();
// True once endProgram() ran.
bool programEnding();
// Replaces the end handler (tests: record instead of quitting); an empty
// function restores the default. Also clears the ending mark.
void setEndProgramHandler(std::function<void()> handler);

// ---- Help contents file ----------------------------------------------------

// "Kelvor.CNT", opened by bare name in the current directory.
QString helpContentsFileName();
// Writes the contents file (Windows-1251, CR LF) when no file of that name
// exists; an existing file is never rewritten. The result of the write, or
// success when nothing had to be written.
WriteResult writeHelpContentsFileIfMissing();
