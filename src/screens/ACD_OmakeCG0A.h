#pragma once
// Bonus viewer A: one picture filling the window, with its music loop.
#include <QLabel>
#include <QTimer>

#include "platform/Controls.h"
#include "platform/Form.h"

namespace orv::ui {

class GameApp;

class ACD_OmakeCG0A : public Form {
    Q_OBJECT
public:
    explicit ACD_OmakeCG0A(GameApp& game);

    QLabel* Image1() const { return controls_.As<QLabel>("Image1"); }
    QTimer& TimerSnd() { return timerSnd_; }
    const Controls& Widgets() const { return controls_; }

    // Timer handler: what one tick does (the timer calls it).
    void TimerSnd_Timer();

protected:
    void Form_Activate() override;
    void Form_Unload(bool& cancel) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    GameApp& game_;
    Controls controls_;
    QTimer timerSnd_;
};

}  // namespace orv::ui
