#pragma once
// "Рекомендуемые толщины фасонок": the table of recommended gusset thicknesses
// from which the step-by-step mode picks the gusset of a pair of angles.

#include <QDialog>

class QLabel;
class QPushButton;
class StringGrid;

class TFasonka : public QDialog {
    Q_OBJECT
public:
    explicit TFasonka(QWidget* parent = nullptr);

    QLabel* StaticText1;  // the governing force
    StringGrid* FasGrid;  // force bands and thicknesses
    QPushButton* BitBtn1; // OK

    // Fills the bands (header row and eight bands).
    void fillBands();
    // Thickness in column 1 of the selected row (0 when it is not a number).
    double selectedThickness() const;
};

// The gusset step: Tfas from the governing force (the lattice force when it
// is given), confirmed by the user in the step-by-step mode, then the pair
// radii of the angle grids for the current section type.
void Fas_Change();
