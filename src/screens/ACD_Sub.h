#pragma once
// The title screen: start, bonus and quit buttons and the three option boxes.
// It stays loaded for the whole run; its boxes are the game's live options.
#include <QCheckBox>
#include <memory>

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
    void Form_Activate() override;
    void Form_Unload(bool& cancel) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Command4_Click();
    void Command_Omake_Click();
    void Command2_Click();
    void CheckBGM_Click();
    void CheckSE_Click();
    void LowSpecMode_Click();
    void writeOption(QCheckBox* box, const char* key, const char* section);
    void prepareBattle();
    void growDrawingSurface(QSize size);

    GameApp& game_;
    Controls controls_;
    // The battle's loading done ahead while the title waits for the player.
    int preparedSteps_ = 0;
    bool preparing_ = false;
    std::unique_ptr<Form> preview_;  // the battle screen, built out of sight
};

}  // namespace orv::ui
