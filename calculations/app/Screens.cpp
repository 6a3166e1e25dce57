#include "Screens.h"

#include "calc/ui/MainMenu.h"
#include "geometry/GeometryScreens.h"
#include "holes/HoleScreens.h"
#include "speedfeed/SpeedFeedScreens.h"
#include "threads/ThreadScreens.h"
#include "triangles/TriangleScreens.h"
#include "turning/TurningScreens.h"

namespace calc {

void RegisterAllScreens(frmArbormateEDITORv74& menu) {
    RegisterTriangleScreens(menu);   // picRAtrig, picOBtrig, and ANGLE CONVERSION everywhere
    RegisterSpeedFeedScreens(menu);  // picSpeedFeed
    RegisterGeometryScreens(menu);   // picChord, picPolygon
    RegisterHoleScreens(menu);       // picBoltCircle, picGrid (modeless)
    RegisterThreadScreens(menu);     // picMeasureThread
    RegisterTurningScreens(menu);    // picTaper, picDovetail, picKeyseat, picSurfFin
}

}  // namespace calc
