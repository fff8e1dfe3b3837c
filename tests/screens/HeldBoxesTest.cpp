// Boxes left open by a slow player while the clock goes on: the computer may
// finish the battle behind the quit question, a surrender may come while a
// result box is up. Whatever happens behind a box, no screen is deleted under
// it, one screen stays in view, ScreenSwitching never stays set, and the box
// still answers as it says: Yes ends the game, No goes on where the game is.
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <cstdio>

#include "rules/Texts.h"
#include "screens/ACD_Continue.h"
#include "screens/ACD_Main.h"
#include "screens/ACD_OmakeCG0C.h"
#include "screens/ACD_OmakeMode.h"
#include "screens/ACD_Sub.h"
#include "screens/FlowKit.h"

using namespace orv::testkit;

namespace {

const QString kLose = QStringLiteral("戦闘結果|You Lose");
const QString kWin = QStringLiteral("戦闘結果|　    -You Win-");
// Set in the child process that plays a game to its end.
constexpr const char* kChildVariable = "ORVALIS_HELD_QUIT_CHILD";

void clickCell(FlexGrid* grid, int col, int row) {
    QTest::mouseClick(grid, Qt::LeftButton, Qt::NoModifier, grid->CellRect(col, row).center());
}

// A battle past its deployment, in the player's turn, its clock sped up so
// that the computer's shots come without a wait.
ACD_Main* deployedBattle(GameApp& game) {
    game.OpenBattleScreen();
    ACD_Main* battle = game.Main_();
    battle->CpTurn().stop();
    battle->CpTurn_Timer();  // the first tick opens the deployment
    for (int c = 0; c < 3; ++c) clickCell(battle->FG_M(), c, 0);
    for (int c = 0; c < 4; ++c) clickCell(battle->FG_M(), c, 8);
    battle->CpTurn().start(5);
    return battle;
}

// The computer's turn with a combat vehicle on every free cell of the own
// field: its second shot wins the battle.
void computerAboutToWin(ACD_Main* battle) {
    GameState& gs = battle->Engine().gs;
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 19; ++c)
            if (gs.Board_M(c, r).empty()) gs.Board_M(c, r) = text::kCombatUnit;
    gs.GamePhase = text::kCpTurnPhase;
}

std::function<bool()> showing(const char* screen) {
    return [screen] { return VisibleScreens() == QStringList{QString::fromUtf8(screen)}; };
}

// True once `condition` has held for a while: long enough for anything the
// event loop had put off to have run.
std::function<bool()> settled(std::function<bool()> condition) {
    auto since = std::make_shared<QElapsedTimer>();
    return [condition = std::move(condition), since] {
        if (!condition()) return false;
        if (!since->isValid()) since->start();
        return since->elapsed() >= 50;
    };
}

}  // namespace

class HeldBoxesTest : public QObject {
    Q_OBJECT
private:
    Boxes boxes;
    Sounds sounds;

    // The quit question asked the way the player chose: the menu or the
    // game window's close button.
    static void askToQuit(ACD_Main* battle, bool fromCloseButton) {
        if (fromCloseButton)
            battle->window()->close();
        else
            battle->EndGame_Click();
    }

private slots:
    void init() { InstallRecorders(boxes, sounds); }
    void cleanup() { RemoveRecorders(); }

    void waysToAsk_data() {
        QTest::addColumn<bool>("fromCloseButton");
        QTest::newRow("menu") << false;
        QTest::newRow("close button") << true;
    }

