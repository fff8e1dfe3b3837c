#pragma once
// Modal boxes brought to the foreground. Timers keep ticking while one is
// open. Tests install a responder that answers boxes instead of a person.
#include <QString>
#include <functional>

class QWidget;

namespace orv::ui {

enum class BoxButtons { Ok, YesNo };
enum class BoxAnswer { Ok, Yes, No };

// No icon, the given buttons, raised to the foreground; returns the answer.
BoxAnswer ShowBox(QWidget* parent, const QString& text, const QString& title, BoxButtons buttons);

inline bool AskYesNo(QWidget* parent, const QString& text, const QString& title) {
    return ShowBox(parent, text, title, BoxButtons::YesNo) == BoxAnswer::Yes;
}
inline void ShowOk(QWidget* parent, const QString& text, const QString& title) {
    ShowBox(parent, text, title, BoxButtons::Ok);
}

using BoxResponder = std::function<BoxAnswer(const QString& text, const QString& title, BoxButtons)>;
// Replaces the person answering boxes (tests); an empty responder restores the real boxes.
void SetBoxResponder(BoxResponder responder);

}  // namespace orv::ui
