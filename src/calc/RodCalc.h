#pragma once
// Design-code calculations of a centrally loaded steel member after
// SNiP II-23-81* (φ also after SP 53-102-2004). Free routines that return their
// results in out-parameters; several read fields of the design state as
// implicit inputs and leave results there (listed at each routine).
//
// Units: N kN, lengths mm, radii cm, areas cm², I cm⁴, stresses and Ry MPa,
// plate thickness mm, mass per metre kg/m, mass kg. The factors 10, 0.05 and
// 1000 in the formulas are the unit conversions.

#include <cstdint>
#include <QString>

// ---- Buckling coefficient φ -------------------------------------------------

// φ after SNiP II-23-81* (clause 5.3, formulas 8–10). Returns false and leaves
// `fi` untouched when the conditional slenderness λ̄ ≤ 0. Reads ModulE.
bool Fi_SNiP(double Ry, double lambda, double& fi);

// φ after SP 53-102-2004 for curve type 1 (a), 2 (b) or 3 (c), with the limit
// 7.6/λ̄² at every λ̄, and never above 1.0. Reads ModulE.
void Fi_SP(int curveType, double Ry, double lambda, double& fi);

// Conditional slenderness λ̄ = λ·√(Ry/E).
double conditionalSlenderness(double Ry, double lambda);

// ---- Member formulas --------------------------------------------------------

// The text with every blank removed.
QString DelProbel(const QString& text);

// Radius of gyration of two angles on a gusset of thickness t (mm), about the
// axis in the gusset's mid-plane: I, z0 and A of one angle.
void Radius_Pair(double I, double z0, double A, double t, double& radius);

// a·b/1000 (mass per metre × length in mm → kg).
void Mass_Calc(double a, double b, double& mass);

// Effective lengths l·μx and l·μy.
void Length_Ef(double l, double muX, double muY, double& lx, double& ly);

// Required radii of gyration lx/(10λ), ly/(10λ), cm.
void Radius_Tr(double lx, double ly, double lambda, double& ix, double& iy);

// Required area in tension 10·N·γn/(Ry·γc), cm².
void Atr_Rast(double N, double Ry, double gammaN, double gammaC, double& area);

// Required area in compression 10·N·γn/(φ·Ry·γc), φ at the assumed slenderness
// Gibkost (code 0 SNiP, otherwise SP with curveType). Writes Fi.
void Atr_Sgat(int code, int curveType, double N, double Ry, double gammaN, double gammaC,
              double& area);

// max(λx, λy) with λx = lx/(10·ix), λy = ly/(10·iy). Writes LandaX, LandaY.
void Landa_Calc(double lx, double ly, double ix, double iy, double& landaMax);

// Limit slenderness of a compressed member (SNiP II-23-81* table 19*) by rule
// code; codes other than 1–4 leave `landaU` untouched. Reads Nforce, GammaN,
// GammaC, Fi, Area; writes Alfa (held within 0.5 … 1.0).
void Landa_Pred(int code, double Ry, double& landaU);

// Stress in tension 10·N·γn/A, MPa (γc is accepted and not used).
void Sigma_Rast(double N, double A, double gammaN, double gammaC, double& sigma);

// Stability stress 10·N·γn/(A·φ), MPa, for the chosen section (γc accepted and
// not used). Reads Lx, Ly, ix, iy, Ry, LandaType; writes LandaX, LandaY,
// LandaMax, Fi, Alfa, LandaU.
void Sigma_Sgat(int code, int curveType, double N, double A, double gammaN, double gammaC,
                double& sigma);

// |a·γc − b| / (a·γc) · 100, %. Reads GammaC.
void Delta_Calc(double a, double b, double& delta);

// Recommended gusset plate thickness by the force, mm.
double Fas_Tolsh(double N);

// ---- Coefficient φe for eccentric compression -------------------------------

enum FieTableKind : std::uint8_t { FieSolid = 0, FieLattice = 1 };

// φe from SNiP II-23-81* table 74 (kind 0) or 75 (kind 1) by bilinear
// interpolation, clamped to the table's edges. Returns false when the
// interpolation would use a cell of table 75 whose value is not known.
bool Fie_Calc(int kind, double m, double lambda, double& fie);

// Row bracket of λ̄ and interpolation between columns c1, c2 (0-based).
bool Fie_Row(int kind, int c1, int c2, double m, double lambda, double& fie);

// Bilinear interpolation between columns c1, c2 and rows r1, r2 (0-based).
bool Fie_Interp(int kind, int c1, int c2, int r1, int r2, double m1, double m2, double l1,
                double l2, double m, double lambda, double& fie);
