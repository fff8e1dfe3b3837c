#pragma once
// Bonus viewer C: a picture taller than the window that scrolls up, and a
// second picture that takes its place on a click.
#include <QLabel>
#include <QTimer>

#include "core/Types.h"
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

    // Twips per scroll tick: 2 with smooth scrolling ticked on the title, else 4.
    Integer ScrollStep() const { return scrollStep_; }
    // Image1.Top in twips, kept exactly; the widget only has whole pixels.
    int Image1Top() const { return image1Top_; }

    // Timer handlers: what one tick does (the timers call these).
    void Timer1_Timer();
    void TimerSnd_Timer();

protected:
    void Form_Activate() override;
    void Form_Unload(bool& cancel) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Image1_Click();
    void SetImage1Top(int twips);

    GameApp& game_;
    Controls controls_;
    QTimer timer1_;
    QTimer timerSnd_;
    Integer scrollStep_ = 0;  // a tick before the first activation moves nothing
    int image1Top_ = 0;
};

}  // namespace orv::ui
