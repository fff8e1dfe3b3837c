#pragma once
// What one tick of the battle screen's timers does.
#include "rules/Play.h"

namespace orv {

void TimerMsg_Timer(Play& b);       // message slide
void CharaPicTimer_Timer(Play& b);  // face back to normal
void TimerSnd_Timer(Play& b);       // battle music loop

}  // namespace orv
