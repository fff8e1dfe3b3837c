#include "core/Utilities.h"

#include <cmath>

#include "core/Checked.h"
#include "core/Fatal.h"

namespace orv {
namespace {

Long roundHalfEven(double v) {
    const double r = std::nearbyint(v);  // default rounding mode: to nearest, ties to even
    if (r < -2147483648.0 || r > 2147483647.0) FatalError("Overflow");
    return static_cast<Long>(r);
}

}  // namespace

Long TwipsX(const GameState& gs, Long pixels) {
    return roundHalfEven(static_cast<double>(pixels) * gs.TwipsPerPixelX);
}

Long TwipsY(const GameState& gs, Long pixels) {
    return roundHalfEven(static_cast<double>(pixels) * gs.TwipsPerPixelY);
}

Integer RandomRange(GameState& gs, Integer Low, Integer High) {
    return CheckedAdd(Low, gs.Rng.Below(static_cast<int>(High) + 1));
}

bool PercentChance(GameState& gs, Integer Percent) {
    const int v = gs.Rng.Below(101);
    return Percent >= v;
}

UnitPos DivMod(Integer N, Integer D) {
    if (D == 0) FatalError("Division by zero");
    int q = N / D;
    if ((N % D != 0) && ((N < 0) != (D < 0))) --q;  // floor of the quotient
    UnitPos p;
    p.X = static_cast<Integer>(N % D);  // remainder with the sign of N
    p.Y = static_cast<Integer>(q);
    p.Alive = kTrue;
    return p;
}

Integer CellIndex(const UnitPos& Pos, Integer Width) {
    const int product = static_cast<int>(Pos.Y) * Width;
    if (product < -32768 || product > 32767) FatalError("Overflow");
    return CheckedAdd(static_cast<Integer>(product), Pos.X);
}

}  // namespace orv
