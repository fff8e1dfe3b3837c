#include "rules/Reactions.h"

#include "rules/MessageLine.h"
#include "rules/Texts.h"

namespace orv {
namespace {

int faceIndex(const std::string& face) {
    if (face == text::kFaceAngry) return 1;
    if (face == text::kFaceSmiling) return 2;
    return 0;
}

}  // namespace

void LoadCharaPicture(Play& b) {
    b.view.LoadPortrait(b.gs.CharaTable(b.gs.CharaIndex).Portrait);
    b.view.ShowFace(0);
}

void SetCharaFace(Play& b, const std::string& Face) {
    const int index = faceIndex(Face);
    CharaData& chara = b.gs.CharaTable(b.gs.CharaIndex);
    b.view.ShowFace(index);
    ShowMessage(b, chara.Lines(index));
    // Reloading restarts the countdown, so a quick second hit keeps the face.
    chara.MsgTicks = chara.MsgTicksInit;
    chara.FaceTicks = chara.FaceTicksInit;
    b.view.SetTimerEnabled(BattleTimer::CharaPicTimer, true);
}

}  // namespace orv
