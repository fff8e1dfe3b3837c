#pragma once
// The grid as assistive technology sees it: a table whose cells are named by
// what they show, with the keyboard's cursor as its focused cell.
class QAccessibleInterface;

namespace orv::ui {

class FlexGrid;

// Lets assistive technology find grids (done once, by the first grid).
void InstallGridAccessibility();

// The cursor moved to the cell with this index (row * Cols + column).
void GridCursorMoved(FlexGrid* grid, int index);
// The cell with this index now reads differently.
void GridCellNameChanged(FlexGrid* grid, int index);

}  // namespace orv::ui
