#pragma once
// A battle written down: every event, every shot of either side with its cell
// and answer, the computer's strategy word before each of its shots, each
// phase change and the end. A seed and the events replay the same transcript.
//
// One line per happening, words separated by one blank, cells as
// "<column> <row>" (0-18, 0-8). The game's own words are written as they are.
//
//   phase <GamePhase>            the phase changed ("-" for the empty phase)
//   event <EventName>            an event reached the dispatcher; clicks add the
//   event <EventName> <c> <r>    grid's current cell. Ticks that find nothing to
//                                do are the clock, not moves: they are left out.
//   place <指|戦> <c> <r>         the player placed a vehicle
//   strategy <CpStrategy>        the computer's strategy word after it chose its
//                                target, before it fires
//   shot <PLAYER|CP> <c> <r> <answer>
//                                a shot that was fired, with its answer
//   end <PLAYER_Win|CP_Win>      the end-of-battle event (a surrender included)
//
// Refused placements and shots leave only their event line. The battle driver
// adds, right after the battle screen has loaded:
//
//   deploy CP <指|戦> <c> <r>     where the computer hid a vehicle (row by row)
#include <string>
#include <utility>
#include <vector>

#include "rules/BattleLog.h"

namespace orv {

// The lines of one battle, kept in memory.
class Transcript : public BattleLog {
public:
    void Add(std::string line) override { lines_.push_back(std::move(line)); }
    const std::vector<std::string>& Lines() const { return lines_; }
    std::string Text() const {
        std::string all;
        for (const auto& l : lines_) all += l + '\n';
        return all;
    }
    void Clear() { lines_.clear(); }

private:
    std::vector<std::string> lines_;
};

}  // namespace orv
