#pragma once
// A message box drawn inside the game window rather than as a window of its
// own: the way to keep it centred over the game where the desktop places
// windows as it likes. Modal all the same - the screen under it takes no
// clicks, keys or menu shortcuts until it is answered.
#include <QMessageBox>
#include <functional>

namespace orv::ui {

class GameWindow;

// Windows, macOS and a plain X11 desktop put a box of the game's own where
// the game asks for it. A Wayland compositor - and the X server it runs for older programs
// - puts every new window wherever it likes, so there the box goes inside.
bool BoxesInsideWindow();

// Runs the box over the window's content until it is answered; returns the
// button pressed (the escape button for Esc).
int ExecBoxInWindow(GameWindow& window, QMessageBox::Icon icon, const QString& text,
                    const QString& title, QMessageBox::StandardButtons buttons,
                    const std::function<void(QMessageBox&)>& fill = {});

}  // namespace orv::ui
