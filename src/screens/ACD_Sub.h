#pragma once
// The title screen: start, bonus and quit buttons and the three option boxes.
#include <QCheckBox>

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/PictureButton.h"

namespace orv::ui {

class GameApp;

class ACD_Sub : public Form {
    Q_OBJECT
public:
    explicit ACD_Sub(GameApp& game);

    PictureButton* Command4() const { return controls_.As<PictureButton>("Command4"); }
    PictureButton* Command_Omake() const { return controls_.As<PictureButton>("Command_Omake"); }
    PictureButton* Command2() const { return controls_.As<PictureButton>("Command2"); }
    QCheckBox* CheckSE() const { return controls_.As<QCheckBox>("CheckSE"); }
    QCheckBox* CheckBGM() const { return controls_.As<QCheckBox>("CheckBGM"); }
    QCheckBox* LowSpecMode() const { return controls_.As<QCheckBox>("LowSpecMode"); }
    const Controls& Widgets() const { return controls_; }

protected:
    void Form_Unload(bool& cancel) override;

private:
    void Command4_Click();
    void Command2_Click();

    GameApp& game_;
    Controls controls_;
};

}  // namespace orv::ui
