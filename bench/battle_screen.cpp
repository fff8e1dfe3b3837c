// Battle-screen measurements, run by hand under Xvfb (or offscreen):
//  - time from a click on an enemy cell to the repainted cell (median of 100),
//  - time from an arrow key to the repainted cursor (median and worst of 100),
//  - resident memory after 100 battles started and left in a row.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "BenchKit.h"
#include "platform/MessageBox.h"
#include "screens/ACD_Main.h"
#include "screens/ACD_Sub.h"
#include "screens/GameApp.h"

using namespace orv;
using namespace orv::ui;
using namespace orv::bench;

namespace {

void click(FlexGrid* g, int c, int r) {
    QTest::mouseClick(g, Qt::LeftButton, Qt::NoModifier, g->CellRect(c, r).center());
}

// A new battle with the player's vehicles placed by clicks.
QPointer<ACD_Main> deployedBattle(GameApp& game) {
    game.OpenBattleScreen();
    QPointer<ACD_Main> main = game.Main_();
    GameState& gs = main->Engine().gs;
    WaitFor([&] { return gs.GamePhase != "InitDeploy"; });
    for (int c = 0; c < 3; ++c) click(main->FG_M(), c, 0);
    for (int c = 0; c < 4; ++c) click(main->FG_M(), c, 8);
    return main;
}

// Times `act` until `cell` of `grid` has been repainted, in milliseconds.
template <typename Act>
double toRepaint(FlexGrid* grid, QRect cell, Act act) {
    PaintWatch watch;
    grid->installEventFilter(&watch);
    watch.area = cell;
    QElapsedTimer t;
    t.start();
    act();
    WaitFor([&] { return watch.painted; });
    return t.nsecsElapsed() / 1e6;
}

void report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%s: median %.3f, p90 %.3f, max %.3f (n=%zu)\n", what, ms[ms.size() / 2],
                ms[ms.size() * 9 / 10], ms.back(), ms.size());
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    SetBoxResponder([](const QString&, const QString&, BoxButtons) { return BoxAnswer::Ok; });
    GameApp game(12345);
    game.Main();

    std::vector<double> latencies;
    while (latencies.size() < 100) {
        QPointer<ACD_Main> main = deployedBattle(game);
        GameState& gs = main->Engine().gs;
        for (int r = 0; r < 9 && main && latencies.size() < 100; ++r) {
            for (int c = 0; c < 19 && main && latencies.size() < 100; ++c) {
                if (!gs.Board_E(c, r).empty()) continue;  // keep the battle going
                WaitFor([&] { return !main || gs.GamePhase == "PLAYER_TURN" || gs.GamePhase.empty(); });
                if (!main || gs.GamePhase.empty()) break;
                FlexGrid* enemy = main->FG_E();
                latencies.push_back(
                    toRepaint(enemy, enemy->CellRect(c, r), [&] { click(enemy, c, r); }));
            }
        }
        if (main) main->RetTitle_Click();
        WaitFor([&] { return main.isNull(); });
    }
    report("click_to_repaint_ms", latencies);

    {
        // The cursor, walked right and back along a row of the enemy field.
        QPointer<ACD_Main> main = deployedBattle(game);
        main->CpTurn().stop();
        FlexGrid* enemy = main->FG_E();
        std::vector<double> keys;
        for (int i = 0; i < 100; ++i) {
            const bool right = (i / 9) % 2 == 0;
            const int col = enemy->CursorCol() + (right ? 1 : -1);
            keys.push_back(toRepaint(enemy, enemy->CellRect(col, enemy->CursorRow()), [&] {
                QTest::keyClick(main, right ? Qt::Key_Right : Qt::Key_Left);
            }));
        }
        report("key_to_cursor_ms", keys);
        main->RetTitle_Click();
        WaitFor([&] { return main.isNull(); });
    }

    std::printf("battles_started_and_left: rss_kb");
    for (int i = 1; i <= 100; ++i) {
        game.OpenBattleScreen();
        QPointer<ACD_Main> main = game.Main_();
        main->RetTitle_Click();
        WaitFor([&] { return main.isNull(); });
        if (i == 1 || i == 10 || i == 50 || i == 100) std::printf(" [%d]=%ld", i, ResidentKb());
    }
    std::printf("\n");
    return 0;
}
