#pragma once
// The bonus menu: a picture button for each viewer (elements 0 and 2; there
// has never been an element 1) and a way back to the title.
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/PictureButton.h"

namespace orv::ui {

class GameApp;

class ACD_OmakeMode : public Form {
    Q_OBJECT
public:
    explicit ACD_OmakeMode(GameApp& game);

    PictureButton* Command_Omake(int index) const {
        return controls_.As<PictureButton>("Command_Omake", index);
    }
    PictureButton* Command_Exit() const { return controls_.As<PictureButton>("Command_Exit"); }
    const Controls& Widgets() const { return controls_; }

protected:
    void Form_Activate() override;
    void Form_Unload(bool& cancel) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Command_Omake_Click(int Index);
    void Command_Exit_Click();

    GameApp& game_;
    Controls controls_;
};

}  // namespace orv::ui
