#pragma once
// The calculations of the section selection: the cross radii of crossed
// angles, the gusset step's pair-radius columns and texts, the required area
// and its texts, and the check after a row has been taken.

#include <optional>
#include <QString>
#include <QStringList>

// ---- Crossed equal angles ------------------------------------------------

// Radius of gyration of two equal angles crossed on a gusset of thickness t
// (mm): the centroid of each angle lies z0 + t/2 from the centre along both
// axes, d = 0.707107·(2·z0 + 0.1·t) from it; i = √(2·(A·d² + Iy0)/(2·A)).
double crossRadius(double A, double z0, double Iy0, double t);

// Column 7 of the abridged equal-angle grid for crossed angles: the cross
// radius of each of its rows for the gusset of the member's force (three
// decimals, at least 4 wide, cut to 12).
QStringList crossRadiusColumn(double force);

// ---- Gusset plate ----------------------------------------------------------

// The force that sizes the gusset: the lattice force when it is given (its
// text as typed; blanks removed), else the member's force. nullopt when the
// lattice text does not convert.
std::optional<double> gussetForce(bool latticeGiven, const QString& latticeText, double Nforce);

// " Максимальное усилие в стержнях решетки 300 кН" / " Максимальное усилие в стержне 250.00 кН".
QString gussetCaption(bool latticeGiven, const QString& latticeText, double Nforce);

// The rows of the table of recommended gusset thicknesses (header first).
struct GussetBand {
    const char* force;
    const char* thickness;
};
extern const GussetBand kGussetTable[9];

// Header texts of the pair-radius column by Tfas ("iy2 (tf=10), см",
// "ix2 (tf=10), см"); empty for a thickness that is not in the table.
QString iy2Header(double tfas);
QString ix2Header(double tfas);

// Which grid column the gusset step writes, and its texts.
struct PairRadiusColumn {
    int column = -1; // 9 for equal angles, 11 for unequal angles
    QString header;
    QStringList values; // one per catalogue row, in order
};

// The pair radii of the equal-angle abridged list (fullList false) or full
// list (true) for section type 1, or of the unequal angles for types 3 and 4.
// For other section types: column -1 and no values.
PairRadiusColumn pairRadiusColumn(int sechType, double tfas, bool fullList = false);

// ---- Required area --------------------------------------------------------

// Atr by tension (Atr_Rast) or compression (Atr_Sgat, which also sets Fi),
// from the design state; stores Atr.
double computeRequiredArea(bool tension);

// "Aтр. уголка = 3.45 см^2" and the like: the number (Atr or Atr/2) in
// general form cut to 7 characters.
QString requiredAreaText(const QString& prefix, double area);

// ---- Check after selection ------------------------------------------------

// The question asked when the taken section fails (empty when it passes),
// after computing Sigma, Delta and, in compression, LandaMax, Fi, LandaU.
QString checkTakenSection(bool tension);
