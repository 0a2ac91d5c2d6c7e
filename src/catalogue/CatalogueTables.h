#pragma once

// The rolled-section catalogues compiled into the program: constant arrays of rows of doubles,
// addressed by row (from 0) and column. They are generated at build time from
// src/catalogue/data/*.csv (see the README there for sources and known gaps); nothing is read
// from a file at run time.
//
// Units: mm for dimensions, cm² for areas, cm for centroid distances and radii of gyration,
// cm⁴ for moments of inertia, cm³ for section moduli, kg for the mass of one metre.
//
// Designations (tees, hollow sections) are UTF-8 texts parallel to the numbers, convertible to
// QString: tees with Cyrillic Б/Ш and Latin T/K ("10БT1", "10ШT1", "10KT1", at most 10
// characters), hollow sections "h x b x t" written with a Latin x ("40x40x2.5", at most 12).
// The ...Columns arrays name the columns as the CSV headers do.

// Equal angles, GOST 8509-93, abridged list:
// b, t, R1 (mm), A (cm²), z0, ix, ix0, iy0 (cm), mass (kg/m), Ix, Iy0 (cm⁴).
extern const double UgolRavnKor[70][11];
extern const char* const UgolRavnKorColumns[11];

// Equal angles, GOST 8509-93, full list: as UgolRavnKor without Iy0.
extern const double UgolRavn[121][10];
extern const char* const UgolRavnColumns[10];

// Unequal angles, GOST 8510-86:
// B, b, t, R1 (mm), A (cm²), mass (kg/m), y0, x0, ix, iy, iu (cm), Ix, Iy (cm⁴).
extern const double UgolNeravn[38][13];
extern const char* const UgolNeravnColumns[13];

// Tees cut from GOST 26020-83 I-beams:
// h, b, d, t, R (mm), A (cm²), z0, ix1, iy (cm), mass (kg/m).
// TavrAll: the 23 beam tees (БТ), then the wide-flange tees (ШТ), then the 15 column tees (КТ).
// The wide-flange tees 40ШT1, 45ШT1 and 50ШT1 have no data in any source and are left out,
// so TavrSh has 14 rows and TavrAll 52.
extern const double TavrAll[52][10];
extern const char* const TavrAllName[52];
extern const char* const TavrAllColumns[10];
extern const double TavrSh[14][10];
extern const char* const TavrShName[14];
extern const char* const TavrShColumns[10];
extern const double TavrK[15][10];
extern const char* const TavrKName[15];
extern const char* const TavrKColumns[10];

// Round pipes: D, t (mm), A (cm²), J = Jx = Jy (cm⁴), W = Wx = Wy (cm³), i = ix = iy (cm),
// mass (kg/m).
// Electric-welded straight-seam pipes, GOST 10704-91, abridged list (handbook values rounded to
// two or three significant figures).
extern const double TrubaSvar0Tab[72][7];
extern const char* const TrubaSvar0TabColumns[7];
// Electric-welded straight-seam pipes, GOST 10704-91, full list.
extern const double TrubaSvar1Tab[611][7];
extern const char* const TrubaSvar1TabColumns[7];
// Seamless hot-deformed pipes, GOST 8732-78.
extern const double TrubaDefTab[1276][7];
extern const char* const TrubaDefTabColumns[7];

// Square closed welded cold-formed sections, GOST 30245-2003:
// A (cm²), J = Jx = Jy (cm⁴), W = Wx = Wy (cm³), i = ix = iy (cm), mass (kg/m).
extern const double ProfKv[155][5];
extern const char* const ProfKvName[155];
extern const char* const ProfKvColumns[5];

// Rectangular closed welded cold-formed sections, GOST 30245-2003 (h the larger side, x the axis
// parallel to b): A (cm²), Jx (cm⁴), ix (cm), Jy (cm⁴), iy (cm), mass (kg/m).
extern const double ProfPr[424][6];
extern const char* const ProfPrName[424];
extern const char* const ProfPrColumns[6];
