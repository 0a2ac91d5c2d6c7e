#include "SteelThickness.h"

#include "app/DesignState.h"
#include "common/NumberFormat.h"

int SteelThicknessRule::rangeOf(double t) const {
    for (int i = 0; i < int(ranges.size()); ++i)
        if (inRange(i, t))
            return i;
    return -1;
}

bool SteelThicknessRule::inRange(int i, double t) const {
    const ThicknessRange& r = ranges[std::size_t(i)];
    const bool aboveLower = i == 0 ? t >= r.from : t > r.from;
    return aboveLower && t <= r.to;
}

const std::vector<SteelThicknessRule>& steelThicknessRules() {
    // SNiP II-23-81*, table 51*: Ry of sheet, wide-flange and shaped rolled
    // steel by thickness, MPa.
    static const std::vector<SteelThicknessRule> rules = {
        {QStringLiteral("C235"), QStringLiteral("C-235"), {{2, 20, 230}, {20, 40, 220}}},
        {QStringLiteral("C245"), QStringLiteral("C-245"), {{2, 20, 240}, {20, 30, 230}}},
        {QStringLiteral("C255"),
         QStringLiteral("C-255"),
         {{4, 10, 250}, {10, 20, 240}, {20, 40, 230}}},
        {QStringLiteral("C275"), QStringLiteral("C-275"), {{2, 10, 270}, {10, 20, 270}}},
        {QStringLiteral("C285"), QStringLiteral("C-285"), {{4, 10, 280}, {10, 20, 270}}},
        {QStringLiteral("C345"),
         QStringLiteral("C-345"),
         {{2, 10, 335}, {10, 20, 315}, {20, 40, 300}}},
        {QStringLiteral("C345K"), QStringLiteral("C-345K"), {{4, 10, 335}}},
        {QStringLiteral("C375"),
         QStringLiteral("C-375"),
         {{2, 10, 365}, {10, 20, 345}, {20, 40, 325}}},
        {QStringLiteral("20"), QString(), {{4, 36, 225}}},
        {QStringLiteral("16Г2АФ"), QString(), {{6, 9, 400}}},
    };
    return rules;
}

const SteelThicknessRule* steelThicknessRule(const QString& steel) {
    for (const SteelThicknessRule& rule : steelThicknessRules())
        if (rule.steel == steel)
            return &rule;
    return nullptr;
}

QString rangeCaption(const SteelThicknessRule& rule, int i) {
    const ThicknessRange& r = rule.ranges[std::size_t(i)];
    const QString ry = QStringLiteral("  - Ry = %1 МПа").arg(num::intText(r.Ry));
    if (i == 0)
        return QStringLiteral("t от %1    до %2").arg(num::intText(r.from, 2), num::intText(r.to)) +
               ry;
    return QStringLiteral("t св. %1  до %2").arg(num::intText(r.from), num::intText(r.to)) + ry;
}

QString thicknessLineText(double tst) {
    return num::cut(QStringLiteral("Максимальная толщина проката t = ") + num::fixed(tst, 2, 2) +
                        QStringLiteral(" мм"),
                    50);
}

QString wrongRangeText(int kind, double bound, double tst) {
    const QString t = num::cut(num::fixed(tst, 3, 2), 7);
    const QString b = num::cut(num::fixed(bound, 3, 0), 7);
    switch (kind) {
    case 1:
        return QStringLiteral("Ry выбрано неверно! tmax = ") + t + QStringLiteral(" мм > ") + b +
               QStringLiteral(" мм.");
    case 2:
        return QStringLiteral("Ry выбрано неверно! tmax = ") + t + QStringLiteral(" мм <= ") + b +
               QStringLiteral(" мм.");
    default:
        return QStringLiteral("Ry выбрано неверно!");
    }
}

namespace {

QString outsideGradeText(double tst, const char* relation, const char* which, double bound,
                         const QString& steel) {
    return QStringLiteral("Максимальная толщина выбранного Вами проката t=") +
           num::fixed(tst, 2, 2) + QStringLiteral(" мм ") + QString::fromUtf8(relation) +
           QStringLiteral(" ") + QString::fromUtf8(which) + QStringLiteral(" толщины (") +
           num::fixed(bound, 2, 0) + QStringLiteral(" мм) для проката из стали ") + steel +
           QStringLiteral(". Измените толщину проката или класс стали.");
}

} // namespace

QString thicknessBelowMinText(double tst, double min, const QString& steel) {
    return outsideGradeText(tst, "меньше", "минимальной", min, steel);
}

QString thicknessAboveMaxText(double tst, double max, const QString& steel) {
    return outsideGradeText(tst, "больше", "максимальной", max, steel);
}

QString thicknessOutOfGradeText(const QString& steel) {
    return QStringLiteral("Толщина проката выходит за рамки толщины для стали ") + steel +
           QStringLiteral(". Измените сталь, тип сечения или толщину проката.");
}

bool applyAutomaticThicknessRule() {
    DesignState& ds = designState();
    ds.TstOut = false;
    if (const SteelThicknessRule* rule = steelThicknessRule(ds.SteelName)) {
        const int i = rule->rangeOf(ds.Tst);
        if (i < 0)
            ds.TstOut = true;
        else
            ds.Ry = rule->ranges[std::size_t(i)].Ry;
    }
    return !ds.TstOut;
}
