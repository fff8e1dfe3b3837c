#include "screens/ACD_OmakeMode.h"
#include "screens/KeyTable.h"

#include <QKeyEvent>

#include "platform/FocusRing.h"
#include "platform/KeyboardChoices.h"
#include "screens/AccessTexts.h"
#include "screens/GameApp.h"

namespace orv::ui {

ACD_OmakeMode::ACD_OmakeMode(GameApp& game)
    : Form(assets::Screen("ACD_OmakeMode"), &game.Window()),
      game_(game),
      controls_(Client(), Spec()) {
    setAttribute(Qt::WA_DeleteOnClose);
    for (int index : {0, 2})
        connect(Command_Omake(index), &QAbstractButton::clicked, this,
                [this, index] { Command_Omake_Click(index); });
    connect(Command_Exit(), &QAbstractButton::clicked, this, [this] { Command_Exit_Click(); });
    MakeKeyboardChoices({Command_Omake(0), Command_Omake(2), Command_Exit()});
    new FocusRing(this);
    Command_Omake(0)->setAccessibleName(Tr(access::kViewerA));
    Command_Omake(2)->setAccessibleName(Tr(access::kViewerC));
    Command_Exit()->setAccessibleName(Tr(access::kBonusExit));
    // Form_Load: the desktop's corner; whoever opens the menu moves it next.
    SetTop(0);
    SetLeft(0);
}

void ACD_OmakeMode::Form_Activate() {
    // A viewer's music ends when the menu comes back.
    game_.CloseAllSnd();
    // The viewers opened from here come back here.
    game_.State().FromOmakeMode = kTrue;
    Command_Omake(0)->setFocus(Qt::OtherFocusReason);
}

void ACD_OmakeMode::keyPressEvent(QKeyEvent* event) {
    if (Answers(KeyPlace::BonusMenu, *event) && event->key() == Qt::Key_Escape &&
        !event->isAutoRepeat()) {
        Command_Exit_Click();
        return;
    }
    Form::keyPressEvent(event);
}

void ACD_OmakeMode::Command_Omake_Click(int Index) {
    if (Index == 0) game_.SwitchForm(ScreenId::ACD_OmakeCG0A, this);
    if (Index == 2) game_.SwitchForm(ScreenId::ACD_OmakeCG0C, this);
}

void ACD_OmakeMode::Command_Exit_Click() {
    game_.SwitchForm(ScreenId::ACD_Sub, this);
}

void ACD_OmakeMode::Form_Unload(bool& cancel) {
    game_.LeftBySwitch(this, cancel);
}

}  // namespace orv::ui
