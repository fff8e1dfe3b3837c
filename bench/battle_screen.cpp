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

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    SetBoxResponder([](const QString&, const QString&, BoxButtons) { return BoxAnswer::Ok; });
    GameApp game(12345);
    game.Main();

    std::vector<double> latencies;
    while (latencies.size() < 100) {
        game.OpenBattleScreen();
        QPointer<ACD_Main> main = game.Main_();
        GameState& gs = main->Engine().gs;
        WaitFor([&] { return gs.GamePhase != "InitDeploy"; });
        for (int c = 0; c < 3; ++c) click(main->FG_M(), c, 0);
        for (int c = 0; c < 4; ++c) click(main->FG_M(), c, 8);
        PaintWatch watch;
        main->FG_E()->installEventFilter(&watch);
        for (int r = 0; r < 9 && main && latencies.size() < 100; ++r) {
            for (int c = 0; c < 19 && main && latencies.size() < 100; ++c) {
                if (!gs.Board_E(c, r).empty()) continue;  // keep the battle going
                WaitFor([&] { return !main || gs.GamePhase == "PLAYER_TURN" || gs.GamePhase.empty(); });
                if (!main || gs.GamePhase.empty()) break;
                watch.area = main->FG_E()->CellRect(c, r);
                watch.painted = false;
                QElapsedTimer t;
                t.start();
                click(main->FG_E(), c, r);
                WaitFor([&] { return watch.painted; });
                latencies.push_back(t.nsecsElapsed() / 1e6);
            }
        }
        if (main) main->RetTitle_Click();
        WaitFor([&] { return main.isNull(); });
    }
    std::sort(latencies.begin(), latencies.end());
    std::printf("click_to_repaint_ms: median %.3f, p90 %.3f, max %.3f (n=%zu)\n",
                latencies[latencies.size() / 2], latencies[latencies.size() * 9 / 10],
                latencies.back(), latencies.size());

    {
        // The cursor, walked right and back along a row of the enemy field.
        game.OpenBattleScreen();
        QPointer<ACD_Main> main = game.Main_();
        GameState& gs = main->Engine().gs;
        WaitFor([&] { return gs.GamePhase != "InitDeploy"; });
        for (int c = 0; c < 3; ++c) click(main->FG_M(), c, 0);
        for (int c = 0; c < 4; ++c) click(main->FG_M(), c, 8);
        main->CpTurn().stop();
        FlexGrid* enemy = main->FG_E();
        PaintWatch watch;
        enemy->installEventFilter(&watch);
        std::vector<double> keys;
        for (int i = 0; i < 100; ++i) {
            const bool right = (i / 9) % 2 == 0;
            const int col = enemy->CursorCol() + (right ? 1 : -1);
            watch.area = enemy->CellRect(col, enemy->CursorRow());
            watch.painted = false;
            QElapsedTimer t;
            t.start();
            QTest::keyClick(main, right ? Qt::Key_Right : Qt::Key_Left);
            WaitFor([&] { return watch.painted; });
            keys.push_back(t.nsecsElapsed() / 1e6);
        }
        std::sort(keys.begin(), keys.end());
        std::printf("key_to_cursor_ms: median %.3f, p90 %.3f, max %.3f (n=%zu)\n",
                    keys[keys.size() / 2], keys[keys.size() * 9 / 10], keys.back(), keys.size());
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
