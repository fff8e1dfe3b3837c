#pragma once
// "How to play", on F1 from every screen, and the About page it leads to:
// the rules a first-time player needs, what each screen takes from the mouse,
// every key from the key table, then the game's version, licence and credits.
#include <QString>

class QWidget;

namespace orv::ui {

// The help as a document (HTML), in the game's language; the cell pictures
// of the four answers are named "cell:0" to "cell:3".
QString HowToPlayText();
QString AboutText();

// Opens the help in a box over the game window; its About button shows the
// About page. Does nothing while another box is open: the help never opens
// twice, and a question waiting for its answer keeps the keyboard.
void ShowHowToPlay(QWidget* window);

}  // namespace orv::ui
