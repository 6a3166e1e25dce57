#include "Screens.h"

#include "calc/TriangleScreens.h"
#include "calc/ui/MainMenu.h"
#include "holes/HoleScreens.h"
#include "speedfeed/SpeedFeedScreens.h"

namespace calc {

void RegisterAllScreens(frmArbormateEDITORv74& menu) {
    RegisterTriangleScreens(menu);   // picRAtrig, and ANGLE CONVERSION on every screen
    RegisterSpeedFeedScreens(menu);  // picSpeedFeed
    RegisterHoleScreens(menu);       // picBoltCircle, picGrid (modeless)
}

}  // namespace calc
