#pragma once

class QWidget;

namespace orv::ui {

// Marks a control that lies beyond the edge of its window: never seen by the
// player, so a screen reader passes over it too. Call before its text is set.
void MarkOutOfSight(QWidget* w);

}  // namespace orv::ui
