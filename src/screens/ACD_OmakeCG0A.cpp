#include "screens/ACD_OmakeCG0A.h"

#include <QKeyEvent>

#include "rules/Texts.h"
#include "screens/ACD_Sub.h"
#include "screens/AccessTexts.h"
#include "screens/Clicks.h"
#include "screens/GameApp.h"
#include "screens/KeyTable.h"

namespace orv::ui {

ACD_OmakeCG0A::ACD_OmakeCG0A(GameApp& game)
    : Form(assets::Screen("ACD_OmakeCG0A"), &game.Window()),
      game_(game),
      controls_(Client(), Spec()) {
    setAttribute(Qt::WA_DeleteOnClose);
    // Off until the viewer is shown with music on.
    if (TimerFromTable(timerSnd_, Spec(), "TimerSnd")) timerSnd_.start();
    connect(&timerSnd_, &QTimer::timeout, this, [this] { TimerSnd_Timer(); });
    // Form_Click and Image1_Click.
    OnClick(this, [this] { game_.LeaveOmakeCG0A(*this); });
    OnClick(Image1(), [this] { game_.LeaveOmakeCG0A(*this); });
    Image1()->setAccessibleName(Tr(access::kBonusPicture));
    setAccessibleDescription(Tr(access::kViewerKeys));
}

void ACD_OmakeCG0A::keyPressEvent(QKeyEvent* event) {
    // Every key that moves on is the click; Escape leaves the same way.
    if (!event->isAutoRepeat() && Answers(KeyPlace::Viewer, *event)) {
        game_.LeaveOmakeCG0A(*this);
        return;
    }
    Form::keyPressEvent(event);
}

void ACD_OmakeCG0A::Form_Activate() {
    if (game_.Sub().CheckBGM()->isChecked()) return;
    game_.PlaySnd(text::kSndOmakeBGM);
    timerSnd_.start();
}

void ACD_OmakeCG0A::TimerSnd_Timer() {
    // The music starts over at most half a second after it ends.
    if (game_.SndMode(text::kSndOmakeBGM) != text::kSndStopped) return;
    game_.CloseSnd(text::kSndOmakeBGM);
    game_.PlaySnd(text::kSndOmakeBGM);
}

void ACD_OmakeCG0A::Form_Unload(bool& cancel) {
    if (!game_.LeftBySwitch(this, cancel)) return;
    game_.CloseSnd(text::kSndOmakeBGM);
    timerSnd_.stop();
}

}  // namespace orv::ui
