// The bonus viewers: viewer C's scroll tick by tick, the click that stops it,
// and the music both viewers loop and leave behind.
#include "platform/Twips.h"
#include "screens/ACD_OmakeCG0A.h"
#include "screens/ACD_OmakeCG0C.h"
#include "screens/ACD_OmakeMode.h"
#include "screens/ACD_Sub.h"
#include "screens/FlowKit.h"

using namespace orv::testkit;

namespace {

// Opens a viewer from the bonus menu without a turn of the event loop, so
// no real tick comes between the test's own.
Form& openFromMenu(GameApp& game, ScreenId viewer) {
    Form& menu = game.FormOf(ScreenId::ACD_OmakeMode);
    if (!menu.isVisible()) game.OpenOmakeMode();
    game.SwitchForm(viewer, &menu);
    return game.FormOf(viewer);
}

const QString kMusic = QStringLiteral("OmakeBGM\\.wav\"");

}  // namespace

class BonusViewersTest : public QObject {
    Q_OBJECT
private:
    Boxes boxes;
    Sounds sounds;

private slots:
    void init() { InstallRecorders(boxes, sounds); }
    void cleanup() { RemoveRecorders(); }

    void scrollRisesEightHundredTwipsAPixelAtATime_data() {
        QTest::addColumn<bool>("lowSpec");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("ticks");
        QTest::newRow("normal") << false << 4 << 200;
        QTest::newRow("smooth") << true << 2 << 400;
    }
    void scrollRisesEightHundredTwipsAPixelAtATime() {
        QFETCH(bool, lowSpec);
        QFETCH(int, step);
        QFETCH(int, ticks);
        StartedGame game(1);
        game.Sub().LowSpecMode()->setChecked(lowSpec);

        // Created but not yet shown: the clock runs, a tick moves nothing.
        auto& idle = static_cast<ACD_OmakeCG0C&>(game.FormOf(ScreenId::ACD_OmakeCG0C));
        QVERIFY(idle.Timer1().isActive());
        QCOMPARE(idle.Timer1().interval(), 30);
        QCOMPARE(idle.ScrollStep(), Integer(0));
        idle.Timer1_Timer();
        QCOMPARE(idle.Image1Top(), 0);
        QCOMPARE(idle.Image1()->y(), 0);

        auto& c = static_cast<ACD_OmakeCG0C&>(openFromMenu(game, ScreenId::ACD_OmakeCG0C));
        QCOMPARE(&c, &idle);
        QCOMPARE(c.ScrollStep(), Integer(step));
        // The picture climbs one whole pixel at a time, never jumping.
        int shownRows = 1;
        for (int i = 1; i < ticks; ++i) {
            const int before = c.Image1()->y();
            c.Timer1_Timer();
            const int y = c.Image1()->y();
            QVERIFY(y == before || y == before - 1);
            if (y != before) ++shownRows;
        }
        QCOMPARE(c.Image1Top(), step - 800);
        QVERIFY(c.Timer1().isActive());
        c.Timer1_Timer();
        QCOMPARE(c.Image1Top(), -800);
        QVERIFY(!c.Timer1().isActive());
        QCOMPARE(c.Image1()->y(), Px(-800));
        if (c.Image1()->y() != Px(step - 800)) ++shownRows;
        QCOMPARE(shownRows, 1 - Px(-800));
    }

    void clickMidScrollStopsItWhereItIs() {
        StartedGame game(2);
        auto& c = static_cast<ACD_OmakeCG0C&>(openFromMenu(game, ScreenId::ACD_OmakeCG0C));
        for (int i = 0; i < 50; ++i) c.Timer1_Timer();
        QCOMPARE(c.Image1Top(), -200);
        Click(c.Image1());
        QVERIFY(!c.Timer1().isActive());
        QVERIFY(c.Image2()->isVisible());
        QVERIFY(!c.Image1()->isVisible());
        QTest::qWait(100);
        QCOMPARE(c.Image1Top(), -200);
        QCOMPARE(VisibleScreens(), QStringList{"ACD_OmakeCG0C"});
    }

    void musicLoopsWhileAViewerIsUpAndOnlyWithMusicOn() {
        for (ScreenId id : {ScreenId::ACD_OmakeCG0A, ScreenId::ACD_OmakeCG0C}) {
            StartedGame game(3);
            sounds.commands.clear();
            Form& viewer = openFromMenu(game, id);
            QTimer& loop = id == ScreenId::ACD_OmakeCG0A
                               ? static_cast<ACD_OmakeCG0A&>(viewer).TimerSnd()
                               : static_cast<ACD_OmakeCG0C&>(viewer).TimerSnd();
            QCOMPARE(sounds.Count("^play \".*" + kMusic + "$"), 1);
            QVERIFY(loop.isActive());
            QCOMPARE(loop.interval(), 500);

            auto tick = [&] {
                if (id == ScreenId::ACD_OmakeCG0A)
                    static_cast<ACD_OmakeCG0A&>(viewer).TimerSnd_Timer();
                else
                    static_cast<ACD_OmakeCG0C&>(viewer).TimerSnd_Timer();
            };
            sounds.commands.clear();
            tick();
            QCOMPARE(sounds.commands.size(), 1);  // only the question while it plays
            sounds.mode = QStringLiteral("stopped");
            sounds.commands.clear();
            tick();
            QCOMPARE(sounds.commands.size(), 4);
            QVERIFY(sounds.commands[1].startsWith("close \"") &&
                    sounds.commands[2].startsWith("open \"") &&
                    sounds.commands[3].startsWith("play \""));
            sounds.mode = QStringLiteral("playing");

            // Music off on the title: silence, and no loop.
            game.SwitchForm(ScreenId::ACD_OmakeMode, &viewer);
            game.Sub().CheckBGM()->setChecked(true);
            sounds.commands.clear();
            Form& quiet = game.FormOf(id);
            game.SwitchForm(id, &game.FormOf(ScreenId::ACD_OmakeMode));
            QCOMPARE(sounds.Count("^(open|play) "), 0);
            QVERIFY(!(id == ScreenId::ACD_OmakeCG0A ? static_cast<ACD_OmakeCG0A&>(quiet).TimerSnd()
                                                    : static_cast<ACD_OmakeCG0C&>(quiet).TimerSnd())
                         .isActive());
        }
    }

    void leavingAViewerLeavesNoMusicBehind() {
        StartedGame game(4);

        // Viewer A closes its own music; the menu closes everything anyway.
        auto& a = static_cast<ACD_OmakeCG0A&>(openFromMenu(game, ScreenId::ACD_OmakeCG0A));
        sounds.commands.clear();
        Click(a.Image1());
        QCOMPARE(sounds.commands.size(), 2);
        QCOMPARE(sounds.commands[0], QStringLiteral("close all "));
        QCOMPARE(sounds.Count("^close \".*" + kMusic + "$"), 1);
        QVERIFY(!a.TimerSnd().isActive());

        // Viewer C leaves that to the menu's activation.
        auto& c = static_cast<ACD_OmakeCG0C&>(openFromMenu(game, ScreenId::ACD_OmakeCG0C));
        sounds.commands.clear();
        Click(c.Image1());
        Click(c.Image2());
        QCOMPARE(sounds.commands, QStringList{"close all "});
        QVERIFY(!c.TimerSnd().isActive());
        QTRY_COMPARE(VisibleScreens(), QStringList{"ACD_OmakeMode"});
    }
};

QTEST_MAIN(BonusViewersTest)
#include "BonusViewersTest.moc"
