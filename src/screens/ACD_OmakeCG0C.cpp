#include "screens/ACD_OmakeCG0C.h"

#include "screens/GameApp.h"

namespace orv::ui {

ACD_OmakeCG0C::ACD_OmakeCG0C(GameApp& game)
    : Form(assets::Screen("ACD_OmakeCG0C")), game_(game), controls_(Client(), Spec()) {
    // Timer1 is the scroll clock and runs from creation, but a tick has
    // nothing to do until the scroll arrives with the screen flow; it stays
    // stopped until then.
    TimerFromTable(timer1_, Spec(), "Timer1");
    // Off until the viewer is shown with music on.
    if (TimerFromTable(timerSnd_, Spec(), "TimerSnd")) timerSnd_.start();
}

void ACD_OmakeCG0C::Form_Unload(bool& cancel) {
    // The quit question arrives with the screen flow.
    (void)cancel;
}

}  // namespace orv::ui
