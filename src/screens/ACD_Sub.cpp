#include "screens/ACD_Sub.h"

#include <QBackingStore>
#include <QLabel>
#include <QPainter>
#include <QTimer>

#include "assets/AssetTable.h"
#include "platform/FocusRing.h"
#include "platform/GameFiles.h"
#include "platform/KeyboardChoices.h"
#include "platform/Language.h"
#include "platform/Pictures.h"
#include "platform/Program.h"
#include "rules/Texts.h"
#include "screens/ACD_Main.h"
#include "screens/AccessTexts.h"
#include "screens/GameApp.h"
#include "screens/Wording.h"
#include "sound/SndModule.h"

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

constexpr int kPreparationSteps = 10;

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

void ACD_Sub::paintEvent(QPaintEvent* event) {
    Form::paintEvent(event);
    // The title is on the screen: while the player looks at it, the battle's
    // loading is done ahead, a step per turn of the event loop so a click
    // never waits long behind it.
    if (preparing_ || preparedSteps_ >= kPreparationSteps) return;
    preparing_ = true;
    QTimer::singleShot(0, this, [this] { prepareBattle(); });
}

void ACD_Sub::prepareBattle() {
    preparing_ = false;
    // Left for another screen: the rest waits until the title is back.
    if (!isVisible()) return;
    auto picture = [](const std::string& relative, QSize cells) {
        // Quietly: a broken picture is the battle's to report.
        PreparePicture(ResolveAppPath(relative), cells);
    };
    auto openAndClose = [](const char* relative) {
        const std::string name = '"' + ResolveAppPath(relative).toStdString() + '"';
        char none[1] = {'\0'};
        sound::mciSendString("open " + name, none, 0, 0);
        sound::mciSendString("close " + name, none, 0, 0);
    };
    const assets::ScreenSpec& battle = assets::Screen("ACD_Main");
    // Sound only when the battle opens with music: a player who has it off
    // may want no sound at all.
    const bool music = !CheckBGM()->isChecked();
    switch (preparedSteps_++) {
        case 0:
            // The sound system starts with the first sound opened, the
            // shortest one; the music is decoded on its own.
            if (music) openAndClose(text::kSndMiss);
            break;
        case 1:
            if (music) openAndClose(text::kSndMainBGM);
            break;
        case 2:
            picture(ACD_Main::kFieldPictureE, {19, 9});
            break;
        case 3:
            picture(ACD_Main::kFieldPictureM, {19, 9});
            break;
        case 4:
            picture(ACD_Main::kSpritePicture, {assets::kSpriteCells, 1});
            break;
        case 5:
            // The title's start always opens the first character's battle.
            picture(game_.State().CharaTable(0).Portrait, {assets::kPortraitCells, 1});
            break;
        case 6:
            // The battle screen built out of sight and drawn once: its stored
            // pictures, menu bar and fonts stay loaded for the battle.
            preview_ = std::make_unique<Form>(battle);
            break;
        case 7:
            for (const assets::ControlSpec& c : battle.controls)
                if (c.kind == assets::ControlKind::Menu)
                    preview_->MenuBarAction(Tr(c.caption, kCaption), [] {});
            break;
        case 8: {
            const Controls controls(preview_->Client(), battle);
            // The labels the battle fills in carry words of the kinds it
            // writes there: the stage and the opponent's lines.
            const CharaData& first = game_.State().CharaTable(0);
            const QString words = Shown(std::string(text::kStagePrefix) + "1 " + first.Lines(0));
            for (const assets::ControlSpec& c : battle.controls)
                if (c.kind == assets::ControlKind::Label && c.caption && !*c.caption)
                    controls.As<QLabel>(c.name, c.index)->setText(words);
            // Drawn a band at a time: the picture it is drawn into stays small.
            QImage band(preview_->width(), 40, QImage::Format_ARGB32_Premultiplied);
            for (int y = 0; y < preview_->height(); y += band.height())
                preview_->render(&band, {}, QRegion(0, y, band.width(), band.height()));
            break;
        }
        case 9:
            growDrawingSurface(preview_->size());
            preview_.reset();
            break;
    }
    if (preparedSteps_ < kPreparationSteps) {
        preparing_ = true;
        QTimer::singleShot(0, this, [this] { prepareBattle(); });
    }
}

void ACD_Sub::growDrawingSurface(QSize size) {
    // The window's drawing surface is made anew, untouched, the first time
    // the window grows, and its first fill is costly; a larger one is kept
    // when the window shrinks back. Grown and filled now, never shown: the
    // next paint sizes it to the title again and draws the title whole.
    QBackingStore* store = window()->backingStore();
    if (!store ||
        (size.width() <= store->size().width() && size.height() <= store->size().height()))
        return;
    const QRect area(QPoint(), size.expandedTo(store->size()));
    store->resize(area.size());
    store->beginPaint(area);
    QPainter(store->paintDevice()).fillRect(area, Qt::black);
    store->endPaint();
    window()->update();
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
