#pragma once
// The icons of the shots left in the current turn.
#include "rules/Play.h"

namespace orv {

void ShowShotsLeft_M(Play& b);
void ShowShotsLeft_E(Play& b);

}  // namespace orv
