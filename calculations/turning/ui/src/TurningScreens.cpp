#include "turning/TurningScreens.h"

#include "calc/ui/MainMenu.h"
#include "turning/DovetailScreen.h"
#include "turning/KeyseatScreen.h"
#include "turning/ShaftTaperScreen.h"
#include "turning/SurfaceFinishScreen.h"

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
}

}  // namespace calc
