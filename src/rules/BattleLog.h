#pragma once
// Where a battle writes itself down, for whoever keeps a transcript (the
// simulator and the tests do; the game does not). The rules hand their lines
// over here; the transcript's header tells every kind of line.
#include <string>

#include "core/Types.h"

namespace orv {

struct Play;

class BattleLog {
public:
    virtual ~BattleLog() = default;
    virtual void Add(std::string line) = 0;
};

// Writes a line when the battle keeps a transcript; otherwise nothing.
void LogLine(Play& p, const std::string& line);

// "shot <side> <x> <y> <answer>"; side is "PLAYER" or "CP".
void LogShot(Play& p, const std::string& side, Integer x, Integer y, const std::string& answer);

// "phase <phase>", the empty phase written as "-".
void LogPhase(Play& p, const std::string& phase);

}  // namespace orv
