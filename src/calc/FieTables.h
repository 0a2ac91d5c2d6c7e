#pragma once
// The φe tables of SNiP II-23-81* (appendix tables 74 and 75), values × 1000.

#include <array>

inline constexpr int kFieRows = 21;
inline constexpr int kFieColumns = 26;
// A cell whose printed value is not known.
inline constexpr int kFieUnknown = -1;

using FieTable = std::array<std::array<int, kFieColumns>, kFieRows>;

// Row grid: the slenderness λ̄ (table 74) or λ̄_ef (table 75).
inline constexpr std::array<double, kFieRows> kFieRowGrid = {0.5, 1.0, 1.5, 2.0, 2.5, 3.0, 3.5,
                                                             4.0, 4.5, 5.0, 5.5, 6.0, 6.5, 7.0,
                                                             8.0, 9.0, 10,  11,  12,  13,  14};

// Column grid: the eccentricity m_ef (table 74) or m (table 75).
inline constexpr std::array<double, kFieColumns> kFieColumnGrid = {
    0.1, 0.25, 0.5, 0.75, 1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 3.5, 4.0,
    4.5, 5.0,  5.5, 6.0,  6.5, 7.0,  8.0, 9.0,  10,  12,  14,  17,  20};

extern const FieTable FieSplosh; // solid-web members, table 74 (complete)
extern const FieTable FieSkvoz;  // through members, table 75 (incomplete)
