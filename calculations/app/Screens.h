#pragma once

namespace calc {
class frmArbormateEDITORv74;

// Puts every calculator screen on the menu. A new screen family adds one line here.
void RegisterAllScreens(frmArbormateEDITORv74& menu);
}  // namespace calc
