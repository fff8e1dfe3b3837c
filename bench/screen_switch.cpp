// Screen-switch measurements, run by hand under Xvfb: time from a click to the
// new screen painted (title -> battle, battle -> title), and resident memory
// over 200 trips title -> battle -> title. The first click comes once the
// title has been painted and idle for a second, as a player's would; the
// first trip and the first 20 are told apart from the rest.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <functional>
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

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    SetBoxResponder([](const QString&, const QString&, BoxButtons) { return BoxAnswer::Ok; });
    GameApp game(7);
    game.Main();
    ACD_Sub& sub = game.Sub();
    PaintWatch titlePaint;
    sub.installEventFilter(&titlePaint);
    WaitFor([&] { return sub.isVisible() && titlePaint.painted; });
    QElapsedTimer idle;
    idle.start();
    WaitFor([&] { return idle.elapsed() >= 1000; });

    std::vector<double> toBattle, toTitle;
    for (int trip = 1; trip <= 200; ++trip) {
        QElapsedTimer t;
        t.start();
        QTest::mouseClick(sub.Command4(), Qt::LeftButton);
        QPointer<ACD_Main> main = game.Main_();
        PaintWatch battlePaint;
        main->Client()->installEventFilter(&battlePaint);
        WaitFor([&] { return battlePaint.painted; });
        toBattle.push_back(t.nsecsElapsed() / 1e6);

        titlePaint.painted = false;
        t.restart();
        main->RetTitle_Click();
        WaitFor([&] { return titlePaint.painted && main.isNull(); });
        toTitle.push_back(t.nsecsElapsed() / 1e6);
        if (trip == 1 || trip == 20 || trip == 100 || trip == 200)
            std::printf("trip %d: rss %ld kB\n", trip, ResidentKb());
    }
    const std::vector<double> first20(toBattle.begin(), toBattle.begin() + 20);
    std::printf("title->battle first trip: %.2f ms; trips 1-20: median %.2f ms, max %.2f ms\n",
                toBattle.front(), median(first20),
                *std::max_element(first20.begin(), first20.end()));
    std::printf("title->battle click to painted: median %.2f ms, max %.2f ms\n", median(toBattle),
                *std::max_element(toBattle.begin(), toBattle.end()));
    std::printf("battle->title click to painted: median %.2f ms, max %.2f ms\n", median(toTitle),
                *std::max_element(toTitle.begin(), toTitle.end()));
    return 0;
}
