#pragma once
// Everything the screens, the rules and the opponent share, under the names
// the rest of the game uses for it. One object, no loose globals.
#include <string>

#include "core/CharaTable.h"
#include "core/Checked.h"
#include "core/Random.h"
#include "core/Types.h"

namespace orv {

struct GameState {
    // Flow flags and indices.
    Integer CharaIndex = 0;
    Integer StageIndex = 0;
    Boolean ScreenSwitching = kFalse;
    Boolean FromOmakeMode = kFalse;

    // Message slide (values written at start-up).
    Integer MsgTopFirst = 0;
    Integer MsgTopStop = 0;
    Integer MsgTopEnd = 0;
    Integer MsgIntervalCome = 0;
    Integer MsgIntervalStop = 0;
    Integer MsgIntervalGo = 0;
    std::string MsgState;

    // Event being dispatched and phase of the battle.
    std::string EventName;
    std::string GamePhase;

    // Vehicles in play.
    Integer SenCount_M = 0;
    Integer SikiCount_M = 0;
    Integer SenCount_E = 0;
    Integer SikiCount_E = 0;

    // Shot counters.
    Integer PLTurnShots = 0;
    Integer CPTurnShots = 0;
    Integer PLShotCount = 0;
    Integer CPShotCount = 0;

    // Fields: the player's own (shown on FG_M) and the computer's (FG_E).
    Board Board_M;
    Board Board_E;

    // Vehicle lists.
    BoundedArray<UnitPos, 0, 3> Sen_E;
    BoundedArray<UnitPos, 0, 2> Siki_E;
    BoundedArray<UnitPos, 0, 3> Sen_M;
    BoundedArray<UnitPos, 0, 2> Siki_M;

    CharaTableType CharaTable;

    // Cell colours, 0x00BBGGRR.
    Long MissColor = 0;
    Long AdjacentColor = 0;
    Long SikiColor = 0;
    Long SenColor = 0;

    // The shared random generator.
    UniformRandom Rng;

    // Twips per pixel reported by the screen (15 at 96 dpi).
    float TwipsPerPixelX = 15.0f;
    float TwipsPerPixelY = 15.0f;
};

}  // namespace orv
