#include "screens/GameApp.h"

#include <QDir>
#include <QFileInfo>
#include <QShortcut>
#include <cstdio>

#include "core/Startup.h"
#include "platform/GameFiles.h"
#include "platform/GameWindow.h"
#include "platform/MessageBox.h"
#include "platform/Program.h"
#include "rules/EndOfBattle.h"
#include "rules/Texts.h"
#include "screens/ACD_Continue.h"
#include "screens/ACD_Main.h"
#include "screens/ACD_OmakeCG0A.h"
#include "screens/ACD_OmakeCG0C.h"
#include "screens/ACD_OmakeMode.h"
#include "screens/ACD_Sub.h"
#include "screens/HowToPlay.h"
#include "screens/Wording.h"
#include "settings/IniFile.h"
#include "sound/SndModule.h"

namespace orv::ui {
namespace {

size_t slot(ScreenId id) {
    return static_cast<size_t>(id);
}

}  // namespace

bool AskQuitQuestion(QWidget* parent) {
    return AskYesNo(parent, Shown(text::kQuitQuestion), Shown(text::kQuitTitle));
}

void GameApp::ConfirmQuit(QWidget* parent, bool& cancel) {
    if (!AskQuitQuestion(parent)) {
        cancel = true;
        return;
    }
    CloseAllSnd();
    EndProgram(0);
}

bool GameApp::LeftBySwitch(QWidget* screen, bool& cancel) {
    if (state_.ScreenSwitching) {
        state_.ScreenSwitching = kFalse;
        return true;
    }
    ConfirmQuit(screen, cancel);
    return false;
}

GameApp::GameApp(std::optional<std::uint32_t> seed) : window_(std::make_unique<GameWindow>()) {
    state_.Rng.Seed(seed ? *seed : UniformRandom::ClockSeed());
    // F1 on every screen: the window's own key, which a box open over it holds back.
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), window_.get());
    QObject::connect(help, &QShortcut::activated, window_.get(),
                     [window = window_.get()] { ShowHowToPlay(window); });
}

GameApp::~GameApp() {
    for (auto& f : forms_) delete f.data();
}

Form* GameApp::create(ScreenId id) {
    switch (id) {
        case ScreenId::ACD_Sub:
            return new ACD_Sub(*this);
        case ScreenId::ACD_Main:
            return new ACD_Main(*this);
        case ScreenId::ACD_Continue:
            return new ACD_Continue(*this);
        case ScreenId::ACD_OmakeMode:
            return new ACD_OmakeMode(*this);
        case ScreenId::ACD_OmakeCG0A:
            return new ACD_OmakeCG0A(*this);
        case ScreenId::ACD_OmakeCG0C:
            return new ACD_OmakeCG0C(*this);
    }
    return nullptr;
}

Form& GameApp::FormOf(ScreenId id) {
    QPointer<Form>& f = forms_[slot(id)];
    if (!f || f->IsUnloaded()) {
        f = create(id);
        // An unloaded screen is gone for the game at once, even before Qt deletes it.
        QObject::connect(f.data(), &Form::unloaded, f.data(), [this, id, form = f.data()] {
            if (forms_[slot(id)] == form) forms_[slot(id)] = nullptr;
        });
    }
    return *f;
}

ACD_Sub& GameApp::Sub() {
    return static_cast<ACD_Sub&>(FormOf(ScreenId::ACD_Sub));
}

ACD_Main* GameApp::Main_() const {
    return static_cast<ACD_Main*>(forms_[slot(ScreenId::ACD_Main)].data());
}

void GameApp::Main() {
    InitGameData(state_);
    Sub().ShowForm();
}

void GameApp::OpenBattleScreen() {
    ACD_Sub& sub = Sub();
    Form& battle = FormOf(ScreenId::ACD_Main);
    battle.SetTop(sub.Top());
    battle.SetLeft(sub.Left());
    battle.ShowForm();
    sub.hide();
}

void GameApp::OpenOmakeMode() {
    ACD_Sub& sub = Sub();
    Form& menu = FormOf(ScreenId::ACD_OmakeMode);
    menu.SetTop(sub.Top());
    menu.SetLeft(sub.Left());
    menu.ShowForm();
    sub.hide();
}

void GameApp::SwitchForm(ScreenId newForm, Form* oldForm) {
    // A screen that has been left already leads nowhere any more: the end of
    // a battle reached behind an open box, or a second click of a double click.
    if (oldForm->IsUnloaded()) return;
    Form& next = FormOf(newForm);
    next.SetTop(oldForm->Top());
    next.SetLeft(oldForm->Left());
    next.ShowForm();
    if (oldForm == &Sub()) {
        oldForm->hide();  // the title stays loaded for the whole run
        return;
    }
    state_.ScreenSwitching = kTrue;
    oldForm->Unload();
    // The old screen's unload clears it; nothing may leave it set for the
    // next close of a window, which would then go without its question.
    state_.ScreenSwitching = kFalse;
}

// A viewer left already - a second click of a double click - moves the
// stage no further.
void GameApp::LeaveOmakeCG0A(Form& Viewer) {
    if (Viewer.IsUnloaded()) return;
    SwitchForm(orv::LeaveOmakeCG0A(state_), &Viewer);
}

void GameApp::LeaveOmakeCG0C(Form& Viewer) {
    if (Viewer.IsUnloaded()) return;
    SwitchForm(orv::LeaveOmakeCG0C(state_), &Viewer);
}

std::string GameApp::SettingsPath() const {
    if (settingsOverride_) return *settingsOverride_;
    return SettingsFilePath().toStdString();
}

std::string GameApp::ReadSetting(const char* key, const char* section) const {
    return ReadIni(key, section, SettingsPath());
}

void GameApp::WriteSetting(const char* value, const char* key, const char* section) {
    const std::string path = SettingsPath();
    QString problem;
    if (path.empty()) {
        problem = Files().settingsProblem;
    } else {
        const QString folder = QFileInfo(QString::fromStdString(path)).absolutePath();
        if (!QDir().mkpath(folder))
            problem = QStringLiteral("the folder %1 cannot be made").arg(folder);
        else if (!WriteIni(value, key, section, path))
            problem = QStringLiteral("%1 cannot be written").arg(QString::fromStdString(path));
    }
    if (problem.isEmpty() || settingsWarned_) return;
    settingsWarned_ = true;
    std::fprintf(stderr,
                 "Orvalis: warning: options are not saved (%s); they apply until the game ends\n",
                 qPrintable(problem));
}

// The full path of a sound is also the name of its device.
static std::string soundPath(const std::string& relativePath) {
    return ResolveAppPath(relativePath).toStdString();
}

void GameApp::PlaySnd(const std::string& relativePath) {
    sound::PlaySnd(soundPath(relativePath));
}
void GameApp::CloseSnd(const std::string& relativePath) {
    sound::CloseSnd(soundPath(relativePath));
}
void GameApp::CloseAllSnd() {
    sound::CloseAllSnd();
}
std::string GameApp::SndMode(const std::string& relativePath) {
    return sound::SndMode(soundPath(relativePath));
}

void GameApp::CloseEffectSounds() {
    for (const char* s : {text::kSndMiss, text::kSndAdjacent, text::kSndCommand, text::kSndCombat,
                          text::kSndMessage})
        CloseSnd(s);
}

}  // namespace orv::ui
