// The way through the game: every change of screen lands where the old
// screen stood, carries the stage along as the course of a game wants it,
// and never asks the quit question; closing a window always asks it.
#include <QLabel>

#include "rules/Texts.h"
#include "screens/ACD_Continue.h"
#include "screens/ACD_Main.h"
#include "screens/ACD_OmakeCG0A.h"
#include "screens/ACD_OmakeCG0C.h"
#include "screens/ACD_OmakeMode.h"
#include "screens/ACD_Sub.h"
#include "screens/FlowKit.h"

using namespace orv::testkit;

namespace {

const char* kAllCleared = "[CLR]\nCH0=1\nCH1=1\nCH2=1\n";

QString stageCaption(ACD_Main* battle) {
    return battle->Widgets().As<QLabel>("StageNo")->text();
}

// A battle whose clock the test drives, where the title stands.
ACD_Main* startBattle(GameApp& game) {
    game.OpenBattleScreen();
    ACD_Main* battle = game.Main_();
    battle->CpTurn().stop();
    return battle;
}

}  // namespace

class ScreenFlowTest : public QObject {
    Q_OBJECT
private:
    Boxes boxes;
    Sounds sounds;

private slots:
    void init() { InstallRecorders(boxes, sounds); }
    void cleanup() { RemoveRecorders(); }

    void defeatOffersToContinueTheSameStageOrToGiveUp() {
        StartedGame game(21);
        GameState& gs = game.State();
        gs.StageIndex = 1;
        QPointer<ACD_Main> lost = startBattle(game);
        Place(*lost, 2400, 3600);

        lost->Surrender_Click();
        QCOMPARE(boxes.seen, QStringList{QStringLiteral("戦闘結果|You Lose")});
        auto& cont = Current<ACD_Continue>(game, ScreenId::ACD_Continue);
        QCOMPARE(cont.Top(), 2400);
        QCOMPARE(cont.Left(), 3600);
        QTRY_VERIFY(lost.isNull());
        QCOMPARE(VisibleScreens(), QStringList{"ACD_Continue"});
        QCOMPARE(gs.ScreenSwitching, kFalse);

        // The banner is no button.
        Click(cont.Image1());
        QCOMPARE(VisibleScreens(), QStringList{"ACD_Continue"});

        // Yes: the same stage again, a battle set up afresh.
        Place(cont, 600, 900);
        QPointer<ACD_Continue> asked(&cont);
        Click(cont.Image2());
        ACD_Main* again = game.Main_();
        QVERIFY(again && again->isVisible());
        QCOMPARE(again->Top(), 600);
        QCOMPARE(again->Left(), 900);
        QCOMPARE(gs.StageIndex, Integer(1));
        QCOMPARE(stageCaption(again), QStringLiteral("Stage 2"));
        QCOMPARE(gs.GamePhase, std::string(text::kInitDeploy));
        QCOMPARE(gs.SenCount_M, Integer(0));
        QVERIFY(again->CpTurn().isActive());
        QTRY_VERIFY(asked.isNull());
        QCOMPARE(VisibleScreens(), QStringList{"ACD_Main"});

        // No: back to the title where the continue screen stood, from stage 1.
        again->CpTurn().stop();
        again->Surrender_Click();
        auto& cont2 = Current<ACD_Continue>(game, ScreenId::ACD_Continue);
        QCOMPARE(cont2.Top(), 600);
        Place(cont2, 1200, 300);
        asked = &cont2;
        Click(cont2.Image3());
        QCOMPARE(gs.StageIndex, Integer(0));
        QCOMPARE(game.Sub().Top(), 1200);
        QCOMPARE(game.Sub().Left(), 300);
        QTRY_VERIFY(asked.isNull());
        QCOMPARE(VisibleScreens(), QStringList{"ACD_Sub"});
        QCOMPARE(boxes.Questions(), 0);
        QCOMPARE(gs.ScreenSwitching, kFalse);
    }

