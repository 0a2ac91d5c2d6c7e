#include "batch/LightestSection.h"

#include "app/DesignState.h"
#include "calc/RodCalc.h"
#include "catalogue/SteelThickness.h"
#include "common/NumberFormat.h"
#include "report/FinalChecks.h"
#include "selection/SelectionLogic.h"

#include <algorithm>
#include <map>
#include <memory>
#include <numeric>
#include <tuple>

namespace {

// Columns the selection steps overwrite in the angle grids.
constexpr int kCrossRadiusColumn = 7; // abridged equal angles, crossed (type 2)

// A row as evaluateRow turned it into section properties.
struct RowSection {
    bool ok = false;
    QString error;
    double area = 0, ix = 0, iy = 0, tst = 0, massM = 0;
    QString name; // SechName
    QString key;  // designation for look-ups (normalised)
};

struct ShownGrid {
    std::vector<QStringList> cells;
    std::vector<RowSection> sections;
    std::vector<int> massOrder; // rows by mass per metre, ties in grid order
};

QString designationKey(const QString& text) {
    QString key;
    key.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u' ':
            break;
        case u'Т':
            key += QLatin1Char('T');
            break;
        case u'К':
            key += QLatin1Char('K');
            break;
        case u'С':
            key += QLatin1Char('C');
            break;
        case u'х':
        case u'Х':
        case u'X':
            key += QLatin1Char('x');
            break;
        default:
            key += c;
        }
    }
    return key;
}

// Which overwritten column a grid carries for the design state, and the gusset
// (or cross) thickness it depends on: the key of the cache.
struct GridKey {
    GridList list;
    int sechType;
    double tfas;
    auto tie() const { return std::tie(list, sechType, tfas); }
    bool operator<(const GridKey& o) const { return tie() < o.tie(); }
};

GridKey gridKey(GridList list) {
    const DesignState& ds = designState();
    const int type = ds.SechType;
    switch (list) {
    case GridList::EqualShort:
        if (type == SechEqualAnglesCross)
            return {list, type, Fas_Tolsh(ds.Nforce)};
        return {list, type == SechEqualAnglesT ? type : 0, type == SechEqualAnglesT ? ds.Tfas : 0};
    case GridList::EqualFull: // read as a pair whatever the section type
        return {list, SechEqualAnglesT, ds.Tfas};
    case GridList::Unequal:
        if (type == SechUnequalAnglesShortLegs || type == SechUnequalAnglesLongLegs)
            return {list, type, ds.Tfas};
        return {list, 0, 0};
    case GridList::Rect:
        return {list, type == SechRectHollowB ? type : SechRectHollowA, 0};
    default:
        return {list, 0, 0};
    }
}

std::unique_ptr<ShownGrid> buildGrid(const GridKey& key) {
    auto grid = std::make_unique<ShownGrid>();
    DesignState& ds = designState();
    const DesignState saved = ds;
    ds.SechType = std::uint16_t(key.sechType);

    const int rows = gridRowCount(key.list);
    grid->cells.reserve(std::size_t(rows));
    for (int r = 0; r < rows; ++r)
        grid->cells.push_back(gridRowCells(key.list, r));

    // The columns the gusset step and the chooser write.
    if (key.list == GridList::EqualShort && key.sechType == SechEqualAnglesCross) {
        const QStringList cross = crossRadiusColumn(ds.Nforce);
        for (int r = 0; r < rows; ++r)
            grid->cells[std::size_t(r)][kCrossRadiusColumn] = cross[r];
    } else {
        const PairRadiusColumn pair =
            pairRadiusColumn(key.sechType, key.tfas, key.list == GridList::EqualFull);
        if (pair.column >= 0)
            for (int r = 0; r < rows; ++r) {
                QStringList& cells = grid->cells[std::size_t(r)];
                while (cells.size() <= pair.column)
                    cells << QString();
                cells[pair.column] = pair.values[r];
            }
    }

    // Each row's section as the evaluation of a click reads it.
    const CatalogueFamily family = gridFamily(key.list);
    grid->sections.resize(std::size_t(rows));
    for (int r = 0; r < rows; ++r) {
        const QStringList& cells = grid->cells[std::size_t(r)];
        const EvaluationResult e = evaluateRow(
            family, [&cells](int c) { return c < cells.size() ? cells[c] : QString(); },
            key.list == GridList::EqualFull);
        RowSection& s = grid->sections[std::size_t(r)];
        s.ok = e.ok;
        s.error = e.error;
        if (e.ok) {
            s.area = ds.Area;
            s.ix = ds.ix;
            s.iy = ds.iy;
            s.tst = ds.Tst;
            s.massM = ds.MassM;
            s.name = ds.SechName.str();
            s.key = designationKey(s.name);
        }
    }
    grid->massOrder.resize(std::size_t(rows));
    std::iota(grid->massOrder.begin(), grid->massOrder.end(), 0);
    std::stable_sort(grid->massOrder.begin(), grid->massOrder.end(), [&](int a, int b) {
        return grid->sections[std::size_t(a)].massM < grid->sections[std::size_t(b)].massM;
    });
    ds = saved;
    return grid;
}

