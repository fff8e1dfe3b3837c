#include "battle/Dispatcher.h"

#include "opponent/ComputerTurn.h"
#include "opponent/Targeting.h"
#include "rules/BattleLog.h"
#include "rules/CellPictures.h"
#include "rules/Deployment.h"
#include "rules/EndOfBattle.h"
#include "rules/MessageLine.h"
#include "rules/Shots.h"
#include "rules/Texts.h"

namespace orv {
namespace {

void setPhase(Battle& b, const std::string& phase) {
    if (b.gs.GamePhase == phase) return;
    b.gs.GamePhase = phase;
    LogPhase(b, phase);
}

// Ticks arrive every 430 ms in every phase; only those that move the battle
// belong in the transcript, so it does not depend on how long anyone waited.
void logEvent(Battle& b, const std::string& event, Grid grid) {
    if (!b.transcript) return;
    if (event == text::kCP_Win || event == text::kPLAYER_Win) {
        LogLine(b, "end " + event);
        return;
    }
    if (event == text::kWinCP_Timer && b.gs.GamePhase != text::kInitDeploy &&
        b.gs.GamePhase != text::kCpTurnPhase)
        return;
    std::string line = "event " + event;
    if (grid != Grid::None && (event == text::kFG_E_Click || event == text::kFG_M_Click)) {
        line += ' ';
        line += std::to_string(b.view.GridCol(grid));
        line += ' ';
        line += std::to_string(b.view.GridRow(grid));
    }
    LogLine(b, line);
}

void onEnemyGridClick(Battle& b, Grid grid) {
    const std::string phase = b.gs.GamePhase;
    if (phase != text::kPlayerTurn) return;
    const std::string r = PlayerShot(b, grid);
    if (r == text::kPlayerTurnEnd) {
        setPhase(b, text::kCpTurnPhase);
    } else if (r == text::kPlayerVictory) {
        setPhase(b, "");
        b.view.SetEvent(text::kPLAYER_Win);
    }
}

void onOwnGridClick(Battle& b, Grid grid) {
    GameState& gs = b.gs;
    const std::string phase = gs.GamePhase;
    if (phase == text::kCommandDeploy) {
        const std::string r = PlaceCommandUnit(b, grid, gs.Board_M);
        if (r == text::kCommandDeployEnd) {
            b.view.SetCommandCaption(CombatPrompt(4 - gs.SenCount_M));
            setPhase(b, text::kCombatDeploy);
        }
        // Refused clicks too: the prompt is simply written again.
        if (gs.GamePhase != text::kCombatDeploy)
            b.view.SetCommandCaption(CommandPrompt(3 - gs.SikiCount_M));
    } else if (phase == text::kCombatDeploy) {
        const std::string r = PlaceCombatUnit(b, grid, gs.Board_M);
        if (r == text::kCombatDeployEnd) {
            setPhase(b, text::kPlayerTurn);
            b.view.SetCommandVisible(false);
            ShowMessage(b, text::kGameStart);
        }
        if (gs.GamePhase != text::kPlayerTurn)
            b.view.SetCommandCaption(CombatPrompt(4 - gs.SenCount_M));
    }
}

void onComputerClock(Battle& b) {
    GameState& gs = b.gs;
    const std::string phase = gs.GamePhase;
    if (phase == text::kCpTurnPhase) {
        ChooseTarget(gs, b.cp);
        LogLine(b, "strategy " + b.cp.CpStrategy);
        const std::string r = ComputerShot(b, b.cp, b.cp.TargetX, b.cp.TargetY);
        if (r == text::kCpTurnEnd) {
            setPhase(b, text::kPlayerTurn);
        } else if (r == text::kCpVictory) {
            setPhase(b, "");
            b.view.SetEvent(text::kCP_Win);
        }
    } else if (phase == text::kInitDeploy) {
        b.view.SetCommandCaption(CommandPrompt(3 - gs.SikiCount_M));
        b.view.SetCommandVisible(true);
        setPhase(b, text::kCommandDeploy);
    }
}

}  // namespace

void DispatchGameEvent(Battle& b, Grid grid) {
    // A raised end-of-battle event dispatches again, nested, and overwrites
    // EventName before this call is done with it.
    const std::string event = b.gs.EventName;
    logEvent(b, event, grid);

    if (event == text::kFG_E_Click) {
        onEnemyGridClick(b, grid);
    } else if (event == text::kFG_M_Click) {
        onOwnGridClick(b, grid);
    } else if (event == text::kCP_Win) {
        // A surrender arrives in any phase. Without a phase the clock ticks
        // that keep coming while the box is open fire no computer shots behind
        // it, and cannot start a second defeat.
        setPhase(b, "");
        RevealEnemyUnits(b);
        b.view.MessageBoxOk(text::kYouLose, text::kResultTitle);
        b.view.SwitchForm(ScreenId::ACD_Continue);
    } else if (event == text::kPLAYER_Win) {
        RevealEnemyUnits(b);
        b.view.MessageBoxOk(text::kYouWin, text::kResultTitle);
        ShowVictoryPicture(b);
    } else if (event == text::kWinCP_Timer) {
        onComputerClock(b);
    }
}

std::string CommandPrompt(int remaining) {
    return text::kCommandPrompt + std::to_string(remaining) + text::kPromptUnit;
}

std::string CombatPrompt(int remaining) {
    return text::kCombatPrompt + std::to_string(remaining) + text::kPromptUnit;
}

}  // namespace orv
