#pragma once
// The running game: the shared state and the single instance of each screen,
// created on first use and forgotten when unloaded.
#include <QPointer>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/BattleView.h"
#include "core/GameState.h"

class QWidget;

namespace orv::ui {

class Form;
class GameWindow;
class ACD_Sub;
class ACD_Main;

// The quit question of every screen but the title; true when the answer is Yes.
bool AskQuitQuestion(QWidget* parent);

class GameApp {
public:
    // A fixed seed replays the same battles (tests); without one the clock seeds.
    explicit GameApp(std::optional<std::uint32_t> seed = std::nullopt);
    ~GameApp();
    GameApp(const GameApp&) = delete;
    GameApp& operator=(const GameApp&) = delete;

    GameState& State() { return state_; }
    // The one window every screen is shown in.
    GameWindow& Window() { return *window_; }

    // The user closed a window (or chose to quit): ask, and on Yes close every
    // sound and end the game; on No set cancel and the screen stays as it was.
    void ConfirmQuit(QWidget* parent, bool& cancel);
    // The unload of a screen left by SwitchForm passes (true, ScreenSwitching
    // cleared); any other is the player closing it, asked as ConfirmQuit asks.
    bool LeftBySwitch(QWidget* screen, bool& cancel);

    // The single instance of a screen, created (loaded) on first use.
    Form& FormOf(ScreenId id);
    ACD_Sub& Sub();
    ACD_Main* Main_() const;  // the battle screen if one is loaded

    // Start-up: fills the game data and shows the title screen.
    void Main();

    // The title's start: a fresh battle screen where the title stands.
    void OpenBattleScreen();
    // The title's bonus button: the bonus menu where the title stands.
    void OpenOmakeMode();

    // The new screen takes the old one's place, is shown and focused, and the
    // old one is unloaded without a question.
    void SwitchForm(ScreenId newForm, Form* oldForm);

    // A click on a bonus viewer: back to the bonus menu, or on into the game.
    void LeaveOmakeCG0A(Form& Viewer);
    void LeaveOmakeCG0C(Form& Viewer);

    // The settings file (beside the game, or the player's own), looked up
    // anew for every access so a file that appears or moves is found; empty
    // when the player has no place for one.
    std::string SettingsPath() const;
    // Tests keep their settings file out of the shared application folder.
    void UseSettingsFile(const std::string& path) { settingsOverride_ = path; }

    // One key of the settings file: "ERROR" when it is missing.
    std::string ReadSetting(const char* key, const char* section) const;
    // Stores one key, creating the settings folder on the first write. A
    // write that fails leaves the option for this run only and says so once
    // on stderr.
    void WriteSetting(const char* value, const char* key, const char* section);

    // Sounds by relative path ("\snd\MainBGM.wav").
    void PlaySnd(const std::string& relativePath);
    void CloseSnd(const std::string& relativePath);
    void CloseAllSnd();
    std::string SndMode(const std::string& relativePath);
    void CloseEffectSounds();

private:
    Form* create(ScreenId id);

    GameState state_;
    std::unique_ptr<GameWindow> window_;
    std::array<QPointer<Form>, 6> forms_;
    std::optional<std::string> settingsOverride_;
    bool settingsWarned_ = false;
};

}  // namespace orv::ui
