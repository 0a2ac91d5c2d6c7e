#pragma once
// Members shared by the report tests: a compressed upper chord and a tension
// diagonal of one project, with the passport of that project.

#include "app/DesignState.h"

#include <QString>

namespace reporttest {

// Passport of the project; FileName "Noname.txt", table "Noname_Tab.txt".
inline void setPassport(DesignState& s) {
    s.Normy = QStringLiteral("СНиП II-23-81*");
    s.Ispolnitel = QStringLiteral("И. Петров");
    s.Shifr = QStringLiteral("17-04-КМ");
    s.Organizacia = QStringLiteral("УО \"ЗлНСК\"");
    s.FileName = QStringLiteral("Noname.txt");
    s.TabFileName = QStringLiteral("Noname_Tab.txt");
}

// A chord of two equal angles in compression: N = 250 kN, l = 2850 mm,
// μx = μy = 1, A = 23.1 cm², φ = 0.5936, σ = 182.32 MPa, Ry = 240 MPa,
// γc = 0.95, Δ = 20.0353 %, λx = 92.53, λy = 64.77, λu = 150.
inline void setChord(DesignState& s) {
    s.Nazvanie = QStringLiteral("Верхний пояс В1");
    s.Nforce = 250;
    s.Lgeom = 2850;
    s.MuX = 1;
    s.MuY = 1;
    s.Lx = 2850;
    s.Ly = 2850;
    s.SteelName = QStringLiteral("C245");
    s.Ry = 240;
    s.GammaN = 1.0;
    s.GammaC = 0.95;
    s.SechType = SechEqualAnglesT;
    s.SortVariant = SortDefault;
    s.SechName = QStringLiteral("80x7");
    s.Area = 23.1;
    s.ix = 3.08;
    s.iy = 4.40;
    s.Mass = 62.7;
    s.Fi = 0.5936;
    s.Sigma = 182.32;
    s.Delta = 20.0353;
    s.LandaX = 92.53;
    s.LandaY = 64.77;
    s.LandaMax = 92.53;
    s.LandaU = 150;
}

// The same geometry as a tension diagonal: σ = 108.23 MPa, λu = 400.
inline void setDiagonal(DesignState& s) {
    setChord(s);
    s.Nazvanie = QStringLiteral("Раскос Р2");
    s.Sigma = 108.23;
    s.Delta = 52.5307;
    s.LandaU = 400;
}

} // namespace reporttest
