#include "geometry/TurningScreens.h"

#include "calc/ui/MainMenu.h"
#include "geometry/DovetailScreen.h"
#include "geometry/KeyseatScreen.h"
#include "geometry/ShaftTaperScreen.h"
#include "geometry/SurfaceFinishScreen.h"
#include "speedfeed/SpeedFeedScreens.h"

namespace calc {

void RegisterTurningScreens(frmArbormateEDITORv74& menu) {
    menu.RegisterScreen("picTaper", [](CalcEnv& env, QWidget* parent) {
        return new frmShaftTaperV74(env, parent);
    });
    menu.RegisterScreen("picDovetail", [](CalcEnv& env, QWidget* parent) {
        return new frmDovetaillV74(env, parent);
    });
    menu.RegisterScreen(
        "picKeyseat", [](CalcEnv& env, QWidget* parent) { return new frmKeyseatV74(env, parent); });
    menu.RegisterScreen("picSurfFin", [](CalcEnv& env, QWidget* parent) {
        return new frmBallnoseV74(env, parent);
    });
    frmSpeedFeedV74::SetSurfaceFinishMaker([](CalcEnv& env) { return new frmBallnoseV74(env); });
}

}  // namespace calc
