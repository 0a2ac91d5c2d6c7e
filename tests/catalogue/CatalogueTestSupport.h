#pragma once

#include "Catalogue.h"

#include <QString>

#include <string>
#include <vector>

namespace cattest {

// Half a unit of the last significant digit of a value as the catalogue prints it (shortest
// decimal form), e.g. 0.005 for 12.25, 0.05 for 12.2, 0.5 for 118 and 5000 for 1740000.
double halfUnit(double v);

// h, b, t of a hollow-section designation "h x b x t" (Latin x).
struct HollowSize {
    double h = 0, b = 0, t = 0;
};
HollowSize parseHollow(const QString& name);

// Sizes grouped as the standards list them: consecutive rows sharing the leading size
// (leg widths, diameter, h x b) and the thicknesses of each.
struct SizeGroup {
    std::vector<double> size;
    std::vector<double> thicknesses;
};
std::vector<SizeGroup> sizeGroups(catalogue::Id id);

// Readable name of a row for failure messages: the designation.
std::string rowName(const catalogue::Table& t, int row);

} // namespace cattest

// QString values print readably through tests/support/QtPrinters.h.
