#pragma once
// The running game: the shared state and the single instance of each screen,
// created on first use.
#include <QPointer>

#include "core/GameState.h"

namespace orv::ui {

class ACD_Sub;

class GameApp {
public:
    GameApp();
    ~GameApp();
    GameApp(const GameApp&) = delete;
    GameApp& operator=(const GameApp&) = delete;

    GameState& State() { return state_; }

    ACD_Sub& Sub();

    // Start-up: fills the game data and shows the title screen.
    void Main();

private:
    GameState state_;
    QPointer<ACD_Sub> sub_;
};

}  // namespace orv::ui
