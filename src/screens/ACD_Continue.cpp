#include "screens/ACD_Continue.h"

#include "screens/Clicks.h"
#include "screens/GameApp.h"

namespace orv::ui {

ACD_Continue::ACD_Continue(GameApp& game)
    : Form(assets::Screen("ACD_Continue")), game_(game), controls_(Client(), Spec()) {
    setAttribute(Qt::WA_DeleteOnClose);
    OnClick(Image2(), [this] { Image2_Click(); });
    OnClick(Image3(), [this] { Image3_Click(); });
    // Form_Load: the desktop's corner; whoever opens the screen moves it next.
    SetTop(0);
    SetLeft(0);
}

void ACD_Continue::Image2_Click() {
    // Same opponent, same stage, a freshly deployed battle.
    game_.SwitchForm(ScreenId::ACD_Main, this);
}

void ACD_Continue::Image3_Click() {
    game_.State().StageIndex = 0;
    game_.SwitchForm(ScreenId::ACD_Sub, this);
}

void ACD_Continue::Form_Unload(bool& cancel) {
    GameState& gs = game_.State();
    if (gs.ScreenSwitching) {
        gs.ScreenSwitching = kFalse;
        return;
    }
    game_.ConfirmQuit(this, cancel);
}

}  // namespace orv::ui