    void victoriesLeadThroughBothViewersBackToTheTitle() {
        StartedGame game(22);
        GameState& gs = game.State();
        QPointer<ACD_Main> battle = startBattle(game);
        Place(*battle, 1500, 3000);

        // Stage 1 won: viewer A where the battle stood.
        battle->SetEvent(text::kPLAYER_Win);
        QCOMPARE(boxes.seen.last(), QStringLiteral("戦闘結果|　    -You Win-"));
        auto& a = Current<ACD_OmakeCG0A>(game, ScreenId::ACD_OmakeCG0A);
        QCOMPARE(a.Top(), 1500);
        QCOMPARE(a.Left(), 3000);
        QTRY_VERIFY(battle.isNull());
        QCOMPARE(VisibleScreens(), QStringList{"ACD_OmakeCG0A"});

        // Its click is the second stage.
        Place(a, 750, 450);
        Click(a.Image1());
        battle = game.Main_();
        QVERIFY(battle && battle->isVisible());
        QCOMPARE(gs.StageIndex, Integer(1));
        QCOMPARE(stageCaption(battle), QStringLiteral("Stage 2"));
        QCOMPARE(battle->Top(), 750);
        QCOMPARE(battle->Left(), 450);
        battle->CpTurn().stop();
        QTRY_COMPARE(VisibleScreens(), QStringList{"ACD_Main"});

        // Stage 2 won: viewer C; its first picture gives way, the second leads home.
        Place(*battle, 3000, 150);
        battle->SetEvent(text::kPLAYER_Win);
        auto& c = Current<ACD_OmakeCG0C>(game, ScreenId::ACD_OmakeCG0C);
        QCOMPARE(c.Top(), 3000);
        QCOMPARE(c.Left(), 150);
        QTRY_VERIFY(battle.isNull());
        Click(c.Image1());
        QCOMPARE(VisibleScreens(), QStringList{"ACD_OmakeCG0C"});
        QVERIFY(c.Image2()->isVisible());
        QPointer<ACD_OmakeCG0C> viewer(&c);
        Click(c.Image2());
        QCOMPARE(gs.StageIndex, Integer(0));
        QCOMPARE(game.Sub().Top(), 3000);
        QCOMPARE(game.Sub().Left(), 150);
        QTRY_VERIFY(viewer.isNull());
        QCOMPARE(VisibleScreens(), QStringList{"ACD_Sub"});
        QCOMPARE(boxes.Questions(), 0);
        QCOMPARE(gs.ScreenSwitching, kFalse);
    }

    void otherVictoriesLeaveTheBattleOpenUntilItsMenuReturnsToTheTitle() {
        StartedGame game(23);
        GameState& gs = game.State();
        for (auto [chara, stage] : {std::pair{1, 0}, std::pair{0, 2}}) {
            gs.CharaIndex = Integer(chara);
            gs.StageIndex = Integer(stage);
            ACD_Main* battle = startBattle(game);
            battle->SetEvent(text::kPLAYER_Win);
            QCOMPARE(VisibleScreens(), QStringList{"ACD_Main"});

            QPointer<ACD_Main> left(battle);
            Place(*battle, 450, 600);
            battle->RetTitle_Click();
            QCOMPARE(gs.StageIndex, Integer(stage));
            QCOMPARE(game.Sub().Top(), 450);
            QCOMPARE(game.Sub().Left(), 600);
            QTRY_VERIFY(left.isNull());
            QCOMPARE(VisibleScreens(), QStringList{"ACD_Sub"});
        }
        QCOMPARE(boxes.Questions(), 0);
    }

