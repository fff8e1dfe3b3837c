#pragma once
// What the game says to assistive technology, and the keys it answers to
// beside the mouse: the names and descriptions of its controls, the words for
// what a grid cell shows, and the menu's access keys. One table, so that a
// reader can check (or translate) every word in one place.
#include <string>

namespace orv::access {

// Title screen.
inline constexpr const char* kStart = "Start a new game";
inline constexpr const char* kBonus = "Bonus pictures";
inline constexpr const char* kQuit = "Quit the game";
inline constexpr const char* kOptionSE = "Sound effects off";
inline constexpr const char* kOptionBGM = "Music off";
inline constexpr const char* kOptionLowSpec = "Smooth scrolling";
inline constexpr const char* kTitleKeys =
    "Tab or the arrow keys move between the buttons and options; Enter or Space uses one.";

// Battle screen.
inline constexpr const char* kEnemyField = "Enemy field";
inline constexpr const char* kOwnField = "Your field";
inline constexpr const char* kFieldKeys =
    "Arrow keys move the cursor, Home and End go to the ends of a row, Page Up and Page Down "
    "to the ends of a column; Enter or Space places a vehicle or fires. Escape quits; F10 or "
    "Alt reaches the menu.";
inline constexpr const char* kMessageLine = "Message";
inline constexpr const char* kPrompt = "Instruction";
inline constexpr const char* kStage = "Stage";
inline constexpr const char* kPortrait = "Opponent";
inline constexpr const char* kFaceNormal = "calm";
inline constexpr const char* kFaceAngry = "angry";
inline constexpr const char* kFaceSmiling = "smiling";
inline constexpr const char* kPlayerCommandLeft = "Your command vehicles left";
inline constexpr const char* kPlayerCombatLeft = "Your combat vehicles left";
inline constexpr const char* kEnemyCommandLeft = "Enemy command vehicles left";
inline constexpr const char* kEnemyCombatLeft = "Enemy combat vehicles left";
inline constexpr const char* kPlayerShotsLeft = "Your shots left this turn";
inline constexpr const char* kEnemyShotsLeft = "Enemy shots left this turn";

// The menu bar's entries and their access keys (with Alt), in the order of
// the bar. The captions stay as the game has always written them.
inline constexpr char kEndGameKey = 'Q';
inline constexpr char kRetTitleKey = 'T';
inline constexpr char kSurrenderKey = 'S';
inline constexpr const char* kEndGame = "Quit the game";
inline constexpr const char* kRetTitle = "Back to the title";
inline constexpr const char* kSurrender = "Surrender";

// Continue screen.
inline constexpr const char* kContinueQuestion = "Continue?";
inline constexpr const char* kContinueYes = "Yes: play this stage again";
inline constexpr const char* kContinueNo = "No: back to the title";
inline constexpr const char* kContinueKeys = "Enter or Y: yes. Escape or N: no.";

// Bonus menu and viewers.
inline constexpr const char* kViewerA = "Bonus picture A";
inline constexpr const char* kViewerC = "Bonus picture C";
inline constexpr const char* kBonusExit = "Back to the title";
inline constexpr const char* kBonusPicture = "Bonus picture";
inline constexpr const char* kViewerKeys = "Enter, Space or an arrow key goes on, Escape leaves.";

// What a cell of a grid shows, from the sprite drawn in it (-1: none yet).
// The enemy field shows nothing before a shot; the own field shows the
// vehicles placed on it.
inline std::string CellState(int sprite, bool enemyField) {
    switch (sprite) {
        case 0:
            return "miss";
        case 1:
            return "adjacent";
        case 2:
            return "combat vehicle hit";
        case 3:
            return "command vehicle hit";
        case 4:
            return "combat vehicle";
        case 5:
            return "command vehicle";
        default:
            return enemyField ? "not yet fired" : "empty";
    }
}

// A cell by its column letter (A to S) and row number (1 to 9): "C5".
inline std::string CellName(int col, int row) {
    std::string name(1, static_cast<char>('A' + col));
    name += std::to_string(row + 1);
    return name;
}

inline std::string CellDescription(int col, int row, int sprite, bool enemyField) {
    std::string text = CellName(col, row);
    text += ": ";
    text += CellState(sprite, enemyField);
    return text;
}

}  // namespace orv::access
