#pragma once
// Bonus viewer C: a picture taller than the window that scrolls up, and a
// second picture that takes its place on a click.
#include <QLabel>
#include <QTimer>

#include "platform/Controls.h"
#include "platform/Form.h"

namespace orv::ui {

class GameApp;

class ACD_OmakeCG0C : public Form {
    Q_OBJECT
public:
    explicit ACD_OmakeCG0C(GameApp& game);

    QLabel* Image1() const { return controls_.As<QLabel>("Image1"); }
    QLabel* Image2() const { return controls_.As<QLabel>("Image2"); }
    QTimer& Timer1() { return timer1_; }
    QTimer& TimerSnd() { return timerSnd_; }
    const Controls& Widgets() const { return controls_; }

protected:
    void Form_Unload(bool& cancel) override;

private:
    [[maybe_unused]] GameApp& game_;  // for the screen flow
    Controls controls_;
    QTimer timer1_;
    QTimer timerSnd_;
};

}  // namespace orv::ui
