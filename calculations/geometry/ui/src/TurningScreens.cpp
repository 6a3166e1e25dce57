#include "geometry/TurningScreens.h"

#include "calc/ui/MainMenu.h"
#include "geometry/KeyseatScreen.h"

namespace calc {

void RegisterTurningScreens(frmArbormateEDITORv74& menu) {
    menu.RegisterScreen(
        "picKeyseat", [](CalcEnv& env, QWidget* parent) { return new frmKeyseatV74(env, parent); });
}

}  // namespace calc
