#include "geometry/GeometryScreens.h"

#include "calc/ui/MainMenu.h"

namespace calc {

void RegisterGeometryScreens(frmArbormateEDITORv74& menu) {
    menu.RegisterScreen(
        "picChord", [](CalcEnv& env, QWidget* parent) { return new frmChordsV74(env, parent); });
    menu.RegisterScreen("picPolygon", [](CalcEnv& env, QWidget* parent) {
        return new frmPolygonsV74(env, parent);
    });
}

}  // namespace calc
