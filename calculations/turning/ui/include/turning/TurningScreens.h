#pragma once

// The turning and milling geometry screens: shaft taper, dovetail over rolls, keyseat
// depth and surface finish.

namespace calc {

class frmArbormateEDITORv74;

// Puts TAPER, DOVETAIL, KEYSEAT and SURFACE FINISH on the menu and lets the speeds and
// feeds screen open the surface finish screen.
void RegisterTurningScreens(frmArbormateEDITORv74& menu);

}  // namespace calc
