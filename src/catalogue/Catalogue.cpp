#include "Catalogue.h"

#include "CatalogueTables.h"
#include "common/NumberFormat.h"

#include <array>
#include <cstring>
#include <limits>

namespace catalogue {

namespace {

// Grid header texts and units, column by column in table order. A column the grid does not
// show (the moments of inertia of the angles, read by the gusset step) has an empty header.
constexpr Column kEqualAngleColumns[] = {
    {"b, мм", "мм"},        {"t, мм", "мм"},  {"R1, мм", "мм"},  {"A, см^2", "см^2"},
    {"z0, см", "см"},       {"ix, см", "см"}, {"ix0, см", "см"}, {"iy0, см", "см"},
    {"Масса 1м, кг", "кг"}, {"", "см^4"},     {"", "см^4"},
};

constexpr Column kUnequalAngleColumns[] = {
    {"B, мм", "мм"},     {"b, мм", "мм"},        {"t, мм", "мм"},  {"R1, мм", "мм"},
    {"A, см^2", "см^2"}, {"Масса 1м, кг", "кг"}, {"y0, см", "см"}, {"x0, см", "см"},
    {"ix, см", "см"},    {"iy, см", "см"},       {"iu, см", "см"}, {"", "см^4"},
    {"", "см^4"},
};

constexpr Column kTeeColumns[] = {
    {"h, мм", "мм"},  {"b, мм", "мм"},        {"d, мм", "мм"},  {"t, мм", "мм"},
    {"R, мм", "мм"},  {"A, см^2", "см^2"},    {"z0, см", "см"}, {"ix1, см", "см"},
    {"iy, см", "см"}, {"Масса 1м, кг", "кг"},
};

constexpr Column kPipeColumns[] = {
    {"D, мм", "мм"},         {"t, мм", "мм"},     {"A, см^2", "см^2"},    {"Jx=Jy, см^4", "см^4"},
    {"Wx=Wy, см^3", "см^3"}, {"ix=iy, см", "см"}, {"Масса 1м, кг", "кг"},
};

constexpr Column kSquareColumns[] = {
    {"A, см^2", "см^2"}, {"Jx=Jy, см^4", "см^4"}, {"Wx=Wy, см^3", "см^3"},
    {"ix=iy, см", "см"}, {"Масса 1м, кг", "кг"},
};

constexpr Column kRectangularColumns[] = {
    {"A, см^2", "см^2"},  {"Jx, см^4", "см^4"}, {"ix, см", "см"},
    {"Jy, см^4", "см^4"}, {"iy, см", "см"},     {"Масса 1м, кг", "кг"},
};

constexpr const char* kTeeHeader = "Номер профиля";
constexpr const char* kHollowHeader = "hxbxt, мм";
constexpr const char* kTeeStandard = "ГОСТ 26020-83";

template <std::size_t R, std::size_t C> constexpr int rowsOf(const double (&)[R][C]) {
    return int(R);
}
template <std::size_t R, std::size_t C> constexpr int columnsOf(const double (&)[R][C]) {
    return int(C);
}

Table angle(Id id, const char* name, const char* standard, const auto& data,
            const char* const* keys, const Column* columns, int parts) {
    return {id,   name,    standard, rowsOf(data), columnsOf(data),        &data[0][0],
            keys, columns, nullptr,  "",           DesignationKind::Angle, parts};
}

Table pipe(Id id, const char* name, const char* standard, const auto& data,
           const char* const* keys) {
    return {id,   name,         standard, rowsOf(data), columnsOf(data),       &data[0][0],
            keys, kPipeColumns, nullptr,  "",           DesignationKind::Pipe, 0};
}

Table named(Id id, const char* name, const char* standard, const auto& data, int rows,
            const char* const* names, const char* const* keys, const Column* columns,
            const char* header) {
    return {id,   name,    standard, rows,   columnsOf(data),         &data[0][0],
            keys, columns, names,    header, DesignationKind::Stored, 0};
}

const std::array<Table, 12>& all() {
    static const std::array<Table, 12> t = {
        angle(Id::UgolRavnKor, "UgolRavnKor", "ГОСТ 8509-93", UgolRavnKor, UgolRavnKorColumns,
              kEqualAngleColumns, 2),
        angle(Id::UgolRavn, "UgolRavn", "ГОСТ 8509-93", UgolRavn, UgolRavnColumns,
              kEqualAngleColumns, 2),
        angle(Id::UgolNeravn, "UgolNeravn", "ГОСТ 8510-86", UgolNeravn, UgolNeravnColumns,
              kUnequalAngleColumns, 3),
        named(Id::TavrAll, "TavrAll", kTeeStandard, TavrAll, rowsOf(TavrAll), TavrAllName,
              TavrAllColumns, kTeeColumns, kTeeHeader),
        named(Id::TavrB, "TavrAll", kTeeStandard, TavrAll, kBeamTeeCount, TavrAllName,
              TavrAllColumns, kTeeColumns, kTeeHeader),
        named(Id::TavrSh, "TavrSh", kTeeStandard, TavrSh, rowsOf(TavrSh), TavrShName, TavrShColumns,
              kTeeColumns, kTeeHeader),
        named(Id::TavrK, "TavrK", kTeeStandard, TavrK, rowsOf(TavrK), TavrKName, TavrKColumns,
              kTeeColumns, kTeeHeader),
        pipe(Id::TrubaSvar0, "TrubaSvar0Tab", "ГОСТ 10704-91", TrubaSvar0Tab, TrubaSvar0TabColumns),
        pipe(Id::TrubaSvar1, "TrubaSvar1Tab", "ГОСТ 10704-91", TrubaSvar1Tab, TrubaSvar1TabColumns),
        pipe(Id::TrubaDef, "TrubaDefTab", "ГОСТ 8732-78", TrubaDefTab, TrubaDefTabColumns),
        named(Id::ProfKv, "ProfKv", "ГОСТ 30245-2003", ProfKv, rowsOf(ProfKv), ProfKvName,
              ProfKvColumns, kSquareColumns, kHollowHeader),
        named(Id::ProfPr, "ProfPr", "ГОСТ 30245-2003", ProfPr, rowsOf(ProfPr), ProfPrName,
              ProfPrColumns, kRectangularColumns, kHollowHeader),
    };
    return t;
}

constexpr std::array kTables = {Id::UgolRavnKor, Id::UgolRavn, Id::UgolNeravn, Id::TavrAll,
                                Id::TavrSh,      Id::TavrK,    Id::TrubaSvar0, Id::TrubaSvar1,
                                Id::TrubaDef,    Id::ProfKv,   Id::ProfPr};

// A number as a grid cell shows it: shortest form, at most 12 characters.
QString cellText(double v) {
    return num::general(v, 12);
}

} // namespace

const Table& table(Id id) {
    return all()[std::size_t(id)];
}

std::span<const Id> tables() {
    return kTables;
}

double Table::value(int row, int col) const {
    if (row < 0 || row >= rows || col < 0 || col >= columns)
        return std::numeric_limits<double>::quiet_NaN();
    return values[std::size_t(row) * std::size_t(columns) + std::size_t(col)];
}

QString Table::designation(int row) const {
    if (row < 0 || row >= rows)
        return {};
    switch (designationKind) {
    case DesignationKind::Stored:
        return QString::fromUtf8(names[row]);
    case DesignationKind::Pipe:
        return QStringLiteral("  ") + cellText(value(row, 0)) + QStringLiteral(" x ") +
               cellText(value(row, 1));
    case DesignationKind::Angle:
        break;
    }
    QString text = cellText(value(row, 0));
    for (int c = 1; c < designationParts; ++c)
        text += QStringLiteral(" x ") + cellText(value(row, c));
    return text;
}

int Table::column(const char* key) const {
    for (int c = 0; c < columns; ++c)
        if (std::strcmp(keys[c], key) == 0)
            return c;
    return -1;
}

} // namespace catalogue
