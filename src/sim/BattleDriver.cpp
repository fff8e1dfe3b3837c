#include "sim/BattleDriver.h"

#include <vector>

#include "battle/Battle.h"
#include "battle/BattleSetup.h"
#include "battle/Dispatcher.h"
#include "rules/Texts.h"
#include "sim/HeadlessView.h"

namespace orv {
namespace {

// No battle needs more than a few hundred dispatches; a run beyond this is
// stuck and is reported as unfinished rather than looping for ever.
constexpr int kMaxSteps = 5000;

struct Cell {
    int col, row;
};

void dispatch(Battle& b, const char* event, Grid grid) {
    b.gs.EventName = event;
    DispatchGameEvent(b, grid);
}

// Removes and returns a uniformly drawn cell of the list.
Cell drawCell(GameState& gs, std::vector<Cell>& cells) {
    const int i = gs.Rng.Below(static_cast<int>(cells.size()));
    const Cell c = cells[static_cast<size_t>(i)];
    cells.erase(cells.begin() + i);
    return c;
}

void logDeployment(Battle& b) {
    const Board& board = b.gs.Board_E;
    for (int row = 0; row <= 8; ++row)
        for (int col = 0; col <= 18; ++col)
            if (board(col, row) == text::kCombatUnit || board(col, row) == text::kCommandUnit)
                LogLine(b, "deploy CP " + board(col, row) + " " + std::to_string(col) + " " +
                               std::to_string(row));
}

}  // namespace

BattleResult FightBattle(GameState& gs, Transcript* transcript) {
    HeadlessView view;
    Battle b(gs, view);
    b.transcript = transcript;
    view.Attach(&b);

    LoadBattle(b);
    logDeployment(b);
    dispatch(b, text::kWinCP_Timer, Grid::FG_M);  // the first tick opens the deployment

    std::vector<Cell> ownFree, enemyOpen;
    for (int row = 0; row <= 8; ++row)
        for (int col = 0; col <= 18; ++col) {
            ownFree.push_back({col, row});
            enemyOpen.push_back({col, row});
        }

    for (int step = 0; step < kMaxSteps && !gs.GamePhase.empty(); ++step) {
        const std::string& phase = gs.GamePhase;
        if (phase == text::kCommandDeploy || phase == text::kCombatDeploy) {
            const Cell c = drawCell(gs, ownFree);
            view.Click(Grid::FG_M, c.col, c.row);
            dispatch(b, text::kFG_M_Click, Grid::FG_M);
        } else if (phase == text::kPlayerTurn) {
            if (enemyOpen.empty()) break;
            const Cell c = drawCell(gs, enemyOpen);
            view.Click(Grid::FG_E, c.col, c.row);
            dispatch(b, text::kFG_E_Click, Grid::FG_E);
        } else if (phase == text::kCpTurnPhase) {
            dispatch(b, text::kWinCP_Timer, Grid::FG_M);
        } else {
            break;
        }
    }

    BattleResult result;
    if (gs.GamePhase.empty() && !view.raised.empty()) {
        const std::string& last = view.raised.back();
        result.winner = last == text::kPLAYER_Win ? text::kPlayerSide : text::kCpSide;
    }
    result.playerShots = gs.PLShotCount;
    result.cpShots = gs.CPShotCount;
    result.senLeft_M = gs.SenCount_M;
    result.sikiLeft_M = gs.SikiCount_M;
    result.senLeft_E = gs.SenCount_E;
    result.sikiLeft_E = gs.SikiCount_E;
    return result;
}

}  // namespace orv