const ShownGrid& shownGrid(GridList list) {
    static std::map<GridKey, std::unique_ptr<ShownGrid>> cache;
    const GridKey key = gridKey(list);
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.emplace(key, buildGrid(key)).first;
    return *it->second;
}

// After the section is in the design state: Ry by the rolled thickness as the
// automatic mode sets it, then the check after selection and the final
// slenderness check of the results.
RowCheck checkTakenRow(bool tension) {
    DesignState& ds = designState();
    RowCheck check;
    check.evaluated = true;
    if (!applyAutomaticThicknessRule())
        return check; // the automatic selection stops here
    check.thicknessInRange = true;
    checkTakenSection(tension);
    finalSlendernessCheck(tension);
    // Equality is the favourable case.
    check.strengthOk = !(ds.Sigma > ds.Ry * ds.GammaC);
    check.slendernessOk = !(ds.LandaMax > ds.LandaU);
    return check;
}

// The cached evaluation of a row put into the design state (the fields the
// checks read), then checked.
RowCheck checkCachedRow(const RowSection& s, bool tension) {
    DesignState& ds = designState();
    if (!s.ok) {
        RowCheck failed;
        failed.error = s.error;
        return failed;
    }
    ds.Area = s.area;
    ds.ix = s.ix;
    ds.iy = s.iy;
    ds.Tst = s.tst;
    return checkTakenRow(tension);
}

// The least area any passing row can have: σ ≥ 10·N·γn/A whatever the
// buckling coefficient (φ ≤ 1), and Ry is at most the steel's largest.
double leastPassingArea() {
    const DesignState& ds = designState();
    double ry = ds.Ry;
    if (const SteelThicknessRule* rule = steelThicknessRule(ds.SteelName)) {
        ry = 0;
        for (const ThicknessRange& r : rule->ranges)
            ry = std::max(ry, r.Ry);
    }
    double area = 0;
    Atr_Rast(ds.Nforce, ry, ds.GammaN, ds.GammaC, area);
    return area * (1 - 1e-9); // rounding never rejects a row at the bound
}

} // namespace

GridList memberGrid(int sechType, int sortVariant, TeeSeries tees) {
    switch (sechType) {
    case SechEqualAnglesT:
    case SechEqualAnglesCross:
        return sortVariant == SortEqualAngles8509 ? GridList::EqualFull : GridList::EqualShort;
    case SechUnequalAnglesShortLegs:
    case SechUnequalAnglesLongLegs:
        return GridList::Unequal;
    case SechTee:
        switch (tees) {
        case TeeSeries::Beam:
            return GridList::TeesBeam;
        case TeeSeries::Column:
            return GridList::TeesColumn;
        case TeeSeries::Wide:
            return GridList::TeesWide;
        case TeeSeries::All:
            break;
        }
        return GridList::TeesAll;
    case SechSquareHollow:
        return GridList::Square;
    case SechRectHollowA:
    case SechRectHollowB:
        return GridList::Rect;
    default:
        if (sortVariant == SortPipesSeamless)
            return GridList::PipesSeamless;
        if (sortVariant == SortPipesWeldedFull)
            return GridList::PipesFull;
        return GridList::PipesShort;
    }
}

CatalogueFamily gridFamily(GridList list) {
    switch (list) {
    case GridList::EqualShort:
    case GridList::EqualFull:
        return CatalogueFamily::EqualAngles;
    case GridList::Unequal:
        return CatalogueFamily::UnequalAngles;
    case GridList::TeesAll:
    case GridList::TeesBeam:
    case GridList::TeesColumn:
    case GridList::TeesWide:
        return CatalogueFamily::Tees;
    case GridList::PipesShort:
    case GridList::PipesSeamless:
    case GridList::PipesFull:
        return CatalogueFamily::Pipes;
    case GridList::Square:
        return CatalogueFamily::SquareHollow;
    case GridList::Rect:
        return CatalogueFamily::RectHollow;
    }
    return CatalogueFamily::Pipes;
}

