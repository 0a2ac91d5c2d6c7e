#pragma once
// Reference texts of the additional-data dialog: the design-code tables the
// user chooses γn, γc and the limit slenderness from. Plain text for read-only
// memos in a fixed-pitch font.

#include <QString>

// Responsibility classes of buildings after the order No. 91 of the State
// Construction Committee of Belarus of 30.10.1992.
QString responsibilityClassesOrderText();
// Responsibility classes after SNiP 2.01.07-85 "Нагрузки и воздействия", appendix 7.
QString responsibilityClassesLoadsCodeText();
// γc, SNiP II-23-81*, fragment of table 8*.
QString workingConditionsText();
// Limit slenderness of compressed elements, SNiP II-23-81*, table 19*.
QString compressionLimitsText();
// Limit slenderness of tension elements, SNiP II-23-81*, table 20*.
QString tensionLimitsText();
