#pragma once
// The battle screen: two 19 x 9 grids, the message line, the portrait, the
// status icons, four timers and three menu commands. It holds no rules:
// clicks, ticks and the surrender menu become game events for the dispatcher,
// and the engine acts on the screen through the BattleView it implements.
#include <QImage>
#include <QLabel>
#include <QTimer>
#include <array>
#include <memory>

#include "battle/Battle.h"
#include "core/BattleView.h"
#include "platform/Controls.h"
#include "platform/FlexGrid.h"
#include "platform/Form.h"
#include "platform/PictureStrip.h"

namespace orv::ui {

class EventLuncher;
class GameApp;

class ACD_Main final : public Form, public BattleView {
    Q_OBJECT
public:
    explicit ACD_Main(GameApp& game);  // the form's load: prepares a fresh battle
    ~ACD_Main() override;

    // The pictures every battle loads; the title reads them ahead.
    static constexpr const char* kFieldPictureE = "\\img\\Stage1-FG_E.bmp";
    static constexpr const char* kFieldPictureM = "\\img\\Stage1-FG_M.bmp";
    static constexpr const char* kSpritePicture = "\\img\\×▲爆発[指]爆発[戦].bmp";

    Battle& Engine() { return battle_; }
    FlexGrid* FG_E() const { return fgE_; }
    FlexGrid* FG_M() const { return fgM_; }
    QLabel* Label_Msg() const { return controls_.As<QLabel>("Label_Msg"); }
    QLabel* Label_Command() const { return controls_.As<QLabel>("Label_Command"); }
    QLabel* CharaImg() const { return controls_.As<QLabel>("CharaImg"); }
    const Controls& Widgets() const { return controls_; }
    QTimer& TimerMsg() { return timerMsg_; }
    QTimer& CharaPicTimer() { return charaPicTimer_; }
    QTimer& TimerSnd() { return timerSnd_; }
    QTimer& CpTurn() { return cpTurn_; }

    // Public operation: raises a game event through the event connector.
    void SetEvent(const std::string& name) override;

    // Timer handlers: what one tick does (the timers call these).
    void TimerMsg_Timer();
    void CharaPicTimer_Timer();
    void TimerSnd_Timer();
    void CpTurn_Timer();

    // Menu commands.
    void EndGame_Click();
    void RetTitle_Click();
    void Surrender_Click();

    // The grid the keyboard plays on now: the own field while vehicles are
    // placed, the enemy field in the player's turn, none at other times.
    FlexGrid* KeyboardGrid() const;

    // BattleView
    void SetupGrids() override;
    void InitCellPictures() override;
    int GridCol(Grid grid) override;
    int GridRow(Grid grid) override;
    void SetGridCell(Grid grid, int col, int row) override;
    void SetCellBackColor(Grid grid, Long color) override;
    void SetCellPicture(Grid grid, int col, int row, int tile, int sprite) override;
    void SetMsgCaption(const std::string& text) override;
    int MsgTop() override { return msgTop_; }
    void SetMsgTop(int twips) override;
    void SetCommandCaption(const std::string& text) override;
    void SetCommandVisible(bool visible) override;
    void SetReadout(Readout label, const std::string& text) override;
    void SetIconVisible(IconRow row, int index, bool visible) override;
    void LoadPortrait(const std::string& relativePath) override;
    void ShowFace(int cell) override;
    void SetTimerEnabled(BattleTimer timer, bool enabled) override;
    void SetTimerInterval(BattleTimer timer, int milliseconds) override;
    void PlaySnd(const std::string& relativePath) override;
    void CloseSnd(const std::string& relativePath) override;
    void CloseAllSnd() override;
    std::string SndMode(const std::string& relativePath) override;
    int OptionValue(OptionBox box) override;
    void MessageBoxOk(const std::string& text, const std::string& title) override;
    void SwitchForm(ScreenId newForm) override;

protected:
    void Form_Activate() override;
    void Form_Unload(bool& cancel) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FG_E_Click();
    void FG_M_Click();
    void MainEL_esGameCallBack(std::string& Name);
    void LoadGridPicture(FlexGrid* grid, PictureStrip& clip, const std::string& file);
    void StopTimers();
    FlexGrid* gridOf(Grid grid) const;
    QTimer& timerOf(BattleTimer timer);
    void describeControls();
    void refreshCursor();
    void moveCursor(int key);
    void actOnCursor();
    void openMenuFromKeyboard();
    void describeCounts(IconRow row);
    int& spriteAt(FlexGrid* grid, int col, int row);

    GameApp& game_;
    Controls controls_;
    FlexGrid* fgE_ = nullptr;
    FlexGrid* fgM_ = nullptr;
    FlexGrid* fgD_ = nullptr;
    std::array<PictureStrip, 2> PicClipWork;
    PictureStrip PicClipChara;
    PictureStrip PicClipUnit;
    QImage PicTransFront;
    QImage PicTransBack;
    QTimer timerMsg_, charaPicTimer_, timerSnd_, cpTurn_;
    int msgTop_ = 0;  // twips; kept exactly, the widget only has whole pixels
    EventLuncher* MainEL = nullptr;
    Battle battle_;
    // The keyboard's cursor on each field (own, enemy), kept while hidden.
    std::array<QPoint, 2> cursor_{QPoint(9, 4), QPoint(9, 4)};
    // Whether the cursor is drawn: once the player moves or uses it with a
    // key (or came here by a key), until the next click on a field.
    bool keyboardPlay_ = false;
    // The sprite each cell shows (own, enemy), -1 for none: what the player
    // sees, and so what assistive technology reads.
    std::array<std::array<int, 19 * 9>, 2> sprites_{};
};

}  // namespace orv::ui
