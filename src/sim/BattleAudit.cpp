#include "sim/BattleAudit.h"

#include <array>
#include <sstream>

#include "rules/Texts.h"

namespace orv {
namespace {

struct Shot {
    std::string side;
    int x = 0, y = 0;
    std::string answer;
};

bool HoldsVehicle(const std::string& t) {
    return t == text::kCombatUnit || t == text::kCommandUnit || t == text::kCombatHitMark ||
           t == text::kCommandHitMark;
}

std::string MarkFor(const std::string& answer) {
    if (answer == text::kMiss) return text::kMissMark;
    if (answer == text::kAdjacent) return text::kAdjacentMark;
    if (answer == text::kCombatHit) return text::kCombatHitMark;
    if (answer == text::kCommandHit) return text::kCommandHitMark;
    return "?";
}

// What the answer must have been, judged again from the final board: hit
// cells keep their marker and vehicles never move, so the neighbourhood of
// a shot looks the same at the end as when it was fired.
std::string AnswerFromBoard(const Board& board, int x, int y) {
    const std::string& t = board(x, y);
    if (t == text::kCombatHitMark) return text::kCombatHit;
    if (t == text::kCommandHitMark) return text::kCommandHit;
    for (int yy = y - 1; yy <= y + 1; ++yy)
        for (int xx = x - 1; xx <= x + 1; ++xx)
            if (xx >= 0 && xx <= 18 && yy >= 0 && yy <= 8 && HoldsVehicle(board(xx, yy)))
                return text::kAdjacent;
    return text::kMiss;
}

struct Tally {
    int sen = 0, siki = 0, senHit = 0, sikiHit = 0;
};

Tally Count(const Board& board) {
    Tally t;
    for (int y = 0; y <= 8; ++y)
        for (int x = 0; x <= 18; ++x) {
            const std::string& c = board(x, y);
            if (c.empty()) continue;
            t.sen += c == text::kCombatUnit;
            t.siki += c == text::kCommandUnit;
            t.senHit += c == text::kCombatHitMark;
            t.sikiHit += c == text::kCommandHitMark;
        }
    return t;
}

template <typename List>
int AliveCount(const List& list) {
    int n = 0;
    for (const UnitPos& u : list) n += u.Alive != kFalse;
    return n;
}

bool Won(int sen, int siki) {
    return sen == 2 || siki == 1;
}

class Audit {
public:
    void Fail(const std::string& what) { problems.push_back(what); }

    void Side(const char* name, const Board& board, int sen, int siki) {
        const Tally t = Count(board);
        if (t.senHit != 4 - sen || t.sikiHit != 3 - siki)
            Fail(std::string(name) + ": counts " + std::to_string(sen) + "/" +
                 std::to_string(siki) + " but " + std::to_string(t.senHit) + " and " +
                 std::to_string(t.sikiHit) + " hits on the board");
        if (t.sen + t.senHit != 4 || t.siki + t.sikiHit != 3)
            Fail(std::string(name) + ": the board does not hold 4 + 3 vehicles");
    }

    std::vector<std::string> problems;
};

}  // namespace

std::vector<std::string> AuditBattle(const GameState& gs, const Transcript& transcript,
                                     const BattleResult& result) {
    Audit a;
    std::vector<Shot> shots;
    int ends = 0;
    std::string endEvent;
    for (const std::string& line : transcript.Lines()) {
        std::istringstream in(line);
        std::string word;
        in >> word;
        if (word == "shot") {
            Shot s;
            in >> s.side >> s.x >> s.y >> s.answer;
            if (!in || s.x < 0 || s.x > 18 || s.y < 0 || s.y > 8) {
                a.Fail("unreadable shot line: " + line);
                continue;
            }
            shots.push_back(s);
        } else if (word == "end") {
            ++ends;
            in >> endEvent;
        }
    }

    // Cells the computer had ruled out: every cell it fired at, and the
    // block around each of its misses.
    std::array<bool, 171> ruledOut{};
    std::array<bool, 171> firedPL{};
    for (const Shot& s : shots) {
        const bool cp = s.side == text::kCpSide;
        const Board& board = cp ? gs.Board_M : gs.Board_E;
        const std::string where = s.side + " " + std::to_string(s.x) + "," + std::to_string(s.y);
        const size_t cell = static_cast<size_t>(s.y * 19 + s.x);

        if (cp) {
            if (ruledOut[cell]) a.Fail("the computer chose a ruled-out cell: " + where);
            ruledOut[cell] = true;
            if (s.answer == text::kMiss) {
                for (int y = s.y - 1; y <= s.y + 1; ++y)
                    for (int x = s.x - 1; x <= s.x + 1; ++x)
                        if (x >= 0 && x <= 18 && y >= 0 && y <= 8)
                            ruledOut[static_cast<size_t>(y * 19 + x)] = true;
            }
        } else {
            if (firedPL[cell]) a.Fail("fired at twice: " + where);
            firedPL[cell] = true;
        }
        if (board(s.x, s.y) != MarkFor(s.answer))
            a.Fail("no marker for " + s.answer + " at " + where + ": " + board(s.x, s.y));
        if (AnswerFromBoard(board, s.x, s.y) != s.answer)
            a.Fail("answer " + s.answer + " at " + where + " does not match the field");
    }
    // A computer cell fired at twice shows up above as a ruled-out choice.

    int cpShots = 0, plShots = 0;
    for (const Shot& s : shots) (s.side == text::kCpSide ? cpShots : plShots)++;
    if (cpShots != gs.CPShotCount || plShots != gs.PLShotCount)
        a.Fail("shot counters " + std::to_string(gs.PLShotCount) + "/" +
               std::to_string(gs.CPShotCount) + " but the transcript has " +
               std::to_string(plShots) + "/" + std::to_string(cpShots));

    a.Side("player", gs.Board_M, gs.SenCount_M, gs.SikiCount_M);
    a.Side("computer", gs.Board_E, gs.SenCount_E, gs.SikiCount_E);
    if (AliveCount(gs.Sen_M) != gs.SenCount_M || AliveCount(gs.Siki_M) != gs.SikiCount_M)
        a.Fail("the player's vehicle lists disagree with the counts");

    const bool cpWon = Won(gs.SenCount_M, gs.SikiCount_M);
    const bool plWon = Won(gs.SenCount_E, gs.SikiCount_E);
    if (ends != 1 || cpWon == plWon || !gs.GamePhase.empty())
        a.Fail("not exactly one winner: " + std::to_string(ends) + " end events, phase '" +
               gs.GamePhase + "'");
    const std::string winner = cpWon ? text::kCpSide : text::kPlayerSide;
    if (result.winner != winner || endEvent != (cpWon ? text::kCP_Win : text::kPLAYER_Win))
        a.Fail("winner " + result.winner + " / " + endEvent + " but the counts say " + winner);
    if (!shots.empty() && shots.back().side != winner)
        a.Fail("the battle did not end with the winner's shot");
    return a.problems;
}

}  // namespace orv
