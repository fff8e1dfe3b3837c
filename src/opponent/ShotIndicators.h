#pragma once
// The icons of the shots left in the current turn.
#include "rules/Battle.h"

namespace orv {

void ShowShotsLeft_M(Battle& b);
void ShowShotsLeft_E(Battle& b);

}  // namespace orv
