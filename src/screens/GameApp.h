#pragma once
// The running game: the shared state and the single instance of each screen,
// created on first use and forgotten when unloaded.
#include <QPointer>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/BattleView.h"
#include "core/GameState.h"

namespace orv::ui {

class Form;
class ACD_Sub;
class ACD_Main;

class GameApp {
public:
    // A fixed seed replays the same battles (tests); without one the clock seeds.
    explicit GameApp(std::optional<std::uint32_t> seed = std::nullopt);
    ~GameApp();
    GameApp(const GameApp&) = delete;
    GameApp& operator=(const GameApp&) = delete;

    GameState& State() { return state_; }

    // The single instance of a screen, created (loaded) on first use.
    Form& FormOf(ScreenId id);
    ACD_Sub& Sub();
    ACD_Main* Main_() const;  // the battle screen if one is loaded

    // Start-up: fills the game data and shows the title screen.
    void Main();

    // The title's start: a fresh battle screen where the title stands.
    void OpenBattleScreen();

    // The new screen takes the old one's place, is shown and focused, and the
    // old one is unloaded without a question.
    void SwitchForm(ScreenId newForm, Form* oldForm);

    // Sounds by relative path ("\snd\MainBGM.wav").
    void PlaySnd(const std::string& relativePath);
    void CloseSnd(const std::string& relativePath);
    void CloseAllSnd();
    std::string SndMode(const std::string& relativePath);
    void CloseEffectSounds();

private:
    Form* create(ScreenId id);

    GameState state_;
    std::array<QPointer<Form>, 6> forms_;
};

}  // namespace orv::ui