const std::vector<QStringList>& shownGridRows(GridList list) {
    return shownGrid(list).cells;
}

int findDesignation(GridList list, const QString& designation) {
    const QString key = designationKey(designation);
    const ShownGrid& grid = shownGrid(list);
    for (std::size_t r = 0; r < grid.sections.size(); ++r)
        if (grid.sections[r].ok && grid.sections[r].key == key)
            return int(r);
    return -1;
}

RowCheck takeRow(GridList list, int row, bool tension) {
    const QStringList& cells = shownGridRows(list)[std::size_t(row)];
    const EvaluationResult e = evaluateRow(
        gridFamily(list), [&cells](int c) { return c < cells.size() ? cells[c] : QString(); },
        list == GridList::EqualFull);
    if (!e.ok) {
        RowCheck failed;
        failed.error = e.error;
        return failed;
    }
    return checkTakenRow(tension);
}

int lightestAdequateRow(GridList list, bool tension) {
    const ShownGrid& grid = shownGrid(list);
    DesignState& ds = designState();
    const DesignState saved = ds;
    const double leastArea = leastPassingArea();
    int found = -1;
    for (const int r : grid.massOrder) {
        const RowSection& s = grid.sections[std::size_t(r)];
        if (s.ok && s.area < leastArea)
            continue;
        if (checkCachedRow(s, tension).passes()) {
            found = r;
            break;
        }
    }
    ds = saved;
    return found;
}

std::vector<bool> adequateRows(GridList list, bool tension) {
    const ShownGrid& grid = shownGrid(list);
    DesignState& ds = designState();
    const DesignState saved = ds;
    std::vector<bool> result;
    result.reserve(grid.sections.size());
    for (const RowSection& s : grid.sections)
        result.push_back(checkCachedRow(s, tension).passes());
    ds = saved;
    return result;
}

QString noAdequateRowReason(GridList list, bool tension) {
    const ShownGrid& grid = shownGrid(list);
    DesignState& ds = designState();
    const DesignState saved = ds;
    const QString steel = ds.SteelName.str();
    // The closest row by the criterion that fails: least σ/(Ry·γc) among rows
    // of a valid thickness, least λmax/λu among rows that meet the stress.
    int inRange = 0, stressRow = -1, slenderRow = -1;
    double bestStress = 0, bestSlender = 0;
    bool anyPasses = false;
    for (std::size_t r = 0; r < grid.sections.size(); ++r) {
        const RowCheck c = checkCachedRow(grid.sections[r], tension);
        if (c.passes()) {
            anyPasses = true;
            break;
        }
        if (!c.evaluated || !c.thicknessInRange)
            continue;
        ++inRange;
        const double stress = ds.Sigma / (ds.Ry * ds.GammaC);
        if (stressRow < 0 || stress < bestStress) {
            stressRow = int(r);
            bestStress = stress;
        }
        if (c.strengthOk) {
            const double slender = ds.LandaMax / ds.LandaU;
            if (slenderRow < 0 || slender < bestSlender) {
                slenderRow = int(r);
                bestSlender = slender;
            }
        }
    }
    ds = saved;
    if (anyPasses)
        return {};
    if (inRange == 0) {
        const SteelThicknessRule* rule = steelThicknessRule(steel);
        return QStringLiteral(
                   "no row has a rolled thickness within the range of steel %1 (%2 to %3 mm)")
            .arg(steel, num::general(rule ? rule->minThickness() : 0),
                 num::general(rule ? rule->maxThickness() : 0));
    }
    const QString check = tension ? QStringLiteral("strength") : QStringLiteral("stability");
    if (slenderRow < 0)
        return QStringLiteral("no row meets the %1 check sigma <= Ry*gammaC; the closest is %2 "
                              "with sigma/(Ry*gammaC) = %3")
            .arg(check, grid.sections[std::size_t(stressRow)].name.trimmed(),
                 num::fixed(bestStress, 0, 3));
    return QStringLiteral("no row that meets the %1 check meets lambda_max <= lambda_u; the "
                          "closest is %2 with lambda_max/lambda_u = %3")
        .arg(check, grid.sections[std::size_t(slenderRow)].name.trimmed(),
             num::fixed(bestSlender, 0, 3));
}
