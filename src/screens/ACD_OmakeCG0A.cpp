#include "screens/ACD_OmakeCG0A.h"

#include "screens/GameApp.h"

namespace orv::ui {

ACD_OmakeCG0A::ACD_OmakeCG0A(GameApp& game)
    : Form(assets::Screen("ACD_OmakeCG0A")), game_(game), controls_(Client(), Spec()) {
    // Off until the viewer is shown with music on.
    if (TimerFromTable(timerSnd_, Spec(), "TimerSnd")) timerSnd_.start();
}

void ACD_OmakeCG0A::Form_Unload(bool& cancel) {
    // The quit question arrives with the screen flow.
    (void)cancel;
}

}  // namespace orv::ui
