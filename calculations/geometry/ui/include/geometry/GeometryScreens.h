#pragma once

// The circle and polygon geometry screens.

#include "geometry/ChordScreen.h"
#include "geometry/PolygonScreen.h"

namespace calc {

class frmArbormateEDITORv74;

// Puts the chord and polygon screens on the menu.
void RegisterGeometryScreens(frmArbormateEDITORv74& menu);

}  // namespace calc
