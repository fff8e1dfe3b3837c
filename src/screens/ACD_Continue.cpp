#include "screens/ACD_Continue.h"

#include "screens/GameApp.h"

namespace orv::ui {

ACD_Continue::ACD_Continue(GameApp& game)
    : Form(assets::Screen("ACD_Continue")), game_(game), controls_(Client(), Spec()) {}

void ACD_Continue::Form_Unload(bool& cancel) {
    // The quit question arrives with the screen flow.
    (void)cancel;
}

}  // namespace orv::ui
