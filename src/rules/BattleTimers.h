#pragma once
// What one tick of the battle screen's timers does.
#include "rules/Battle.h"

namespace orv {

void TimerMsg_Timer(Battle& b);       // message slide
void CharaPicTimer_Timer(Battle& b);  // face back to normal
void TimerSnd_Timer(Battle& b);       // battle music loop

}  // namespace orv
