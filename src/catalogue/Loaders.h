#pragma once
// The loaders that prepare the catalogue window for one section family: the
// section and curve type, the one visible tab, the tee grid, the required
// radii above the grid, and the main window's family buttons.

class QLabel;

void LoadTavrB();  // beam tees
void LoadTavrK();  // column tees
void LoadTavrSh(); // wide-flange tees
void LoadRound();  // round pipes
void LoadProf1();  // square hollow sections
void LoadUgol1();  // equal angles paired in a T

// Shared by the loaders and the section type chooser.
namespace loaders {

enum class Family { Ugol1, Ugol2, Tavr, Prof1, Prof2, Round };

// Enables the family's catalogue button of the main window and disables the
// other five; the gusset button as given.
void enableFamilyButton(Family family, bool gussetEnabled);

// The required radii for the member (λ = Gibkost in compression, LandaU in
// tension) written into two labels of the catalogue window with their prefixes.
void writeRequiredRadii(QLabel* x, QLabel* y,
                        const char* xPrefix = "ix, тр = ", const char* yPrefix = "iy, тр = ");

} // namespace loaders