    // The defeat box and the continue screen come as after any defeat; No to
    // the question, answered on the continue screen, leaves the game there.
    void computerWinsBehindTheQuitQuestion_data() { waysToAsk_data(); }
    void computerWinsBehindTheQuitQuestion() {
        QFETCH(bool, fromCloseButton);
        StartedGame game(31);
        GameState& gs = game.State();
        QPointer<ACD_Main> battle = deployedBattle(game);
        Place(*battle, 1200, 2400);
        computerAboutToWin(battle);

        // The screen the question was asked from must outlive the question.
        bool askedFromALiveScreen = false;
        auto release = settled(showing("ACD_Continue"));
        boxes.HoldNext(
            kQuestion,
            [&] {
                askedFromALiveScreen = !battle.isNull();
                return release();
            },
            BoxAnswer::No);
        askToQuit(battle, fromCloseButton);
        QCOMPARE(boxes.stuck, 0);
        QVERIFY(askedFromALiveScreen);
        QCOMPARE(boxes.seen, (QStringList{kQuestion, kLose}));
        QCOMPARE(VisibleScreens(), QStringList{"ACD_Continue"});
        QCOMPARE(gs.ScreenSwitching, kFalse);
        QVERIFY(game.Main_() == nullptr);
        QTRY_VERIFY(battle.isNull());

        // The continue screen stood in for the battle and works as ever.
        auto& cont = Current<ACD_Continue>(game, ScreenId::ACD_Continue);
        QCOMPARE(cont.Top(), 1200);
        QCOMPARE(cont.Left(), 2400);
        QVERIFY(!cont.window()->close());
        QCOMPARE(boxes.Questions(), 2);
        QCOMPARE(VisibleScreens(), QStringList{"ACD_Continue"});
        Click(cont.Image2());
        QTRY_COMPARE(VisibleScreens(), QStringList{"ACD_Main"});
        ACD_Main* again = game.Main_();
        QVERIFY(again);
        again->CpTurn().stop();
        QCOMPARE(gs.GamePhase, std::string(text::kInitDeploy));

        // And the way back to the title is open too.
        again->Surrender_Click();
        Click(Current<ACD_Continue>(game, ScreenId::ACD_Continue).Image3());
        QTRY_COMPARE(VisibleScreens(), QStringList{"ACD_Sub"});
        QCOMPARE(gs.ScreenSwitching, kFalse);
    }

