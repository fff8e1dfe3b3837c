#include "battle/BattleSetup.h"

#include "opponent/ComputerDeployment.h"
#include "rules/BattleLog.h"
#include "rules/Reactions.h"
#include "rules/Texts.h"

namespace orv {

void ResetBattle(GameState& gs) {
    gs.SenCount_M = 0;
    gs.SikiCount_M = 0;
    gs.SenCount_E = 4;
    gs.SikiCount_E = 3;
    gs.PLTurnShots = 0;
    gs.CPTurnShots = 0;
    gs.CPShotCount = 0;
    gs.PLShotCount = 0;
    gs.Board_E.Clear();
    gs.Board_M.Clear();
    // Sen_M and Siki_M stay: the next deployment overwrites every entry it uses.
}

void LoadBattle(Battle& b) {
    GameState& gs = b.gs;
    b.view.SetupGrids();
    ResetBattle(gs);
    DeployComputer(gs);
    InitCpTargeting(b.cp);
    LoadCharaPicture(b);
    b.view.InitCellPictures();
    gs.GamePhase = text::kInitDeploy;
    LogPhase(b, gs.GamePhase);
    b.view.SetReadout(Readout::StageNo,
                      text::kStagePrefix + std::to_string(CheckedAdd(gs.StageIndex, 1)));
    b.view.SetReadout(Readout::CharaNo, std::string(text::kCharaNoPrefix) + text::kReadoutBreak +
                                            std::to_string(gs.CharaIndex));
}

}  // namespace orv
