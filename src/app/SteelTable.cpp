#include "SteelTable.h"

namespace {

const std::array<SteelChoice, 10> choices{{
    {"RadioButton10", "C235", 230, 1},
    {"RadioButton11", "C245", 240, 3},
    {"RadioButton12", "C255", 250, 5},
    {"RadioButton13", "C275", 270, 8},
    {"RadioButton14", "C285", 280, 10},
    {"RadioButton15", "C345", 335, 12},
    {"RadioButton16", "C345K", 335, 15},
    {"RadioButton17", "C375", 365, 16},
    {"Stal20", "20", 225, 19},
    {"G2AF", "16Г2АФ", 400, 20},
}};

// Сталь, thickness range, Ryn, Run, Ry, Ru (MPa). The thickness texts keep
// their inner blanks as designed.
const char* const grid[steelGridDataRows][steelGridColumns] = {
    {"C235", "От   2 до 20", "235", "360", "230", "350"},
    {"C235", "Св. 20 до 40", "235", "360", "220", "350"},
    {"C245", "От   2 до 20", "245", "370", "240", "360"},
    {"C245", "Св. 20 до 30", "235", "370", "230", "360"},
    {"C255", "От   4 до 10", "255", "380", "250", "370"},
    {"C255", "Св. 10 до 20", "245", "370", "240", "360"},
    {"C255", "Св. 20 до 40", "235", "370", "230", "360"},
    {"C275", "От   2 до 10", "275", "390", "270", "380"},
    {"C275", "Св. 10 до 20", "275", "380", "270", "370"},
    {"C285", "От   4 до 10", "285", "400", "280", "390"},
    {"C285", "Св. 10 до 20", "275", "390", "270", "380"},
    {"C345", "От   2 до 10", "345", "490", "335", "480"},
    {"C345", "Св. 10 до 20", "325", "470", "315", "460"},
    {"C345", "Св. 20 до 40", "305", "460", "300", "450"},
    {"C345K", "От   4 до 10", "345", "490", "335", "350"},
    {"C375", "От   2 до 10", "375", "510", "365", "500"},
    {"C375", "Св. 10 до 20", "355", "490", "345", "480"},
    {"C375", "Св. 20 до 40", "335", "480", "325", "470"},
    {"20", "Св. 4 до 36", "245", "410", "225", "375"},
    {"16Г2АФ", "Св. 6 до 9", "440", "590", "400", "535"},
    {"Прочее", "", "", "", "", ""},
};

// Choice of each grid row (index into choices), -1 for "Прочее".
const int rowChoice[steelGridDataRows] = {0, 0, 1, 1, 2, 2, 2, 3, 3, 4, 4,
                                          5, 5, 5, 6, 7, 7, 7, 8, 9, -1};

} // namespace

const std::array<SteelChoice, 10>& steelChoices() {
    return choices;
}

QString steelGridHeading(int column) {
    static const char* const headings[steelGridColumns] = {"Сталь",    "Толщина, мм", "Ryn, МПа",
                                                           "Run, МПа", "Ry, МПа",     "Ru, МПа"};
    return column >= 0 && column < steelGridColumns ? QString::fromUtf8(headings[column])
                                                    : QString();
}

QString steelGridCell(int column, int row) {
    if (column < 0 || column >= steelGridColumns || row < 1 || row > steelGridDataRows)
        return {};
    return QString::fromUtf8(grid[row - 1][column]);
}

int steelChoiceOfGridRow(int row) {
    return row >= 1 && row <= steelGridDataRows ? rowChoice[row - 1] : -1;
}
