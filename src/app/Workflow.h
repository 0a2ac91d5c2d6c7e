#pragma once
// Facts of the workflow that the windows of every folder read, as the main
// window and the member input dialog hold them: the working mode (which mode
// button of the main window is down) and whether the member is in tension
// (the "Растяжение" button of the member input dialog).

bool automaticMode();
bool stepByStepMode();
bool memberInTension();
