#pragma once
// Keyboard play for a screen of choices (picture buttons, option boxes): Tab
// and Shift+Tab or the arrow keys move among those in sight, Enter or Space
// uses the focused one through its own click - the very handler the mouse
// reaches. Focus is given by the keyboard only, so the mouse game looks as
// it always has.
#include <QList>

class QAbstractButton;

namespace orv::ui {

void MakeKeyboardChoices(const QList<QAbstractButton*>& choices);

}  // namespace orv::ui
