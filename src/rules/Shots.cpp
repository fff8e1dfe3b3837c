#include "rules/Shots.h"

#include <algorithm>

#include "rules/BattleLog.h"
#include "rules/CellPictures.h"
#include "rules/Reactions.h"
#include "rules/ShotIndicators.h"
#include "rules/Texts.h"

namespace orv {
namespace {

bool isShotMark(const std::string& cell) {
    return cell == text::kAdjacentMark || cell == text::kMissMark || cell == text::kCombatHitMark ||
           cell == text::kCommandHitMark;
}

// Vehicles count as neighbours whole or destroyed; earlier misses and
// "adjacent" marks never do.
bool holdsVehicle(const std::string& cell) {
    return cell == text::kCombatHitMark || cell == text::kCombatUnit ||
           cell == text::kCommandUnit || cell == text::kCommandHitMark;
}

// Each side's counters, icons and words, for the bookkeeping both share.
struct ShooterBook {
    Integer GameState::*turnShots;
    Integer GameState::*shotCount;
    Integer GameState::*combatLeft;  // the shooter's own: its shots per turn
    void (*showOwnShots)(Play&);
    void (*showOtherShots)(Play&);
    Readout readout;
    const char* label;
    const char* side;
    const char* turn;
    const char* turnEnd;
    const char* victory;
};

// Known when compiled, so each side's bookkeeping costs what it would cost
// written out by hand.
template <Shooter who>
constexpr ShooterBook kBook{};
template <>
constexpr ShooterBook kBook<Shooter::Player>{
    &GameState::PLTurnShots, &GameState::PLShotCount, &GameState::SenCount_M, ShowShotsLeft_M,
    ShowShotsLeft_E,         Readout::PLShot,         text::kPLShotLabel,     text::kPlayerSide,
    text::kPlayerTurn,       text::kPlayerTurnEnd,    text::kPlayerVictory};
template <>
constexpr ShooterBook kBook<Shooter::Computer>{
    &GameState::CPTurnShots, &GameState::CPShotCount, &GameState::SenCount_E, ShowShotsLeft_E,
    ShowShotsLeft_M,         Readout::CPShot,         text::kCPShotLabel,     text::kCpSide,
    text::kCpTurn,           text::kCpTurnEnd,        text::kCpVictory};

void showRemain(Play& b, IconRow sen, Integer senCount, IconRow siki, Integer sikiCount) {
    for (int i = 0; i <= 3; ++i) b.view.SetIconVisible(sen, i, i < senCount);
    for (int i = 0; i <= 2; ++i) b.view.SetIconVisible(siki, i, i < sikiCount);
}

}  // namespace

std::string PlayerShot(Play& b, Grid grid) {
    GameState& gs = b.gs;
    if (gs.GamePhase != text::kPlayerTurn) return text::kShotRefused;
    const Integer col = static_cast<Integer>(b.view.GridCol(grid));
    const Integer row = static_cast<Integer>(b.view.GridRow(grid));
    if (isShotMark(gs.Board_E(col, row))) return text::kShotRefused;

    const std::string answer = JudgeShot(col, row, gs.Board_E);
    LogShot(b, text::kPlayerSide, col, row, answer);
    if (answer == text::kMiss) {
        PlayEffect(b, text::kSndMiss);
        SetCellColor(b, col, row, grid, gs.MissColor);
        WriteShotMark(col, row, gs.Board_E, answer);
    } else if (answer == text::kAdjacent) {
        PlayEffect(b, text::kSndAdjacent);
        SetCellColor(b, col, row, grid, gs.AdjacentColor);
        WriteShotMark(col, row, gs.Board_E, answer);
    } else if (answer == text::kCombatHit) {
        PlayEffect(b, text::kSndCombat);
        Dec(gs.SenCount_E);
        SetCellColor(b, col, row, grid, gs.SenColor);
        WriteShotMark(col, row, gs.Board_E, answer);
        ShowRemain_E(b);
        SetCharaFace(b, text::kFaceAngry);
    } else if (answer == text::kCommandHit) {
        PlayEffect(b, text::kSndCommand);
        Dec(gs.SikiCount_E);
        SetCellColor(b, col, row, grid, gs.SikiColor);
        WriteShotMark(col, row, gs.Board_E, answer);
        ShowRemain_E(b);
        SetCharaFace(b, text::kFaceAngry);
    }

    std::string result = CountShot<Shooter::Player>(b);
    RedrawCell(b, col, row, gs.Board_E, grid);
    return result;
}

template <Shooter who>
std::string CountShot(Play& b) {
    constexpr const ShooterBook& book = kBook<who>;
    GameState& gs = b.gs;
    Integer& turnShots = gs.*book.turnShots;
    Inc(turnShots);
    Inc(gs.*book.shotCount);
    book.showOwnShots(b);
    b.view.SetReadout(book.readout, std::string(book.label) + text::kReadoutBreak +
                                        std::to_string(gs.*book.shotCount));

    std::string result = book.turn;
    if (turnShots >= gs.*book.combatLeft) {
        result = book.turnEnd;
        turnShots = 0;
        book.showOtherShots(b);
    }
    // A win ends the battle even on the last shot of a turn.
    if (JudgeWin(gs, book.side) == text::kWon) result = book.victory;
    return result;
}
template std::string CountShot<Shooter::Player>(Play& b);
template std::string CountShot<Shooter::Computer>(Play& b);

std::string JudgeShot(Integer col, Integer row, const Board& board) {
    const std::string& cell = board(col, row);
    if (cell == text::kCombatUnit) return text::kCombatHit;
    if (cell == text::kCommandUnit) return text::kCommandHit;

    const int left = std::max(col - 1, 0), right = std::min(col + 1, Board::kCols - 1);
    const int top = std::max(row - 1, 0), bottom = std::min(row + 1, Board::kRows - 1);
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            if (holdsVehicle(board(x, y))) return text::kAdjacent;
    return text::kMiss;
}

void WriteShotMark(Integer col, Integer row, Board& board, const std::string& answer) {
    if (answer == text::kMiss)
        board(col, row) = text::kMissMark;
    else if (answer == text::kAdjacent)
        board(col, row) = text::kAdjacentMark;
    else if (answer == text::kCombatHit)
        board(col, row) = text::kCombatHitMark;
    else if (answer == text::kCommandHit)
        board(col, row) = text::kCommandHitMark;
}

void SetCellColor(Play& b, Integer col, Integer row, Grid grid, Long color) {
    b.view.SetGridCell(grid, col, row);
    b.view.SetCellBackColor(grid, color);
}

std::string JudgeWin(const GameState& gs, const std::string& side) {
    // Equalities: every hit lowers a count by one and is judged at once, so
    // the second loss of a kind is always seen here.
    if (side == text::kPlayerSide)
        return (gs.SenCount_E == 2 || gs.SikiCount_E == 1) ? text::kWon : text::kUndecided;
    if (side == text::kCpSide)
        return (gs.SenCount_M == 2 || gs.SikiCount_M == 1) ? text::kWon : text::kUndecided;
    return "";
}

void ShowRemain_E(Play& b) {
    showRemain(b, IconRow::ImageRemSen_E, b.gs.SenCount_E, IconRow::ImageRemSiki_E,
               b.gs.SikiCount_E);
}

void ShowRemain_M(Play& b) {
    showRemain(b, IconRow::ImageRemSen_M, b.gs.SenCount_M, IconRow::ImageRemSiki_M,
               b.gs.SikiCount_M);
}

void PlayEffect(Play& b, const std::string& relativePath) {
    if (b.view.OptionValue(OptionBox::CheckSE) != 0) return;
    b.view.CloseSnd(relativePath);
    b.view.PlaySnd(relativePath);
}

}  // namespace orv
