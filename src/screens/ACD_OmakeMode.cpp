#include "screens/ACD_OmakeMode.h"

#include "screens/GameApp.h"

namespace orv::ui {

ACD_OmakeMode::ACD_OmakeMode(GameApp& game)
    : Form(assets::Screen("ACD_OmakeMode")), game_(game), controls_(Client(), Spec()) {}

void ACD_OmakeMode::Form_Unload(bool& cancel) {
    // The quit question arrives with the screen flow.
    (void)cancel;
}

}  // namespace orv::ui
