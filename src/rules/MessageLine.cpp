#include "rules/MessageLine.h"

#include "rules/Texts.h"

namespace orv {

void ShowMessage(Play& p, const std::string& Text) {
    p.view.SetMsgCaption(Text);
    p.gs.MsgState = text::kMsgFirst;
    p.view.SetTimerInterval(BattleTimer::TimerMsg, 1);
    p.view.SetTimerEnabled(BattleTimer::TimerMsg, true);
}

}  // namespace orv
