#pragma once
// The opponent's portrait and lines.
#include <string>

#include "rules/Battle.h"

namespace orv {

void LoadCharaPicture(Battle& b);
// "普通", "怒り" or "笑顔" (anything else counts as "普通").
void SetCharaFace(Battle& b, const std::string& Face);

}  // namespace orv
