#pragma once
// The sliding message line of the battle screen.
#include <string>

#include "rules/Play.h"

namespace orv {

// Puts a text into the message line and starts its slide.
void ShowMessage(Play& p, const std::string& Text);

}  // namespace orv
