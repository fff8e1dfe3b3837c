#include "rules/ShotIndicators.h"

#include "core/Checked.h"

namespace orv {
namespace {

// Shows the first `left` icons of a row. More than four shots cannot happen;
// if it did, the flag array stops the game rather than drawing past the row.
void ShowShotsLeft(BattleView& view, IconRow row, Integer senCount, Integer turnShots) {
    const Integer left = CheckedAdd(senCount, -turnShots);
    BoundedArray<Boolean, 0, 3> flag;
    for (int i = 0; i <= left - 1; ++i) flag(i) = kTrue;
    for (int i = 0; i <= 3; ++i) view.SetIconVisible(row, i, flag(i) == kTrue);
}

}  // namespace

void ShowShotsLeft_M(Play& b) {
    ShowShotsLeft(b.view, IconRow::ImageRemShot_P, b.gs.SenCount_M, b.gs.PLTurnShots);
}

void ShowShotsLeft_E(Play& b) {
    ShowShotsLeft(b.view, IconRow::ImageRemShot_E, b.gs.SenCount_E, b.gs.CPTurnShots);
}

}  // namespace orv
