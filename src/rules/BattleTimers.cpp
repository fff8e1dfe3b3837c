#include "rules/BattleTimers.h"

#include "rules/Texts.h"

namespace orv {

namespace {
constexpr int kSlideStep = 40;  // twips per tick while the message slides away
}

void TimerMsg_Timer(Play& b) {
    GameState& gs = b.gs;
    BattleView& view = b.view;
    if (gs.MsgState == text::kMsgFirst) {
        gs.MsgState = text::kMsgCome;
        view.SetTimerInterval(BattleTimer::TimerMsg, gs.MsgIntervalCome);
        view.SetMsgTop(gs.MsgTopFirst);
    }
    // Falls straight through from "First": the label never rests at MsgTopFirst.
    if (gs.MsgState == text::kMsgCome) {
        view.SetMsgTop(gs.MsgTopStop);
        gs.MsgState = text::kMsgStop;
        view.SetTimerInterval(BattleTimer::TimerMsg, gs.MsgIntervalStop);
    } else if (gs.MsgState == text::kMsgStop) {
        gs.MsgState = text::kMsgGo;
        view.SetTimerInterval(BattleTimer::TimerMsg, gs.MsgIntervalGo);
    } else if (gs.MsgState == text::kMsgGo) {
        if (view.MsgTop() >= gs.MsgTopEnd) {
            view.SetTimerEnabled(BattleTimer::TimerMsg, false);
            gs.MsgState.clear();
        } else {
            view.SetMsgTop(view.MsgTop() + kSlideStep);
        }
    }
}

void CharaPicTimer_Timer(Play& b) {
    CharaData& chara = b.gs.CharaTable(b.gs.CharaIndex);
    Dec(chara.MsgTicks);
    Dec(chara.FaceTicks);
    if (chara.FaceTicks <= 0) {
        b.view.ShowFace(0);
        b.view.SetTimerEnabled(BattleTimer::CharaPicTimer, false);
    }
}

void TimerSnd_Timer(Play& b) {
    if (b.view.SndMode(text::kSndMainBGM) != text::kSndStopped) return;
    b.view.CloseSnd(text::kSndMainBGM);
    b.view.PlaySnd(text::kSndMainBGM);
}

}  // namespace orv
