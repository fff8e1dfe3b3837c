#include "screens/ACD_Sub.h"

#include "platform/Program.h"
#include "screens/GameApp.h"

namespace orv::ui {

ACD_Sub::ACD_Sub(GameApp& game)
    : Form(assets::Screen("ACD_Sub")), game_(game), controls_(this, Spec()) {
    connect(Command4(), &QAbstractButton::clicked, this, [this] { Command4_Click(); });
    connect(Command2(), &QAbstractButton::clicked, this, [this] { Command2_Click(); });
}

void ACD_Sub::Command4_Click() {
    GameState& gs = game_.State();
    gs.CharaIndex = 0;
    gs.StageIndex = 0;
    game_.OpenBattleScreen();
}

void ACD_Sub::Command2_Click() {
    game_.CloseAllSnd();
    EndProgram(0);
}

void ACD_Sub::Form_Unload(bool& cancel) {
    // Closing the title ends the game without a question.
    (void)cancel;
    game_.CloseAllSnd();
    EndProgram(0);
}

}  // namespace orv::ui
