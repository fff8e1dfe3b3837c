#pragma once
// Small shared computations: twips, random draws, cell numbers.
#include "core/GameState.h"
#include "core/Types.h"

namespace orv {

// Pixels to twips with the screen's twips per pixel, to the nearest integer
// (halves to even).
Long TwipsX(const GameState& gs, Long pixels);
Long TwipsY(const GameState& gs, Long pixels);

// A uniform whole number from Low to Low + High.
Integer RandomRange(GameState& gs, Integer Low, Integer High);

// True with probability (Percent + 1) / 101 for Percent 0..100.
bool PercentChance(GameState& gs, Integer Percent);

// X = N mod D, Y = floor(N / D), Alive = True. D = 0 is fatal.
UnitPos DivMod(Integer N, Integer D);

// Pos.Y * Width + Pos.X, in 16-bit arithmetic.
Integer CellIndex(const UnitPos& Pos, Integer Width);

}  // namespace orv
