#include "rules/EndOfBattle.h"

namespace orv {

void ShowVictoryPicture(Battle& b) {
    // Only the first opponent has pictures; any other victory leaves the
    // battle screen open and idle, to be left through its menus.
    if (b.gs.CharaIndex != 0) return;
    if (b.gs.StageIndex == 0) b.view.SwitchForm(ScreenId::ACD_OmakeCG0A);
    if (b.gs.StageIndex == 1) b.view.SwitchForm(ScreenId::ACD_OmakeCG0C);
}

}  // namespace orv