    // Yes to the same question, answered on the continue screen, ends the
    // game: in a process of its own, which the game must end with status 0.
    void yesBehindTheDefeatStillEndsTheGame_data() { waysToAsk_data(); }
    void yesBehindTheDefeatStillEndsTheGame() {
        QFETCH(bool, fromCloseButton);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kChildVariable), fromCloseButton ? "close" : "menu");
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QVERIFY(child.readAllStandardOutput().split('\n').contains("close all "));
    }

    // No while the battle goes on keeps it exactly where the clock took it.
    void noAfterTicksBehindTheQuestionGoesOnWithTheBattle_data() { waysToAsk_data(); }
    void noAfterTicksBehindTheQuestionGoesOnWithTheBattle() {
        QFETCH(bool, fromCloseButton);
        StartedGame game(33);
        game.OpenBattleScreen();
        QPointer<ACD_Main> battle = game.Main_();
        battle->CpTurn().start(5);
        GameState& gs = game.State();

        // The first tick comes behind the question and opens the deployment.
        boxes.HoldNext(kQuestion, AfterTicks(battle->CpTurn(), 3), BoxAnswer::No);
        askToQuit(battle, fromCloseButton);
        QCOMPARE(boxes.stuck, 0);
        QVERIFY(battle && battle->isVisible() && !battle->IsUnloaded());
        QCOMPARE(gs.GamePhase, std::string(text::kCommandDeploy));
        QVERIFY(battle->Label_Command()->isVisible());
        QVERIFY(battle->CpTurn().isActive());
        clickCell(battle->FG_M(), 5, 5);
        QCOMPARE(gs.SikiCount_M, Integer(1));
        QCOMPARE(VisibleScreens(), QStringList{"ACD_Main"});
        battle->CpTurn().stop();
    }

    // Ticks under a result box fire no shot and start no second defeat.
    void resultBoxesHeldWhileTheClockTicks() {
        StartedGame game(34);
        GameState& gs = game.State();

        QPointer<ACD_Main> battle = deployedBattle(game);
        gs.GamePhase = text::kCpTurnPhase;
        const Integer shots = gs.CPShotCount;
        boxes.HoldNext(kLose, AfterTicks(battle->CpTurn(), 20), BoxAnswer::Ok);
        battle->Surrender_Click();
        QCOMPARE(boxes.stuck, 0);
        QCOMPARE(gs.CPShotCount, shots);
        QCOMPARE(boxes.seen, QStringList{kLose});
        QCOMPARE(VisibleScreens(), QStringList{"ACD_Continue"});
        QTRY_VERIFY(battle.isNull());

        Click(Current<ACD_Continue>(game, ScreenId::ACD_Continue).Image2());
        battle = game.Main_();
        QVERIFY(battle);
        battle->CpTurn().start(5);
        boxes.HoldNext(kWin, AfterTicks(battle->CpTurn(), 20), BoxAnswer::Ok);
        battle->SetEvent(text::kPLAYER_Win);
        QCOMPARE(boxes.stuck, 0);
        QCOMPARE(gs.CPShotCount, Integer(0));
        QCOMPARE(VisibleScreens(), QStringList{"ACD_OmakeCG0A"});
        QTRY_VERIFY(battle.isNull());
        QCOMPARE(gs.ScreenSwitching, kFalse);
    }

    // A surrender that comes while a result box is still up ends the battle
    // once: the defeat wins, the box behind it leads nowhere any more.
    void surrenderWhileAResultBoxIsUp() {
        StartedGame game(35);
        GameState& gs = game.State();

        for (const QString& first : {kWin, kLose}) {
            boxes.seen.clear();
            QPointer<ACD_Main> battle = deployedBattle(game);
            battle->CpTurn().stop();
            boxes.HoldNext(first, showing("ACD_Continue"), BoxAnswer::Ok);
            QTimer::singleShot(10, battle, [battle] { battle->Surrender_Click(); });
            if (first == kWin)
                battle->SetEvent(text::kPLAYER_Win);
            else
                battle->Surrender_Click();
            QCOMPARE(boxes.stuck, 0);
            QCOMPARE(boxes.seen, (QStringList{first, kLose}));
            QCOMPARE(VisibleScreens(), QStringList{"ACD_Continue"});
            QCOMPARE(gs.ScreenSwitching, kFalse);
            QTRY_VERIFY(battle.isNull());
            QCOMPARE(VisibleScreens(), QStringList{"ACD_Continue"});

            // Back to the title for the next round.
            Click(Current<ACD_Continue>(game, ScreenId::ACD_Continue).Image3());
            QTRY_COMPARE(VisibleScreens(), QStringList{"ACD_Sub"});
        }
    }

    // The real boxes, inside the game window as on Wayland. The computer wins
    // behind the quit question: the result box comes over it, the continue
    // screen takes the battle's place, the question stays centred over the
    // window of the new size, the window never moves, and nothing under a box
    // takes a click or a menu key.
    void realBoxesStayCentredOverTheWindowThatStaysPut() {
        SetBoxResponder({});
        StartedGame game(37);
        GameWindow& window = game.Window();
        QPointer<ACD_Main> battle = deployedBattle(game);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QPoint home = window.geometry().topLeft();
        computerAboutToWin(battle);
        battle->CpTurn().start(60);

        QStringList seen, offCentre;
        bool closedUnderBox = false;
        QElapsedTimer since;
        since.start();
        QTimer look;
        connect(&look, &QTimer::timeout, &window, [&] {
            QList<QMessageBox*> open;
            for (QMessageBox* box : window.findChildren<QMessageBox*>())
                if (box->isVisible()) open << box;
            if (open.isEmpty()) return;
            QMessageBox* top = open.last();
            const QRect frame = top->parentWidget()->geometry();
            if ((frame.center() - window.rect().center()).manhattanLength() > 2)
                offCentre << top->windowTitle();
            const QString box =
                QStringLiteral("%1|%2 %3 %4")
                    .arg(top->windowTitle(), top->text(), VisibleScreens().join(","))
                    .arg(open.size());
            if (seen.isEmpty() || seen.last() != box) {
                seen << box;
                // Under the box the menu takes neither a click nor its key.
                // Nor does the window's close box, clicked again.
                if (seen.size() == 1)
                    QTimer::singleShot(0, battle, [battle, &window, &closedUnderBox] {
                        QMenuBar* bar = battle->MenuBar();
                        QTest::mouseClick(bar, Qt::LeftButton, {},
                                          bar->actionGeometry(bar->actions().first()).center());
                        QTest::keyClick(battle, Qt::Key_Q, Qt::AltModifier);
                        QCloseEvent again;  // as the desktop sends it
                        QCoreApplication::sendEvent(window.windowHandle(), &again);
                        closedUnderBox = again.isAccepted() || !window.isVisible();
                    });
                return;
            }
            if (since.elapsed() > 10000) {  // the keys went nowhere
                seen << QStringLiteral("stuck");
                for (auto b : {QMessageBox::No, QMessageBox::Ok})
                    if (top->button(b)) top->button(b)->click();
                return;
            }
            // Answered from the keyboard, which the box holds: the result at
            // once, the question once the continue screen is up.
            if (top->windowTitle() == QStringLiteral("戦闘結果"))
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            else if (VisibleScreens() == QStringList{"ACD_Continue"})
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        });
        look.start(5);
        window.close();
        look.stop();

        QCOMPARE(seen, (QStringList{kQuestion + " ACD_Main 1", kLose + " ACD_Main 2",
                                    kQuestion + " ACD_Continue 1"}));
        QCOMPARE(offCentre, QStringList{});
        QVERIFY(!closedUnderBox);
        QCOMPARE(VisibleScreens(), QStringList{"ACD_Continue"});
        QCOMPARE(window.geometry().topLeft(), home);
        QCOMPARE(OpenBoxCount(), 0);
    }

    // The other screens' questions held while their clocks run: No leaves
    // each one going, and still leading where its clicks lead.
    void questionsHeldOnTheOtherScreens() {
        StartedGame game(36, "[CLR]\nCH0=1\nCH1=1\nCH2=1\n");
        game.OpenOmakeMode();

        auto* menu = &Current<ACD_OmakeMode>(game, ScreenId::ACD_OmakeMode);
        QElapsedTimer clock;
        clock.start();
        boxes.HoldNext(
            kQuestion, [&] { return clock.elapsed() > 100; }, BoxAnswer::No);
        QVERIFY(!menu->window()->close());
        QCOMPARE(VisibleScreens(), QStringList{"ACD_OmakeMode"});

        Click(menu->Command_Omake(2));
        auto& c = Current<ACD_OmakeCG0C>(game, ScreenId::ACD_OmakeCG0C);
        const int top = c.Image1()->y();
        boxes.HoldNext(kQuestion, AfterTicks(c.Timer1(), 30), BoxAnswer::No);
        QVERIFY(!c.window()->close());
        QCOMPARE(boxes.stuck, 0);
        QVERIFY(c.Image1()->y() < top);  // the picture scrolled on behind the box
        QVERIFY(c.Timer1().isActive());
        QCOMPARE(VisibleScreens(), QStringList{"ACD_OmakeCG0C"});
        Click(c.Image1());
        Click(c.Image2());
        QTRY_COMPARE(VisibleScreens(), QStringList{"ACD_OmakeMode"});
        QCOMPARE(game.State().ScreenSwitching, kFalse);
    }
};

// The child of yesBehindTheDefeatStillEndsTheGame: the computer wins behind
// the quit question, which is answered Yes once the continue screen is up.
// Every sound command goes to stdout. Returning at all is a failure.
static int quitBehindTheDefeat(bool fromCloseButton) {
    sound::SetMciBackend([](const std::string& command, char*, std::uint32_t, std::uintptr_t) {
        std::printf("%s\n", command.c_str());
        return std::uint32_t{0};
    });
    Boxes boxes;
    boxes.Install();
    StartedGame game(32);
    ACD_Main* battle = deployedBattle(game);
    computerAboutToWin(battle);
    boxes.HoldNext(kQuestion, showing("ACD_Continue"), BoxAnswer::Yes);
    if (fromCloseButton)
        battle->window()->close();
    else
        battle->EndGame_Click();
    return 3;
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(kChildVariable))
        return quitBehindTheDefeat(qgetenv(kChildVariable) == "close");
    HeldBoxesTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "HeldBoxesTest.moc"
