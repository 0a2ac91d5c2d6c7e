#include "CatalogueTestSupport.h"

#include <QStringList>

#include <charconv>
#include <cmath>
#include <string_view>

namespace cattest {

double halfUnit(double v) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    const std::string_view text(buf, std::size_t(res.ptr - buf));
    const auto dot = text.find('.');
    if (dot != std::string_view::npos)
        return 0.5 * std::pow(10.0, -int(text.size() - dot - 1));
    // A whole number: its trailing zeros are not significant ("1740000" is 1.74e6).
    int zeros = 0;
    for (auto it = text.rbegin(); it != text.rend() && *it == '0' && it + 1 != text.rend(); ++it)
        ++zeros;
    return 0.5 * std::pow(10.0, zeros);
}

HollowSize parseHollow(const QString& name) {
    const QStringList parts = name.split(QLatin1Char('x'));
    if (parts.size() != 3)
        return {};
    return {parts[0].toDouble(), parts[1].toDouble(), parts[2].toDouble()};
}

std::vector<SizeGroup> sizeGroups(catalogue::Id id) {
    using catalogue::Id;
    const auto& t = catalogue::table(id);
    std::vector<SizeGroup> groups;
    for (int r = 0; r < t.rows; ++r) {
        std::vector<double> size;
        double thickness = 0;
        switch (id) {
        case Id::UgolRavnKor:
        case Id::UgolRavn:
        case Id::TrubaSvar0:
        case Id::TrubaSvar1:
        case Id::TrubaDef:
            size = {t.value(r, 0)};
            thickness = t.value(r, 1);
            break;
        case Id::UgolNeravn:
            size = {t.value(r, 0), t.value(r, 1)};
            thickness = t.value(r, 2);
            break;
        case Id::ProfKv:
        case Id::ProfPr: {
            const auto s = parseHollow(t.designation(r));
            size = {s.h, s.b};
            thickness = s.t;
            break;
        }
        default:
            return {};
        }
        if (groups.empty() || groups.back().size != size)
            groups.push_back({size, {}});
        groups.back().thicknesses.push_back(thickness);
    }
    return groups;
}

std::string rowName(const catalogue::Table& t, int row) {
    return std::string(t.name) + " row " + std::to_string(row + 1) + " (" +
           t.designation(row).trimmed().toStdString() + ")";
}

} // namespace cattest
