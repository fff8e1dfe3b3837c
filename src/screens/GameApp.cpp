#include "screens/GameApp.h"

#include "core/Startup.h"
#include "screens/ACD_Sub.h"

namespace orv::ui {

GameApp::GameApp() { state_.Rng.Seed(UniformRandom::ClockSeed()); }

GameApp::~GameApp() { delete sub_.data(); }

ACD_Sub& GameApp::Sub() {
    if (!sub_) sub_ = new ACD_Sub(*this);
    return *sub_;
}

void GameApp::Main() {
    InitGameData(state_);
    Sub().ShowForm();
}

}  // namespace orv::ui
