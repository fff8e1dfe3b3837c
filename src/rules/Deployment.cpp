#include "rules/Deployment.h"

#include "rules/BattleLog.h"
#include "rules/CellPictures.h"
#include "rules/Shots.h"
#include "rules/Texts.h"

namespace orv {
namespace {

// The two kinds of vehicle differ only in these parameters.
template <int Hi>
struct UnitKind {
    Integer& count;
    int limit;
    BoundedArray<UnitPos, 0, Hi>& list;
    const char* boardText;
    Long color;
    const char* sound;
    const char* finalWord;
};

template <int Hi>
std::string placeUnit(Play& b, Grid grid, Board& board, const UnitKind<Hi>& kind) {
    const Integer col = static_cast<Integer>(b.view.GridCol(grid));
    const Integer row = static_cast<Integer>(b.view.GridRow(grid));
    if (!board(col, row).empty() || kind.count >= kind.limit) return text::kRefused;

    PlayEffect(b, kind.sound);
    Inc(kind.count);
    UnitPos& slot = kind.list(kind.count - 1);
    slot.Alive = kTrue;
    slot.X = col;
    slot.Y = row;
    board(col, row) = kind.boardText;
    LogLine(b, std::string("place ") + kind.boardText + " " + std::to_string(col) + " " +
                   std::to_string(row));
    SetCellColor(b, col, row, grid, kind.color);
    RedrawCell(b, col, row, board, grid);
    return kind.count >= kind.limit ? kind.finalWord : text::kPlaced;
}

}  // namespace

std::string PlaceCommandUnit(Play& b, Grid grid, Board& board) {
    GameState& gs = b.gs;
    return placeUnit(b, grid, board,
                     UnitKind<2>{gs.SikiCount_M, 3, gs.Siki_M, text::kCommandUnit, gs.SikiColor,
                                 text::kSndMessage, text::kCommandDeployEnd});
}

std::string PlaceCombatUnit(Play& b, Grid grid, Board& board) {
    GameState& gs = b.gs;
    return placeUnit(b, grid, board,
                     UnitKind<3>{gs.SenCount_M, 4, gs.Sen_M, text::kCombatUnit, gs.SenColor,
                                 text::kSndAdjacent, text::kCombatDeployEnd});
}

}  // namespace orv
