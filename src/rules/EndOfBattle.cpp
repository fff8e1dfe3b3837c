#include "rules/EndOfBattle.h"

#include "core/Checked.h"

namespace orv {

void ShowVictoryPicture(Play& b) {
    // Only the first opponent has pictures; any other victory leaves the
    // battle screen open and idle, to be left through its menus.
    if (b.gs.CharaIndex != 0) return;
    if (b.gs.StageIndex == 0) b.view.SwitchForm(ScreenId::ACD_OmakeCG0A);
    if (b.gs.StageIndex == 1) b.view.SwitchForm(ScreenId::ACD_OmakeCG0C);
}

ScreenId LeaveOmakeCG0A(GameState& gs) {
    if (gs.FromOmakeMode) return ScreenId::ACD_OmakeMode;
    Inc(gs.StageIndex);
    return ScreenId::ACD_Main;
}

ScreenId LeaveOmakeCG0C(GameState& gs) {
    if (gs.FromOmakeMode) return ScreenId::ACD_OmakeMode;
    gs.StageIndex = 0;
    return ScreenId::ACD_Sub;
}

}  // namespace orv
