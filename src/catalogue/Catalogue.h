#pragma once

// Logic-level access to the section catalogues of CatalogueTables.h: one descriptor per
// catalogue (name, standard, columns, row count, designation), row access by index and the
// designation of a row.

#include <QString>

#include <span>

namespace catalogue {

enum class Id {
    UgolRavnKor, // equal angles, abridged list
    UgolRavn,    // equal angles, full list
    UgolNeravn,  // unequal angles
    TavrAll,     // all tees: beam, wide-flange, column
    TavrB,       // beam tees only: the first kBeamTeeCount rows of TavrAll (a view, no table)
    TavrSh,      // wide-flange tees
    TavrK,       // column tees
    TrubaSvar0,  // electric-welded pipes, abridged list (TrubaSvar0Tab)
    TrubaSvar1,  // electric-welded pipes, full list (TrubaSvar1Tab)
    TrubaDef,    // seamless hot-deformed pipes (TrubaDefTab)
    ProfKv,      // square hollow sections
    ProfPr,      // rectangular hollow sections
};

// Beam tees are the first rows of TavrAll; the beam-tee loader takes exactly these.
inline constexpr int kBeamTeeCount = 23;

// Longest designation texts, in characters (the original single-byte texts had fixed lengths).
inline constexpr int kTeeNameMaxLength = 10;
inline constexpr int kHollowNameMaxLength = 12;

// How designation() makes the text of a row.
enum class DesignationKind {
    Angle,  // the first two (equal) or three (unequal) columns joined by " x ": "45 x 4"
    Pipe,   // two blanks, D, " x ", t: "  1020 x 9" (the blanks belong to the designation)
    Stored, // the stored text: "10БT1", "40x40x2.5"
};

struct Column {
    const char* header; // grid header text, e.g. "ix0, см"; "" for a column the grid does not show
    const char* unit;   // "мм", "см", "см^2", "см^3", "см^4" or "кг"
};

struct Table {
    Id id;
    const char* name;     // name of the constant table, e.g. "UgolRavnKor", "TrubaDefTab"
    const char* standard; // e.g. "ГОСТ 8509-93"
    int rows;
    int columns;                   // doubles per row
    const double* values;          // rows × columns, row by row
    const char* const* keys;       // column names as in the CSV header, e.g. "ix0"
    const Column* columnInfo;      // columns entries
    const char* const* names;      // stored designations, nullptr for angles and pipes
    const char* designationHeader; // grid header of the designation column, "" when none
    DesignationKind designationKind;
    int designationParts; // Angle: how many leading columns make the designation

    bool hasDesignation() const { return names != nullptr; }
    std::span<const Column> columnList() const { return {columnInfo, std::size_t(columns)}; }

    // The value in row (from 0) and column; NaN when either is out of range.
    double value(int row, int column) const;

    // The designation of a row as the catalogue window and the design state carry it
    // (see DesignationKind); an empty text when the row is out of range. Numbers are written in
    // their shortest form with a point as decimal mark, as the grid cells show them.
    QString designation(int row) const;

    // Index of the column with the given CSV name, or -1.
    int column(const char* key) const;
};

const Table& table(Id id);

// The eleven catalogue tables in their fixed order (without the TavrB view).
std::span<const Id> tables();

} // namespace catalogue
