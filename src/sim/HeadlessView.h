#pragma once
// A battle screen without a screen: it keeps what a real one would show, so
// the tests and the simulator can look at it. Raised events are dispatched
// again at once, nested, as on the real screen.
#include <array>
#include <map>
#include <string>
#include <vector>

#include "core/BattleView.h"

namespace orv {

struct Battle;

class HeadlessView : public BattleView {
public:
    struct Cell {
        Long color = -1;  // -1 until coloured
        int tile = -1;    // -1 until painted
        int sprite = -1;
    };
    struct GridState {
        int col = 0;
        int row = 0;
        std::array<Cell, 171> cells{};
        Cell& at(int col, int row) { return cells[static_cast<size_t>(row * 19 + col)]; }
    };

    // The battle whose dispatcher receives raised events.
    void Attach(Battle* battle) { battle_ = battle; }

    // Clicks a cell: makes it current, as a real grid does before its click event.
    void Click(Grid grid, int col, int row);

    // What the screen shows.
    GridState fgE, fgM;
    std::string msgCaption;
    int msgTop = 4360;
    std::string commandCaption;
    bool commandVisible = false;
    std::map<Readout, std::string> readouts;
    std::map<IconRow, std::array<bool, 4>> icons;
    std::string portrait;
    int face = 0;
    std::map<BattleTimer, bool> timerEnabled;
    std::map<BattleTimer, int> timerInterval;
    std::array<int, 3> options{0, 0, 0};  // CheckSE, CheckBGM, LowSpecMode
    std::map<std::string, std::string> soundModes;  // answers of SndMode; "STOPPED" if absent
    bool setupGridsCalled = false;
    bool cellPicturesReady = false;

    // What happened, in order.
    std::vector<std::string> sounds;     // "play <path>", "close <path>", "close all"
    std::vector<std::string> boxes;      // "<title>|<text>"
    std::vector<std::string> raised;     // events raised through SetEvent
    std::vector<ScreenId> switches;

    GridState& Of(Grid grid) { return grid == Grid::FG_E ? fgE : fgM; }

    // BattleView
    void SetupGrids() override { setupGridsCalled = true; }
    void InitCellPictures() override { cellPicturesReady = true; }
    int GridCol(Grid grid) override { return Of(grid).col; }
    int GridRow(Grid grid) override { return Of(grid).row; }
    void SetGridCell(Grid grid, int col, int row) override;
    void SetCellBackColor(Grid grid, Long color) override;
    void SetCellPicture(Grid grid, int col, int row, int tile, int sprite) override;
    void SetMsgCaption(const std::string& text) override { msgCaption = text; }
    int MsgTop() override { return msgTop; }
    void SetMsgTop(int twips) override { msgTop = twips; }
    void SetCommandCaption(const std::string& text) override { commandCaption = text; }
    void SetCommandVisible(bool visible) override { commandVisible = visible; }
    void SetReadout(Readout label, const std::string& text) override { readouts[label] = text; }
    void SetIconVisible(IconRow row, int index, bool visible) override;
    bool IconVisible(IconRow row, int index);
    void LoadPortrait(const std::string& relativePath) override { portrait = relativePath; }
    void ShowFace(int cell) override { face = cell; }
    void SetTimerEnabled(BattleTimer timer, bool enabled) override { timerEnabled[timer] = enabled; }
    void SetTimerInterval(BattleTimer timer, int ms) override { timerInterval[timer] = ms; }
    void PlaySnd(const std::string& path) override { sounds.push_back("play " + path); }
    void CloseSnd(const std::string& path) override { sounds.push_back("close " + path); }
    void CloseAllSnd() override { sounds.push_back("close all"); }
    std::string SndMode(const std::string& path) override;
    int OptionValue(OptionBox box) override { return options[static_cast<size_t>(box)]; }
    void MessageBoxOk(const std::string& text, const std::string& title) override {
        boxes.push_back(title + "|" + text);
    }
    void SetEvent(const std::string& name) override;
    void SwitchForm(ScreenId newForm) override { switches.push_back(newForm); }

private:
    Battle* battle_ = nullptr;
};

}  // namespace orv
