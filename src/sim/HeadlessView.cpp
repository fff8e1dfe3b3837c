#include "sim/HeadlessView.h"

#include "battle/Battle.h"
#include "battle/Dispatcher.h"
#include "core/Fatal.h"

namespace orv {

void HeadlessView::Click(Grid grid, int col, int row) {
    Of(grid).col = col;
    Of(grid).row = row;
}

void HeadlessView::SetGridCell(Grid grid, int col, int row) {
    if (col < 0 || col > 18 || row < 0 || row > 8) FatalError("Invalid row or column value");
    Of(grid).col = col;
    Of(grid).row = row;
}

void HeadlessView::SetCellBackColor(Grid grid, Long color) {
    GridState& g = Of(grid);
    g.at(g.col, g.row).color = color;
}

void HeadlessView::SetCellPicture(Grid grid, int col, int row, int tile, int sprite) {
    Cell& c = Of(grid).at(col, row);
    c.tile = tile;
    c.sprite = sprite;
}

void HeadlessView::SetIconVisible(IconRow row, int index, bool visible) {
    auto it = icons.try_emplace(row, std::array<bool, 4>{true, true, true, true}).first;
    it->second.at(static_cast<size_t>(index)) = visible;
}

bool HeadlessView::IconVisible(IconRow row, int index) {
    auto it = icons.find(row);
    return it == icons.end() ? true : it->second.at(static_cast<size_t>(index));
}

std::string HeadlessView::SndMode(const std::string& path) {
    auto it = soundModes.find(path);
    return it == soundModes.end() ? "STOPPED" : it->second;
}

void HeadlessView::SetEvent(const std::string& name) {
    raised.push_back(name);
    if (!battle_) return;
    battle_->gs.EventName = name;
    DispatchGameEvent(*battle_, Grid::None);
}

}  // namespace orv
