#pragma once
// What the rules and the opponent do to the battle screen. The battle screen
// implements it with widgets; the tests and the simulator implement it with a
// recorder. Nothing else of the screen is visible to the engine.
#include <string>

#include "core/Types.h"

namespace orv {

enum class Grid { None, FG_E, FG_M };

// Rows of status icons: remaining vehicles and remaining shots of the turn.
enum class IconRow { ImageRemSen_M, ImageRemSiki_M, ImageRemSen_E, ImageRemSiki_E, ImageRemShot_P, ImageRemShot_E };

// Labels whose caption the engine writes besides the message line and prompt.
enum class Readout { PLShot, CPShot, StageNo, CharaNo };

enum class ScreenId { ACD_Sub, ACD_Main, ACD_Continue, ACD_OmakeMode, ACD_OmakeCG0A, ACD_OmakeCG0C };

// The option check boxes of the title screen.
enum class OptionBox { CheckSE, CheckBGM, LowSpecMode };

enum class BattleTimer { TimerMsg, CharaPicTimer, TimerSnd, CpTurn };

class BattleView {
public:
    virtual ~BattleView() = default;

    // Battle set-up on the screen: shape both grids and lay the field
    // pictures behind their cells; prepare the cell-picture surfaces and the
    // sprite sheet. A picture that cannot be loaded stops the game.
    virtual void SetupGrids() = 0;
    virtual void InitCellPictures() = 0;

    // Grids: the current cell (set by a click, or by the engine) and the
    // current cell's background colour (0x00BBGGRR).
    virtual int GridCol(Grid grid) = 0;
    virtual int GridRow(Grid grid) = 0;
    virtual void SetGridCell(Grid grid, int col, int row) = 0;
    virtual void SetCellBackColor(Grid grid, Long color) = 0;
    // Sets the picture of cell (col, row): tile `tile` of the grid's field
    // picture with sprite `sprite` of the sprite sheet composed over it, its
    // pure blue transparent.
    virtual void SetCellPicture(Grid grid, int col, int row, int tile, int sprite) = 0;

    // Message line (Label_Msg) and deployment prompt (Label_Command).
    virtual void SetMsgCaption(const std::string& text) = 0;
    virtual int MsgTop() = 0;  // twips
    virtual void SetMsgTop(int twips) = 0;
    virtual void SetCommandCaption(const std::string& text) = 0;
    virtual void SetCommandVisible(bool visible) = 0;
    virtual void SetReadout(Readout label, const std::string& text) = 0;
    virtual void SetIconVisible(IconRow row, int index, bool visible) = 0;

    // Portrait: loads the strip (relative path, leading backslash) and shows a face cell.
    virtual void LoadPortrait(const std::string& relativePath) = 0;
    virtual void ShowFace(int cell) = 0;

    virtual void SetTimerEnabled(BattleTimer timer, bool enabled) = 0;
    virtual void SetTimerInterval(BattleTimer timer, int milliseconds) = 0;

    // Sounds by relative path ("\snd\ハズレ.WAV"); the screen adds the
    // application folder.
    virtual void PlaySnd(const std::string& relativePath) = 0;
    virtual void CloseSnd(const std::string& relativePath) = 0;
    virtual void CloseAllSnd() = 0;
    virtual std::string SndMode(const std::string& relativePath) = 0;

    // Value of a title-screen check box: 0 unticked, 1 ticked.
    virtual int OptionValue(OptionBox box) = 0;

    // An OK box (no icon, brought to the foreground); returns when closed.
    virtual void MessageBoxOk(const std::string& text, const std::string& title) = 0;

    // Raises a game event through the screen's event connector: the screen
    // stores the name in EventName and dispatches it again, nested, before
    // this returns.
    virtual void SetEvent(const std::string& name) = 0;

    // Leaves the battle screen for another screen.
    virtual void SwitchForm(ScreenId newForm) = 0;
};

}  // namespace orv