    void bonusModeOpensBothViewersAndReturnsToItsMenu() {
        StartedGame game(24, kAllCleared);
        GameState& gs = game.State();
        ACD_Sub& title = game.Sub();
        QVERIFY(title.Command_Omake()->isVisible());
        gs.StageIndex = 1;
        Place(title, 900, 1800);

        Click(title.Command_Omake());
        auto* menu = &Current<ACD_OmakeMode>(game, ScreenId::ACD_OmakeMode);
        QCOMPARE(menu->Top(), 900);
        QCOMPARE(menu->Left(), 1800);
        QCOMPARE(VisibleScreens(), QStringList{"ACD_OmakeMode"});
        QCOMPARE(gs.FromOmakeMode, kTrue);

        // Viewer A, left by a click on its window's edge beside the picture.
        Click(menu->Command_Omake(0));
        auto& a = Current<ACD_OmakeCG0A>(game, ScreenId::ACD_OmakeCG0A);
        QCOMPARE(a.Top(), 900);
        QCOMPARE(a.Left(), 1800);
        Place(a, 1500, 1500);
        Click(&a, QPoint(800, 600));
        menu = &Current<ACD_OmakeMode>(game, ScreenId::ACD_OmakeMode);
        QCOMPARE(menu->Top(), 1500);
        QCOMPARE(menu->Left(), 1500);
        QCOMPARE(gs.StageIndex, Integer(1));
        QTRY_COMPARE(VisibleScreens(), QStringList{"ACD_OmakeMode"});

        // Viewer C, through both pictures; then again, left mid-scroll by its edge.
        for (bool throughPictures : {true, false}) {
            Click(menu->Command_Omake(2));
            auto& c = Current<ACD_OmakeCG0C>(game, ScreenId::ACD_OmakeCG0C);
            QVERIFY(c.Image1()->isVisible());
            QVERIFY(!c.Image2()->isVisible());
            QCOMPARE(c.Top(), 1500);
            if (throughPictures) {
                Click(c.Image1());
                Click(c.Image2());
            } else {
                Click(&c, QPoint(800, 600));
            }
            menu = &Current<ACD_OmakeMode>(game, ScreenId::ACD_OmakeMode);
            QCOMPARE(menu->Top(), 1500);
            QCOMPARE(gs.StageIndex, Integer(1));
            QTRY_COMPARE(VisibleScreens(), QStringList{"ACD_OmakeMode"});
        }

        // Exit: the title where the menu stood, the bonus still there.
        Place(*menu, 600, 2400);
        Click(menu->Command_Exit());
        QCOMPARE(title.Top(), 600);
        QCOMPARE(title.Left(), 2400);
        QTRY_COMPARE(VisibleScreens(), QStringList{"ACD_Sub"});
        QVERIFY(title.Command_Omake()->isVisible());
        QCOMPARE(gs.FromOmakeMode, kFalse);

        // A game after the bonus mode: viewer A leads on to stage 2, not to the menu.
        Click(title.Command4());
        ACD_Main* battle = game.Main_();
        battle->CpTurn().stop();
        battle->SetEvent(text::kPLAYER_Win);
        Click(Current<ACD_OmakeCG0A>(game, ScreenId::ACD_OmakeCG0A).Image1());
        QTRY_COMPARE(VisibleScreens(), QStringList{"ACD_Main"});
        QCOMPARE(gs.StageIndex, Integer(1));
        QCOMPARE(boxes.Questions(), 0);
        game.Main_()->CpTurn().stop();
    }

    // Clicks the player made as the screen changed arrive at the screen that
    // gave way: they must not open a second screen, quit or tick an option.
    void aScreenThatGaveWayTakesNoMoreClicks() {
        StartedGame game(27, kAllCleared);
        ACD_Sub& title = game.Sub();
        // A click split by a change of screen: pressed on the title, released
        // over it once it gave way. The release finishes no click, and the
        // button is not left pressed for the title's return.
        for (QAbstractButton* button :
             std::initializer_list<QAbstractButton*>{title.Command_Omake(), title.CheckSE()}) {
            QTest::mousePress(button, Qt::LeftButton);
            game.OpenBattleScreen();
            game.Main_()->CpTurn().stop();
            QTest::mouseRelease(button, Qt::LeftButton);
            QCOMPARE(VisibleScreens(), QStringList{"ACD_Main"});
            QVERIFY(!button->isDown());
            game.Main_()->RetTitle_Click();
        }
        Click(title.Command4());
        ACD_Main* battle = game.Main_();
        battle->CpTurn().stop();
        Click(title.Command_Omake());
        Click(title.CheckSE());
        QCOMPARE(VisibleScreens(), QStringList{"ACD_Main"});
        QVERIFY(!title.CheckSE()->isChecked());
        QCOMPARE(game.settings.Lines(), (QStringList{"[CLR]", "CH0=1", "CH1=1", "CH2=1"}));

        // The continue screen's answer, clicked twice: one new battle.
        battle->Surrender_Click();
        auto& cont = Current<ACD_Continue>(game, ScreenId::ACD_Continue);
        Click(cont.Image2());
        ACD_Main* again = game.Main_();
        again->CpTurn().stop();
        Click(cont.Image3());
        QCOMPARE(VisibleScreens(), QStringList{"ACD_Main"});
        QCOMPARE(game.Main_(), again);
        QCOMPARE(boxes.Questions(), 0);
    }

