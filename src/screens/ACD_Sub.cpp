#include "screens/ACD_Sub.h"

#include "platform/FocusRing.h"
#include "platform/KeyboardChoices.h"
#include "platform/Program.h"
#include "screens/AccessTexts.h"
#include "screens/GameApp.h"

namespace orv::ui {
namespace {

// Sections and keys of the settings file.
constexpr const char* kSound = "Sound";
constexpr const char* kBGM = "BGM";
constexpr const char* kSE = "SE";
constexpr const char* kSpec = "SPEC";
constexpr const char* kLow = "LOW";
constexpr const char* kClr = "CLR";
constexpr const char* kSet = "1";
constexpr const char* kUnset = "0";

}  // namespace

ACD_Sub::ACD_Sub(GameApp& game)
    : Form(assets::Screen("ACD_Sub"), &game.Window()), game_(game), controls_(this, Spec()) {
    connect(Command4(), &QAbstractButton::clicked, this, [this] { Command4_Click(); });
    connect(Command_Omake(), &QAbstractButton::clicked, this, [this] { Command_Omake_Click(); });
    connect(Command2(), &QAbstractButton::clicked, this, [this] { Command2_Click(); });
    // Every change of a box is its click, the player's and the activation's
    // alike: ticking a box from the file writes the same "1" back.
    connect(CheckBGM(), &QCheckBox::toggled, this, [this] { CheckBGM_Click(); });
    connect(CheckSE(), &QCheckBox::toggled, this, [this] { CheckSE_Click(); });
    connect(LowSpecMode(), &QCheckBox::toggled, this, [this] { LowSpecMode_Click(); });

    // The keyboard reaches the same handlers; assistive technology reads
    // what each control does, since none of them has a caption of its own.
    MakeKeyboardChoices(
        {Command4(), Command_Omake(), CheckSE(), CheckBGM(), LowSpecMode(), Command2()});
    new FocusRing(this);
    Command4()->setAccessibleName(Tr(access::kStart));
    Command_Omake()->setAccessibleName(Tr(access::kBonus));
    Command2()->setAccessibleName(Tr(access::kQuit));
    CheckSE()->setAccessibleName(Tr(access::kOptionSE));
    CheckBGM()->setAccessibleName(Tr(access::kOptionBGM));
    LowSpecMode()->setAccessibleName(Tr(access::kOptionLowSpec));
    setAccessibleDescription(Tr(access::kTitleKeys));
}

void ACD_Sub::Form_Activate() {
    // Whatever the last screen left playing stops here.
    game_.CloseAllSnd();
    // The file only ever ticks a box or shows the bonus; it never takes one back.
    if (game_.ReadSetting(kBGM, kSound) == kSet) CheckBGM()->setChecked(true);
    if (game_.ReadSetting(kSE, kSound) == kSet) CheckSE()->setChecked(true);
    if (game_.ReadSetting(kLow, kSpec) == kSet) LowSpecMode()->setChecked(true);
    const bool ch2 = game_.ReadSetting("CH2", kClr) == kSet;
    const bool ch1 = game_.ReadSetting("CH1", kClr) == kSet;
    const bool ch0 = game_.ReadSetting("CH0", kClr) == kSet;
    if (ch2 && ch1 && ch0) {
        Command_Omake()->setVisible(true);
        // Viewers opened from a battle after this lead on into the game.
        game_.State().FromOmakeMode = kFalse;
    }
    // Whoever comes back to the title finds the keyboard on the start button.
    Command4()->setFocus(Qt::OtherFocusReason);
}

void ACD_Sub::writeOption(QCheckBox* box, const char* key, const char* section) {
    // A failed write leaves the option for this run only.
    game_.WriteSetting(box->isChecked() ? kSet : kUnset, key, section);
}

void ACD_Sub::CheckBGM_Click() {
    writeOption(CheckBGM(), kBGM, kSound);
}
void ACD_Sub::CheckSE_Click() {
    writeOption(CheckSE(), kSE, kSound);
}
void ACD_Sub::LowSpecMode_Click() {
    writeOption(LowSpecMode(), kLow, kSpec);
}

void ACD_Sub::Command4_Click() {
    // The title out of sight has been left for another screen.
    if (isHidden()) return;
    GameState& gs = game_.State();
    gs.CharaIndex = 0;
    gs.StageIndex = 0;
    game_.OpenBattleScreen();
}

void ACD_Sub::Command_Omake_Click() {
    game_.OpenOmakeMode();
}

void ACD_Sub::Command2_Click() {
    game_.CloseAllSnd();
    EndProgram(0);
}

void ACD_Sub::Form_Unload(bool& cancel) {
    // Closing the title ends the game without a question.
    (void)cancel;
    game_.CloseAllSnd();
    EndProgram(0);
}

}  // namespace orv::ui
