#pragma once
// Design resistance Ry of a steel grade by the thickness of the rolled product
// (SNiP II-23-81*, table 51*), and the texts of the Ry-by-thickness step.

#include <QString>
#include <vector>

struct ThicknessRange {
    double from; // mm; the first range includes it, later ranges exclude it
    double to;   // mm, included
    double Ry;   // MPa
};

struct SteelThicknessRule {
    QString steel;      // as stored in SteelName: "C235", ..., "16Г2АФ"
    QString tabCaption; // "C-235"; empty for the grades without a tab
    std::vector<ThicknessRange> ranges;

    double minThickness() const { return ranges.front().from; }
    double maxThickness() const { return ranges.back().to; }
    // Index of the range that holds t, or -1 outside the grade's thicknesses.
    int rangeOf(double t) const;
    // Whether t lies in range i (first range closed, later ones open below).
    bool inRange(int i, double t) const;
};

// All ten grades in dialog order (the first eight have a tab in the dialog).
const std::vector<SteelThicknessRule>& steelThicknessRules();
inline constexpr int kSteelGradesWithTab = 8;

// The rule of a grade (exact match of the name), nullptr for any other name,
// including the empty name of a typed-in Ry.
const SteelThicknessRule* steelThicknessRule(const QString& steel);

// Caption of the radio button of range i of a grade, as the dialog stores it:
// "t от  2    до 20  - Ry = 230 МПа", "t св. 20  до 40  - Ry = 220 МПа".
QString rangeCaption(const SteelThicknessRule& rule, int i);

// "Максимальная толщина проката t = 20.00 мм" (cut to 50 characters).
QString thicknessLineText(double tst);

// Wrong range confirmed in the dialog: kind 1 (t above the first range),
// kind 2 (t at or below the last range), kind 3 (a middle range).
QString wrongRangeText(int kind, double bound, double tst);

// Thickness outside the grade: below its minimum or above its maximum.
QString thicknessBelowMinText(double tst, double min, const QString& steel);
QString thicknessAboveMaxText(double tst, double max, const QString& steel);

// "Толщина проката выходит за рамки толщины для стали C275. Измените сталь, ..."
QString thicknessOutOfGradeText(const QString& steel);

// Ry by the rolled thickness as the automatic mode applies it to the design
// state: Ry becomes the Ry of the range of SteelName that holds Tst and TstOut
// is cleared; a thickness outside the grade leaves Ry and sets TstOut. A steel
// without a rule (a typed-in Ry) changes nothing. Returns !TstOut.
bool applyAutomaticThicknessRule();
