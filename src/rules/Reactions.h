#pragma once
// The opponent's portrait and lines.
#include <string>

#include "rules/Play.h"

namespace orv {

void LoadCharaPicture(Play& b);
// "普通", "怒り" or "笑顔" (anything else counts as "普通").
void SetCharaFace(Play& b, const std::string& Face);

}  // namespace orv
