#pragma once
// Every key the game answers, place by place, and what it does. The screens'
// own key handlers answer only the keys listed here, and the help lists them
// all: a key that works is a key the help names.
#include <QKeySequence>
#include <QList>

class QKeyEvent;

namespace orv::ui {

enum class KeyPlace { Everywhere, Title, Battle, Continue, BonusMenu, Viewer, Box };

struct KeyUse {
    KeyPlace place;
    QList<QKeySequence> keys;
    const char* what;  // the game's Japanese, translated where it is shown
};

const QList<KeyUse>& KeyTable();

// Whether a screen at `place` answers the key (the keypad's Enter is Enter).
bool Answers(KeyPlace place, const QKeyEvent& event);

// The keys of a row as the player reads them: "Enter, Space".
QString KeyNames(const KeyUse& use);

}  // namespace orv::ui
