#include "screens/ACD_Continue.h"
#include "screens/KeyTable.h"

#include <QKeyEvent>

#include "screens/AccessTexts.h"
#include "screens/Clicks.h"
#include "screens/GameApp.h"

namespace orv::ui {

ACD_Continue::ACD_Continue(GameApp& game)
    : Form(assets::Screen("ACD_Continue"), &game.Window()),
      game_(game),
      controls_(Client(), Spec()) {
    setAttribute(Qt::WA_DeleteOnClose);
    OnClick(Image2(), [this] { Image2_Click(); });
    OnClick(Image3(), [this] { Image3_Click(); });
    Image1()->setAccessibleName(Tr(access::kContinueQuestion));
    Image2()->setAccessibleName(Tr(access::kContinueYes));
    Image3()->setAccessibleName(Tr(access::kContinueNo));
    setAccessibleName(Tr(access::kContinueQuestion));
    setAccessibleDescription(Tr(access::kContinueKeys));
    // Form_Load: the desktop's corner; whoever opens the screen moves it next.
    SetTop(0);
    SetLeft(0);
}

// An answer that comes once the screen has been left changes nothing.

void ACD_Continue::Image2_Click() {
    if (IsUnloaded()) return;
    // Same opponent, same stage, a freshly deployed battle.
    game_.SwitchForm(ScreenId::ACD_Main, this);
}

void ACD_Continue::Image3_Click() {
    if (IsUnloaded()) return;
    game_.State().StageIndex = 0;
    game_.SwitchForm(ScreenId::ACD_Sub, this);
}

void ACD_Continue::keyPressEvent(QKeyEvent* event) {
    if (!Answers(KeyPlace::Continue, *event)) {
        Form::keyPressEvent(event);
        return;
    }
    if (event->isAutoRepeat()) return;
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Y:
            Image2_Click();
            return;
        case Qt::Key_Escape:
        case Qt::Key_N:
            Image3_Click();
            return;
        default:
            Form::keyPressEvent(event);
    }
}

void ACD_Continue::Form_Unload(bool& cancel) {
    game_.LeftBySwitch(this, cancel);
}

}  // namespace orv::ui
