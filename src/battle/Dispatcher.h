#pragma once
// The single entry point of the rules: one step per pair of event and phase.
#include <string>

#include "battle/Battle.h"

namespace orv {

// The caller stores the event's name in gs.EventName first.
void DispatchGameEvent(Battle& b, Grid grid);

// The deployment prompts with the number of vehicles still to place.
std::string CommandPrompt(int remaining);
std::string CombatPrompt(int remaining);

}  // namespace orv
