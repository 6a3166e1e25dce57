#include "Screens.h"

#include "calc/TriangleScreens.h"
#include "calc/ui/MainMenu.h"
#include "speedfeed/SpeedFeedScreens.h"
#include "threads/ThreadScreens.h"

namespace calc {

void RegisterAllScreens(frmArbormateEDITORv74& menu) {
    RegisterTriangleScreens(menu);   // picRAtrig, and ANGLE CONVERSION on every screen
    RegisterSpeedFeedScreens(menu);  // picSpeedFeed
    RegisterThreadScreens(menu);     // picMeasureThread
}

}  // namespace calc
