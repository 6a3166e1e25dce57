#include "Screens.h"

#include "calc/TriangleScreens.h"
#include "calc/ui/MainMenu.h"
#include "geometry/TurningScreens.h"
#include "speedfeed/SpeedFeedScreens.h"

namespace calc {

void RegisterAllScreens(frmArbormateEDITORv74& menu) {
    RegisterTriangleScreens(menu);   // picRAtrig, and ANGLE CONVERSION on every screen
    RegisterSpeedFeedScreens(menu);  // picSpeedFeed
    RegisterTurningScreens(menu);    // picTaper, picDovetail, picKeyseat, picSurfFin
}

}  // namespace calc
