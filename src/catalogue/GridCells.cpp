#include "catalogue/GridCells.h"

#include "common/NumberFormat.h"

namespace {

using catalogue::Id;

const QStringList kEqualAngleHeaders = {
    QStringLiteral("b, мм"),   QStringLiteral("t, мм"),   QStringLiteral("R1, мм"),
    QStringLiteral("A, см^2"), QStringLiteral("z0, см"),  QStringLiteral("ix, см"),
    QStringLiteral("ix0, см"), QStringLiteral("iy0, см"), QStringLiteral("Масса 1м, кг")};
const QStringList kUnequalAngleHeaders = {
    QStringLiteral("B, мм"),  QStringLiteral("b, мм"),   QStringLiteral("t, мм"),
    QStringLiteral("R1, мм"), QStringLiteral("A, см^2"), QStringLiteral("Масса 1м, кг"),
    QStringLiteral("y0, см"), QStringLiteral("x0, см"),  QStringLiteral("ix, см"),
    QStringLiteral("iy, см"), QStringLiteral("iu, см")};
const QStringList kTeeHeaders = {
    QStringLiteral("Номер профиля"), QStringLiteral("h, мм"),       QStringLiteral("b, мм"),
    QStringLiteral("d, мм"),         QStringLiteral("t, мм"),       QStringLiteral("R, мм"),
    QStringLiteral("A, см^2"),       QStringLiteral("z0, см"),      QStringLiteral("ix1, см"),
    QStringLiteral("iy, см"),        QStringLiteral("Масса 1м, кг")};
const QStringList kPipeHeaders = {QStringLiteral("D, мм"),       QStringLiteral("t, мм"),
                                  QStringLiteral("A, см^2"),     QStringLiteral("Jx=Jy, см^4"),
                                  QStringLiteral("Wx=Wy, см^3"), QStringLiteral("ix=iy, см"),
                                  QStringLiteral("Масса 1м, кг")};
const QStringList kSquareHeaders = {QStringLiteral("hxbxt, мм"),   QStringLiteral("A, см^2"),
                                    QStringLiteral("Jx=Jy, см^4"), QStringLiteral("Wx=Wy, см^3"),
                                    QStringLiteral("ix=iy, см"),   QStringLiteral("Масса 1м, кг")};
const QStringList kRectHeaders = {QStringLiteral("hxbxt, мм"),   QStringLiteral("A, см^2"),
                                  QStringLiteral("Jx, см^4"),    QStringLiteral("ix, см"),
                                  QStringLiteral("Jy, см^4"),    QStringLiteral("iy, см"),
                                  QStringLiteral("Масса 1м, кг")};

// How many leading numeric columns of the table a grid shows.
int shownValues(GridList list) {
    switch (list) {
    case GridList::EqualShort:
    case GridList::EqualFull:
        return 9;
    case GridList::Unequal:
        return 11;
    case GridList::Square:
        return 5;
    case GridList::Rect:
        return 6;
    case GridList::PipesShort:
    case GridList::PipesSeamless:
    case GridList::PipesFull:
        return 7;
    default:
        return 10; // tees
    }
}

} // namespace

catalogue::Id gridCatalogue(GridList list) {
    switch (list) {
    case GridList::EqualShort:
        return Id::UgolRavnKor;
    case GridList::EqualFull:
        return Id::UgolRavn;
    case GridList::Unequal:
        return Id::UgolNeravn;
    case GridList::TeesAll:
        return Id::TavrAll;
    case GridList::TeesBeam:
        return Id::TavrB;
    case GridList::TeesColumn:
        return Id::TavrK;
    case GridList::TeesWide:
        return Id::TavrSh;
    case GridList::PipesShort:
        return Id::TrubaSvar0;
    case GridList::PipesSeamless:
        return Id::TrubaDef;
    case GridList::PipesFull:
        return Id::TrubaSvar1;
    case GridList::Square:
        return Id::ProfKv;
    case GridList::Rect:
        return Id::ProfPr;
    }
    return Id::UgolRavnKor;
}

int gridRowCount(GridList list) {
    return catalogue::table(gridCatalogue(list)).rows;
}

QStringList gridHeaders(GridList list) {
    switch (list) {
    case GridList::EqualShort:
    case GridList::EqualFull:
        return kEqualAngleHeaders;
    case GridList::Unequal:
        return kUnequalAngleHeaders;
    case GridList::Square:
        return kSquareHeaders;
    case GridList::Rect:
        return kRectHeaders;
    case GridList::PipesShort:
    case GridList::PipesSeamless:
    case GridList::PipesFull:
        return kPipeHeaders;
    default:
        return kTeeHeaders;
    }
}

QString gridNumber(double value) {
    return num::general(value, 12);
}

QStringList gridRowCells(GridList list, int row) {
    const catalogue::Table& t = catalogue::table(gridCatalogue(list));
    QStringList cells;
    if (t.hasDesignation())
        cells << QString::fromUtf8(t.names[row]);
    for (int k = 0; k < shownValues(list); ++k)
        cells << gridNumber(t.value(row, k));
    return cells;
}
