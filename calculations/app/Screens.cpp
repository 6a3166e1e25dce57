#include "Screens.h"

#include "calc/ui/MainMenu.h"
#include "speedfeed/SpeedFeedScreens.h"
#include "triangles/TriangleScreens.h"

namespace calc {

void RegisterAllScreens(frmArbormateEDITORv74& menu) {
    RegisterTriangleScreens(menu);   // picRAtrig, and ANGLE CONVERSION on every screen
    RegisterSpeedFeedScreens(menu);  // picSpeedFeed
}

}  // namespace calc
