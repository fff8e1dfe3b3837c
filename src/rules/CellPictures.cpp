#include "rules/CellPictures.h"

#include "core/Utilities.h"
#include "rules/Texts.h"

namespace orv {

int SpriteFor(const std::string& text) {
    if (text == text::kAdjacentMark) return 1;
    if (text == text::kCombatHitMark) return 2;
    if (text == text::kCommandHitMark) return 3;
    if (text == text::kCombatUnit) return 4;
    if (text == text::kCommandUnit) return 5;
    return 0;  // the miss sprite, also for anything unknown
}

void RedrawCell(Play& b, Integer col, Integer row, const Board& board, Grid grid) {
    b.view.SetGridCell(grid, col, row);
    PaintCellPicture(b, grid, col, row, board(col, row));
}

void PaintCellPicture(Play& b, Grid grid, Integer col, Integer row, const std::string& text) {
    UnitPos pos;
    pos.X = col;
    pos.Y = row;
    const Integer tile = CellIndex(pos, 19);
    // The view takes the tile from the field picture of the grid it is given.
    const int sprite = SpriteFor(text);
    b.view.SetGridCell(grid, col, row);
    b.view.SetCellPicture(grid, col, row, tile, sprite);
}

void RevealEnemyUnits(Play& b) {
    const Board& board = b.gs.Board_E;
    for (Integer row = 0; row <= 8; ++row)
        for (Integer col = 0; col <= 18; ++col)
            if (board(col, row) == text::kCombatUnit || board(col, row) == text::kCommandUnit)
                RedrawCell(b, col, row, board, Grid::FG_E);
}

}  // namespace orv
