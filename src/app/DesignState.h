#pragma once
// All working data of the member being designed: one record for the whole
// process, read and written by every window, the calculation routines and the
// report writers. Nothing is saved; each run starts from the defaults below.
//
// Units: forces kN; lengths mm; radii of gyration and centroid distances cm;
// areas cm²; stresses, Ry and E MPa; plate thicknesses mm; masses kg.

#include "common/BoundedString.h"

#include <cstdint>
#include <QString>

// Section types, one per button of the section type chooser.
enum SechTypeCode : std::uint16_t {
    SechEqualAnglesT = 1,     // two equal angles on a gusset
    SechEqualAnglesCross = 2, // two equal angles crossed (radii ix0, iy0)
    SechUnequalAnglesShortLegs = 3,
    SechUnequalAnglesLongLegs = 4,
    SechTee = 5,          // tees after GOST 26020-83
    SechSquareHollow = 6, // square welded hollow sections
    SechRectHollowA = 7,  // rectangular hollow sections, first orientation
    SechRectHollowB = 8,  // rectangular hollow sections, turned by 90°
    SechPipe = 9          // round pipes
};

// Catalogue variants chosen in the main window's section drop-down.
enum SortVariantCode : std::uint8_t {
    SortDefault = 0,
    SortEqualAngles8509 = 1,
    SortPipesWeldedShort = 2, // GOST 10704-91, abridged list
    SortPipesSeamless = 3,    // GOST 8732-78
    SortPipesWeldedFull = 4   // GOST 10704-91, full list
};

// Limit-slenderness rules.
enum LandaTypeCode : std::uint8_t {
    LandaNone = 0,        // before the first additional-data step
    Landa180Minus60a = 1, // compression, 180 − 60α
    Landa120 = 2,         // compression, 120
    Landa210Minus60a = 3, // compression, 210 − 60α
    Landa220 = 4,         // compression, 220
    LandaTension = 5,     // tension: LandaU holds the chosen value
    LandaTypedIn = 66     // compression limit typed in by the user
};

// What follows when the results window closes other than by "Продолжить".
enum RezActionCode : std::uint8_t { RezNextMember = 0, RezNothing = 1, RezSectionTypes = 2 };

struct DesignState {
    // Member input
    BoundedString<50> Nazvanie; // member name
    double Nforce = 0;          // design axial force N, kN (magnitude)
    double Lgeom = 0;           // geometric length, mm
    double MuX = 0;             // effective-length factors
    double MuY = 0;
    double Lx = 0; // MuX × Lgeom, mm
    double Ly = 0; // MuY × Lgeom, mm

    // Design coefficients and steel
    std::int32_t ModulE = 206000;                         // E, MPa
    double Ry = 230.0;                                    // design resistance, MPa
    BoundedString<10> SteelName = QStringLiteral("C235"); // empty when Ry was typed in
    double GammaN = 1.0;                                  // importance factor γn
    double GammaC = 1.0;                                  // working-conditions factor γc
    double Gibkost = 90.0; // assumed slenderness for the first estimate
    double LandaU = 0;     // limit slenderness λu
    std::uint8_t LandaType = LandaNone;

    // Passport and files
    BoundedString<15> FileName = QStringLiteral("Noname");
    QString TabFileName;
    BoundedString<50> Shifr;
    BoundedString<50> Ispolnitel;
    BoundedString<50> Organizacia;
    BoundedString<20> Normy;
    std::uint8_t NormIndex = 0; // 0 SNiP II-23-81*, 1 SP 53-102-2004

    // Section type and catalogue choice
    std::uint16_t SechType = 0;
    std::uint8_t CurveType = 0; // 1 curve a, 2 b, 3 c (SP 53-102-2004)
    std::uint8_t SortVariant = SortDefault;
    double Atr = 0;  // required area, cm²
    double ixTr = 0; // required radii of gyration, cm
    double iyTr = 0;

    // Chosen section
    BoundedString<60> SechName;
    double Area = 0;  // whole section (both angles of a pair), cm²
    double ix = 0;    // cm
    double iy = 0;    // cm
    double Tst = 0;   // rolled thickness governing Ry, mm
    double MassM = 0; // kg/m
    double Mass = 0;  // member mass, kg
    bool SortOk = false;
    double Tfas = 0; // gusset plate thickness, mm

    // Check results
    double LandaX = 0;
    double LandaY = 0;
    double LandaMax = 0;
    double LandaUsl = 0; // working store of the φ routines
    double Fi = 0;
    double Alfa = 0;  // α held within [0.5, 1.0]
    double Sigma = 0; // MPa
    double Delta = 0; // deviation, %

    // Workflow flags
    bool NewProject = true;
    bool AppendReport = false;
    bool NextStep = false;
    std::uint8_t RezAction = RezNextMember;
    bool TstOut = false;
};

// The one design state of the process.
DesignState& designState();

// Back to the load-time defaults (tests and a fresh start).
void resetDesignState();
