#pragma once
// Modal boxes over the game window, centred on it. Timers keep ticking
// while one is open, so anything - even the end of a battle and a change of
// screen - can happen behind it; the box stays over the window all the same.
// Tests install a responder that answers boxes instead of a person.
#include <QString>
#include <functional>

class QMessageBox;
class QWidget;

namespace orv::ui {

enum class BoxButtons { Ok, YesNo };
enum class BoxAnswer { Ok, Yes, No };

// No icon, the given buttons, raised to the foreground; returns the answer.
// The box belongs to the parent's window (the game window, when there is one).
BoxAnswer ShowBox(QWidget* parent, const QString& text, const QString& title, BoxButtons buttons);

// A box with more than words in it: `fill` adds its widgets and sets its
// buttons. Returns the button pressed; a responder hears the title alone.
using BoxFill = std::function<void(QMessageBox&)>;
int ShowRichBox(QWidget* parent, const QString& title, const BoxFill& fill);

// The fatal-error box: an error icon and OK, over the game window if there is
// one. No responder answers it.
void ShowErrorBox(const QString& text, const QString& title);

inline bool AskYesNo(QWidget* parent, const QString& text, const QString& title) {
    return ShowBox(parent, text, title, BoxButtons::YesNo) == BoxAnswer::Yes;
}
inline void ShowOk(QWidget* parent, const QString& text, const QString& title) {
    ShowBox(parent, text, title, BoxButtons::Ok);
}

// The game's look and keys for a box, in a window of its own or in the game
// window: its font, and the first button the default with the focus on it.
void PrepareBox(QMessageBox& box);

// Boxes open right now, boxes opened behind other boxes included.
int OpenBoxCount();

// Runs the task once no box is open: at once when none is, otherwise as soon
// as the outermost box has been answered. A box's event loop is on the stack
// until then, and whatever it was opened from must outlive it.
void WhenNoBoxOpen(std::function<void()> task);

using BoxResponder =
    std::function<BoxAnswer(const QString& text, const QString& title, BoxButtons)>;
// Replaces the person answering boxes (tests); an empty responder restores the
// real boxes. A responder counts as an open box while it runs.
void SetBoxResponder(BoxResponder responder);

}  // namespace orv::ui
