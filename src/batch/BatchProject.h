#pragma once
// A truss project for the batch design: the passport and the members, read
// from a JSON project file (the members also from a CSV file), and checked
// against the limits of the windows' own fields before anything is designed.

#include "batch/LightestSection.h"

#include <optional>
#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <vector>

namespace batch {

// The two design codes of the passport's list.
extern const char* const kNormsSnip; // "СНиП II-23-81*", NormIndex 0
extern const char* const kNormsSp;   // "СП 53-102-2004", NormIndex 1

struct Passport {
    int normIndex = 0;
    QString norms;
    QString file = QStringLiteral("Noname"); // as typed; the passport rules add ".txt"
    QString shifr, author, organisation;
};

struct Member {
    int number = 0; // 1-based, as in the messages
    QString name;
    double force = 0;  // kN, magnitude
    double length = 0; // mm
    double muX = 0, muY = 0;
    bool tension = false;
    double gammaN = 1, gammaC = 1;
    QString steelName; // empty for a typed-in Ry
    double ry = 0;     // the steel's Ry as the additional data store it, MPa
    int assumedSlenderness = 90;
    int landaType = 0; // 1 … 4, 66 (typed compression limit) or 5 (tension)
    double landaU = 0; // the typed limit (66 and 5)
    std::optional<double> latticeForce;
    int sechType = 0;
    int sortVariant = 0;
    TeeSeries tees = TeeSeries::All;
    bool lightest = false;
    QString designation; // as given
    int row = -1;        // the row of an explicit designation

    GridList grid() const { return memberGrid(sechType, sortVariant, tees); }
};

struct Project {
    Passport passport;
    std::vector<Member> members;
};

struct Loaded {
    Project project;
    QStringList errors; // empty when the project can be designed
};

// A project file. With `membersGiven` the members come from elsewhere (a CSV
// file) and the project file must not list any.
Loaded loadProjectJson(const QByteArray& json, bool membersGiven = false);

// The members of a CSV file: the first line names the columns by the field
// names of the project file, nested ones with a point ("section.type",
// "limit.rule", "limit.value", "steel.ry"); an empty cell leaves the field
// out. Comma or semicolon separated; UTF-8 or Windows-1251. Appends them
// (checked) to `project`, errors to `errors`.
void loadMembersCsv(const QByteArray& csv, Project& project, QStringList& errors);

// The CSV rows as JSON member objects (numbers of numeric fields converted),
// before they are checked.
std::vector<QJsonObject> csvMembers(const QByteArray& csv, QStringList& errors);

} // namespace batch
