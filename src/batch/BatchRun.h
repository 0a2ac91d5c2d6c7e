#pragma once
// The batch design of a project: every member walked through the steps of the
// automatic mode in the windows' order, through the same design state and the
// same routines, and written into the report and the table as after
// "Сохранить..." (the first member written creates the files, the others are
// appended as after "Продолжить").

#include "batch/BatchProject.h"

#include <functional>
#include <optional>
#include <QByteArray>
#include <QString>
#include <vector>

namespace batch {

struct MemberOutcome {
    int number = 0;
    QString name;
    bool tension = false;
    bool written = false; // in the report and the table
    bool passes = false;
    QString problem; // why the member fails (empty when it passes)
    // The section and its check, when a row was taken (written or not).
    QString section;      // designation, as the report carries it (trimmed)
    double mass = 0;      // member mass as the report gives it (one section), kg
    double steelMass = 0; // both angles of a pair, kg
    double ry = 0;
    std::optional<double> fi; // compression only
    double sigma = 0, ryGammaC = 0, lambdaMax = 0, lambdaU = 0;
};

struct RunResult {
    std::vector<MemberOutcome> members;
    QString reportFile, tableFile; // names by the passport rules
    QString ioError;               // the writer's failure; the run stopped there
    double totalSteelMass = 0;     // of the members written

    bool allPass() const;
    int written() const;
};

struct RunHooks {
    // Before the first file is written (e.g. entering the output folder);
    // returns an error text to stop the run, empty to go on.
    std::function<QString()> beforeFirstWrite;
    // After each member: (members done, members in all).
    std::function<void(int, int)> progress;
};

// Sets the passport of the design state (FileName and TabFileName by the
// passport rules, the texts, the design code).
void applyPassport(const Passport& passport);

// Sets the design state for a member as the member input, the additional
// data and the section type steps do, then the required area.
void applyMember(const Member& member);

// Designs every member and writes the files in the current directory.
RunResult runProject(const Project& project, const RunHooks& hooks = {});

// The --json summary.
QByteArray summaryJson(const RunResult& result);

// 0 all members pass, 1 a member fails, 3 a file could not be written.
int exitStatus(const RunResult& result);

} // namespace batch
