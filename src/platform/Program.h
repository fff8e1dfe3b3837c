#pragma once
// Ending the program and the error box of the fatal-error path.

namespace orv::ui {

// Before the application starts: Wayland natively where a compositor is
// running, X11 otherwise - unless the player chose with QT_QPA_PLATFORM.
void ChooseWindowSystem();

// Where the system has none of the game's Japanese faces (a Windows without
// Japanese support), the fonts in the fonts folder beside the game stand in.
void UseFontsBesideTheGame();

// Shows fatal errors in an error box (when a GUI exists) before the exit.
void InstallErrorBox();

// Ends the program at once: no further handler of the game runs.
[[noreturn]] void EndProgram(int status = 0);

}  // namespace orv::ui