    // A click that reaches a screen already left - the second of a double
    // click, say - changes no stage and leads nowhere.
    void lateClicksOnALeftScreenChangeNothing() {
        StartedGame game(28);
        GameState& gs = game.State();
        startBattle(game)->SetEvent(text::kPLAYER_Win);
        auto& a = Current<ACD_OmakeCG0A>(game, ScreenId::ACD_OmakeCG0A);
        game.LeaveOmakeCG0A(a);
        game.LeaveOmakeCG0A(a);
        QCOMPARE(gs.StageIndex, Integer(1));

        game.Main_()->CpTurn().stop();
        game.Main_()->SetEvent(text::kPLAYER_Win);
        auto& c = Current<ACD_OmakeCG0C>(game, ScreenId::ACD_OmakeCG0C);
        game.LeaveOmakeCG0C(c);
        gs.StageIndex = 1;
        game.LeaveOmakeCG0C(c);
        QCOMPARE(gs.StageIndex, Integer(1));

        startBattle(game)->Surrender_Click();
        auto& cont = Current<ACD_Continue>(game, ScreenId::ACD_Continue);
        cont.Image3_Click();
        gs.StageIndex = 1;
        cont.Image3_Click();
        cont.Image2_Click();
        QCOMPARE(gs.StageIndex, Integer(1));
        QCOMPARE(VisibleScreens(), QStringList{"ACD_Sub"});
        QVERIFY(game.Main_() == nullptr);
    }

    void closingAWindowAsksAndNoKeepsTheScreenGoing() {
        StartedGame game(25, kAllCleared);
        GameState& gs = game.State();
        boxes.yesNo = BoxAnswer::No;

        // Asks, stays, and then still goes where its buttons lead.
        auto refuse = [&](Form& f, const char* name) {
            const int before = boxes.Questions();
            QVERIFY(!f.window()->close());
            QCOMPARE(boxes.Questions(), before + 1);
            QCOMPARE(boxes.seen.last(), kQuestion);
            QVERIFY(f.isVisible() && !f.IsUnloaded());
            QCOMPARE(VisibleScreens(), QStringList{name});
            QCOMPARE(gs.ScreenSwitching, kFalse);
        };

        ACD_Main* battle = startBattle(game);
        battle->Surrender_Click();
        auto& cont = Current<ACD_Continue>(game, ScreenId::ACD_Continue);
        refuse(cont, "ACD_Continue");
        Click(cont.Image3());
        QTRY_COMPARE(VisibleScreens(), QStringList{"ACD_Sub"});

        game.OpenOmakeMode();
        auto& menu = Current<ACD_OmakeMode>(game, ScreenId::ACD_OmakeMode);
        refuse(menu, "ACD_OmakeMode");
        Click(menu.Command_Omake(0));
        auto& a = Current<ACD_OmakeCG0A>(game, ScreenId::ACD_OmakeCG0A);
        refuse(a, "ACD_OmakeCG0A");
        QVERIFY(a.TimerSnd().isActive());  // the music goes on
        Click(a.Image1());
        Click(Current<ACD_OmakeMode>(game, ScreenId::ACD_OmakeMode).Command_Omake(2));
        auto& c = Current<ACD_OmakeCG0C>(game, ScreenId::ACD_OmakeCG0C);
        refuse(c, "ACD_OmakeCG0C");
        QVERIFY(c.Timer1().isActive() && c.TimerSnd().isActive());  // scroll and music go on
        Click(c.Image1());
        Click(c.Image2());
        QTRY_COMPARE(VisibleScreens(), QStringList{"ACD_OmakeMode"});
    }

    void yesToTheQuestionEndsTheGame() {
        // Each screen is closed in a child process, which must end at once
        // with status 0 and close every sound on the way out.
        for (ScreenId id : {ScreenId::ACD_Continue, ScreenId::ACD_OmakeMode,
                            ScreenId::ACD_OmakeCG0A, ScreenId::ACD_OmakeCG0C}) {
            StartedGame game(26);
            game.OpenOmakeMode();
            Form& menu = game.FormOf(ScreenId::ACD_OmakeMode);
            if (id != ScreenId::ACD_OmakeMode) game.SwitchForm(id, &menu);
            Form& shown = game.FormOf(id);
            QVERIFY(shown.isVisible());

            const Ending ending = RunToTheEnd([&] {
                boxes.yesNo = BoxAnswer::Yes;
                shown.window()->close();
            });
            QCOMPARE(ending.status, 0);
            QVERIFY(ending.sounds.contains("close all "));
        }
    }
};

QTEST_MAIN(ScreenFlowTest)
#include "ScreenFlowTest.moc"
