#pragma once
// The engine's words as the player reads them. The engine writes the game's
// Japanese into the message line, the prompt and the boxes, and keeps
// comparing it; the screen shows it as it is, or in English - the prompts
// with their count.
#include <QString>
#include <string>

namespace orv::ui {

QString Shown(const std::string& engineText);

}  // namespace orv::ui
