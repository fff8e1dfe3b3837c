#pragma once
// The continue screen after a lost battle: a question banner and two picture
// answers, yes on the left and no on the right.
#include <QLabel>

#include "platform/Controls.h"
#include "platform/Form.h"

namespace orv::ui {

class GameApp;

class ACD_Continue : public Form {
    Q_OBJECT
public:
    explicit ACD_Continue(GameApp& game);

    QLabel* Image1() const { return controls_.As<QLabel>("Image1"); }
    QLabel* Image2() const { return controls_.As<QLabel>("Image2"); }
    QLabel* Image3() const { return controls_.As<QLabel>("Image3"); }
    const Controls& Widgets() const { return controls_; }

    // The two answers: the same stage again, or back to the title.
    void Image2_Click();
    void Image3_Click();

protected:
    void Form_Unload(bool& cancel) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    GameApp& game_;
    Controls controls_;
};

}  // namespace orv::ui
