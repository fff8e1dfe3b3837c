// The whole game from the keyboard, beside the mouse: every key reaches the
// handler the matching click reaches, so refusals, prompts and the
// computer's turn behave alike; and what a cell shows is read out as text.
#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>

#include "platform/FocusRing.h"
#include "rules/Shots.h"
#include "rules/Texts.h"
#include "screens/ACD_Continue.h"
#include "screens/ACD_Main.h"
#include "screens/ACD_OmakeCG0A.h"
#include "screens/ACD_OmakeCG0C.h"
#include "screens/ACD_OmakeMode.h"
#include "screens/ACD_Sub.h"
#include "screens/AccessTexts.h"
#include "screens/FlowKit.h"
#include "screens/HowToPlay.h"
#include "screens/KeyTable.h"

using namespace orv::testkit;

namespace {

void key(QWidget* w, int k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(w, Qt::Key(k), mods);
}

void clickCell(FlexGrid* grid, int col, int row) {
    QTest::mouseClick(grid, Qt::LeftButton, Qt::NoModifier, grid->CellRect(col, row).center());
}

QPoint cursorOf(FlexGrid* grid) {
    return grid->CursorShown() ? QPoint(grid->CursorCol(), grid->CursorRow()) : QPoint(-1, -1);
}

QString cellName(FlexGrid* grid, int col, int row) {
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
    return table->child(row * grid->Cols() + col)->text(QAccessible::Name);
}

// Walks the cursor to a cell with the arrow keys only.
void cursorTo(ACD_Main* battle, FlexGrid* grid, int col, int row) {
    key(battle, Qt::Key_Home);
    key(battle, Qt::Key_PageUp);
    for (int c = 0; c < col; ++c) key(battle, Qt::Key_Right);
    for (int r = 0; r < row; ++r) key(battle, Qt::Key_Down);
    QCOMPARE(cursorOf(grid), QPoint(col, row));
}

// A battle whose clock the test drives, its deployment opened.
ACD_Main* battleInDeployment(GameApp& game) {
    game.OpenBattleScreen();
    ACD_Main* battle = game.Main_();
    battle->CpTurn().stop();
    battle->CpTurn_Timer();
    return battle;
}

// A cell of the enemy field whose shot answers `answer`, not fired at yet.
QPoint cellAnswering(GameState& gs, const char* answer) {
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 19; ++c) {
            const std::string& cell = gs.Board_E(c, r);
            if (cell != "" && cell != text::kCombatUnit && cell != text::kCommandUnit) continue;
            if (JudgeShot(Integer(c), Integer(r), gs.Board_E) == answer) return {c, r};
        }
    return {-1, -1};
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private:
    Boxes boxes;
    Sounds sounds;

private slots:
    void init() { InstallRecorders(boxes, sounds); }
    void cleanup() { RemoveRecorders(); }

    void titleFocusGoesRoundItsChoicesAndEnterIsTheirClick() {
        for (bool unlocked : {false, true}) {
            StartedGame game(41, unlocked ? "[CLR]\nCH0=1\nCH1=1\nCH2=1\n" : nullptr);
            ACD_Sub& title = game.Sub();
            QCOMPARE(title.focusWidget(), title.Command4());

            QList<QWidget*> order{title.Command4(), title.CheckSE(), title.CheckBGM(),
                                  title.LowSpecMode(), title.Command2()};
            if (unlocked) order.insert(1, title.Command_Omake());
            for (int k : {int(Qt::Key_Tab), int(Qt::Key_Down), int(Qt::Key_Right)}) {
                for (qsizetype i = 1; i <= order.size(); ++i) {
                    key(title.focusWidget(), k);
                    QCOMPARE(title.focusWidget(), order[i % order.size()]);
                }
            }
            for (int k : {int(Qt::Key_Up), int(Qt::Key_Left)}) {
                key(title.focusWidget(), k);
                QCOMPARE(title.focusWidget(), order.last());
                key(title.focusWidget(), Qt::Key_Tab);
            }
            key(title.focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(title.focusWidget(), order.last());

            // Enter and Space on an option box are its click: written at once.
            title.CheckSE()->setFocus();
            key(title.CheckSE(), Qt::Key_Return);
            QVERIFY(title.CheckSE()->isChecked());
            QVERIFY(game.settings.Lines().contains("SE=1"));
            key(title.CheckSE(), Qt::Key_Space);
            QVERIFY(!title.CheckSE()->isChecked());
            QVERIFY(game.settings.Lines().contains("SE=0"));

            // Enter on the start button starts the battle where the title stood.
            title.Command4()->setFocus();
            key(title.Command4(), Qt::Key_Enter);
            QCOMPARE(VisibleScreens(), QStringList{"ACD_Main"});
            game.Main_()->CpTurn().stop();
        }
    }

    // The marks of keyboard play stay out of the mouse player's sight: the
    // title's ring comes with an arrow or Tab and goes with a click or a new
    // visit; a battle begun with a click draws no cursor until a key moves
    // or uses it, and none again after a click on a field - while the screen
    // reader follows the cursor cell all along. A battle begun with a key
    // shows its cursor at once.
    void marksOnlyForTheKeyboardPlayer() {
        StartedGame game(47);
        ACD_Sub& title = game.Sub();
        auto* ring = title.findChild<FocusRing*>();
        QVERIFY(QTest::qWaitForWindowActive(&game.Window()));
        QVERIFY(ring && !ring->isVisible());
        key(title.focusWidget(), Qt::Key_Right);
        QVERIFY(ring->isVisible());
        Click(&title, QPoint(50, 50));
        QVERIFY(!ring->isVisible());
        key(title.focusWidget(), Qt::Key_Tab);
        QVERIFY(ring->isVisible());
        // So does a click on a control (an option box, clicked back).
        for (int twice = 0; twice < 2; ++twice) {
            Click(title.CheckSE());
            QVERIFY(!ring->isVisible());
        }
        key(title.focusWidget(), Qt::Key_Tab);
        QVERIFY(ring->isVisible());

        Click(title.Command4());
        ACD_Main* battle = game.Main_();
        battle->CpTurn().stop();
        battle->CpTurn_Timer();
        FlexGrid* own = battle->FG_M();
        QVERIFY(own->CursorShown() && !own->CursorDrawn());
        QVERIFY(QAccessible::queryAccessibleInterface(own)->focusChild());
        key(battle, Qt::Key_Left);
        QVERIFY(own->CursorDrawn());
        clickCell(own, 0, 0);
        QVERIFY(!own->CursorDrawn());
        key(battle, Qt::Key_Space);
        QVERIFY(own->CursorDrawn());

        battle->RetTitle_Click();
        QVERIFY(!ring->isVisible());
        key(title.focusWidget(), Qt::Key_Return);
        battle = game.Main_();
        battle->CpTurn().stop();
        battle->CpTurn_Timer();
        QVERIFY(battle->FG_M()->CursorDrawn());
    }

    void cursorMovesOneCellAndStopsAtTheEdges() {
        StartedGame game(42);
        game.OpenBattleScreen();
        ACD_Main* battle = game.Main_();
        battle->CpTurn().stop();
        GameState& gs = game.State();

        // Before the first tick neither grid takes input: no cursor, keys do nothing.
        QVERIFY(!battle->FG_M()->CursorShown() && !battle->FG_E()->CursorShown());
        gs.EventName = "untouched";
        for (int k : {int(Qt::Key_Right), int(Qt::Key_Return), int(Qt::Key_Space)}) key(battle, k);
        QCOMPARE(gs.SikiCount_M, Integer(0));
        QCOMPARE(gs.EventName, std::string("untouched"));

        battle->CpTurn_Timer();
        FlexGrid* own = battle->FG_M();
        QCOMPARE(battle->KeyboardGrid(), own);
        QCOMPARE(cursorOf(own), QPoint(9, 4));
        QVERIFY(!battle->FG_E()->CursorShown());
        const QPair<int, QPoint> moves[] = {
            {Qt::Key_Left, {8, 4}},   {Qt::Key_Up, {8, 3}},        {Qt::Key_Right, {9, 3}},
            {Qt::Key_Down, {9, 4}},   {Qt::Key_Home, {0, 4}},      {Qt::Key_Left, {0, 4}},
            {Qt::Key_PageUp, {0, 0}}, {Qt::Key_Up, {0, 0}},        {Qt::Key_End, {18, 0}},
            {Qt::Key_Right, {18, 0}}, {Qt::Key_PageDown, {18, 8}}, {Qt::Key_Down, {18, 8}},
        };
        for (const auto& [k, expected] : moves) {
            key(battle, k);
            QCOMPARE(cursorOf(own), expected);
        }
        // Moving is no click.
        QCOMPARE(gs.SikiCount_M, Integer(0));
        QCOMPARE(sounds.Count(QStringLiteral("\\.WAV")), 0);
    }

    void enterIsAClickOnTheCursorCell() {
        StartedGame game(43);
        ACD_Main* battle = battleInDeployment(game);
        GameState& gs = game.State();
        FlexGrid* own = battle->FG_M();

        // Three command vehicles and four combat vehicles, all by keys; a
        // second Enter on a placed cell is refused just as a click there is.
        cursorTo(battle, own, 2, 1);
        key(battle, Qt::Key_Return);
        QCOMPARE(gs.Board_M(2, 1), std::string(text::kCommandUnit));
        QCOMPARE(own->CellBackColorAt(2, 1), gs.SikiColor);
        const QString prompt = battle->Label_Command()->text();
        key(battle, Qt::Key_Space);
        QCOMPARE(gs.SikiCount_M, Integer(1));
        QCOMPARE(battle->Label_Command()->text(), prompt);
        QCOMPARE(gs.EventName, std::string(text::kFG_M_Click));
        clickCell(own, 2, 1);
        QCOMPARE(gs.SikiCount_M, Integer(1));
        for (int c = 3; c <= 4; ++c) {
            key(battle, Qt::Key_Right);
            key(battle, Qt::Key_Enter);
        }
        QCOMPARE(gs.GamePhase, std::string(text::kCombatDeploy));
        key(battle, Qt::Key_Return);  // the last command vehicle's cell: refused
        QCOMPARE(gs.SenCount_M, Integer(0));
        for (int c = 0; c < 4; ++c) {
            key(battle, Qt::Key_Down);
            key(battle, Qt::Key_Return);
        }
        QCOMPARE(gs.GamePhase, std::string(text::kPlayerTurn));
        QVERIFY(!own->CursorShown());
        QCOMPARE(battle->KeyboardGrid(), battle->FG_E());
        QCOMPARE(cursorOf(battle->FG_E()), QPoint(9, 4));

        // A shot by Enter, then Enter and a click on the same cell: both
        // refused alike, nothing counted.
        FlexGrid* enemy = battle->FG_E();
        const QPoint miss = cellAnswering(gs, text::kMiss);
        cursorTo(battle, enemy, miss.x(), miss.y());
        key(battle, Qt::Key_Return);
        QCOMPARE(gs.Board_E(miss.x(), miss.y()), std::string(text::kMissMark));
        QCOMPARE(gs.PLTurnShots, Integer(1));
        key(battle, Qt::Key_Return);
        clickCell(enemy, miss.x(), miss.y());
        QCOMPARE(gs.PLTurnShots, Integer(1));
        QCOMPARE(gs.PLShotCount, Integer(1));

        // The turn's last shots by keys hand over to the computer: no cursor,
        // and keys do nothing while it fires.
        for (int shot = 0; shot < 3; ++shot) {
            const QPoint next = cellAnswering(gs, text::kMiss);
            cursorTo(battle, enemy, next.x(), next.y());
            key(battle, Qt::Key_Return);
        }
        QCOMPARE(gs.GamePhase, std::string(text::kCpTurnPhase));
        QVERIFY(!enemy->CursorShown() && !own->CursorShown());
        QVERIFY(battle->KeyboardGrid() == nullptr);
        const Integer shots = gs.PLShotCount;
        gs.EventName = "untouched";
        for (int k : {int(Qt::Key_Left), int(Qt::Key_Return), int(Qt::Key_Space)}) key(battle, k);
        QCOMPARE(gs.PLShotCount, shots);
        QCOMPARE(gs.EventName, std::string("untouched"));
        for (int tick = 0; tick < 4; ++tick) battle->CpTurn_Timer();
        QCOMPARE(gs.GamePhase, std::string(text::kPlayerTurn));
        QVERIFY(enemy->CursorShown());  // back where the player left it
        battle->CpTurn().stop();
    }

    void cellsReadWhatTheyShow() {
        StartedGame game(44);
        ACD_Main* battle = battleInDeployment(game);
        GameState& gs = game.State();
        FlexGrid* own = battle->FG_M();
        FlexGrid* enemy = battle->FG_E();
        QCOMPARE(QAccessible::queryAccessibleInterface(enemy)->childCount(), 171);
        QCOMPARE(cellName(own, 0, 0), QStringLiteral("A1: 空き"));
        QCOMPARE(cellName(own, 18, 8), QStringLiteral("S9: 空き"));

        for (int c = 0; c < 3; ++c) clickCell(own, c, 0);
        for (int c = 0; c < 4; ++c) clickCell(own, c, 8);
        QCOMPARE(cellName(own, 1, 0), QStringLiteral("B1: 指令車"));
        QCOMPARE(cellName(own, 3, 8), QStringLiteral("D9: 戦闘車"));

        // Each of the four answers, read before and after the shot.
        // A shot cell reads as its answer.
        for (const char* answer :
             {text::kMiss, text::kAdjacent, text::kCombatHit, text::kCommandHit}) {
            gs.PLTurnShots = 0;  // keep the turn the player's
            const QPoint at = cellAnswering(gs, answer);
            QVERIFY(at.x() >= 0);
            const QString name = access::CellName(at.x(), at.y());
            QCOMPARE(cellName(enemy, at.x(), at.y()), name + QStringLiteral(": 未攻撃"));
            cursorTo(battle, enemy, at.x(), at.y());
            key(battle, Qt::Key_Return);
            QCOMPARE(cellName(enemy, at.x(), at.y()), name + ": " + QString::fromUtf8(answer));
        }

        // The cursor's cell is the focused one; the status panel counts in words.
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(enemy);
        QVERIFY(table->focusChild());
        QVERIFY(table->focusChild()->state().focused);
        QCOMPARE(battle->Widgets().Get("LabelRemSen")->accessibleName(),
                 QStringLiteral("敵の戦闘車の残り: 3"));
        QCOMPARE(battle->Widgets().Get("LabelRemSiki")->accessibleName(),
                 QStringLiteral("敵の指令車の残り: 2"));
        QCOMPARE(battle->CharaImg()->accessibleDescription(), QStringLiteral("怒り"));
    }

    void menuFromTheKeyboard() {
        StartedGame game(45);
        ACD_Main* battle = battleInDeployment(game);
        boxes.yesNo = BoxAnswer::No;
        battle->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(battle));

        // Escape and Alt+Q ask the quit question, as the menu does.
        key(battle, Qt::Key_Escape);
        key(battle, Qt::Key_Q, Qt::AltModifier);
        QCOMPARE(boxes.Questions(), 2);
        // Escape in the computer's turn too, when no field takes the
        // cursor; No goes on with the battle.
        GameState& gs = game.State();
        gs.GamePhase = text::kCpTurnPhase;
        key(battle, Qt::Key_Escape);
        QCOMPARE(boxes.Questions(), 3);
        const Integer shots = gs.CPShotCount;
        battle->CpTurn_Timer();
        QCOMPARE(gs.CPShotCount, Integer(shots + 1));

        // F10 reaches the bar: its first entry, then along it.
        QMenuBar* bar = battle->MenuBar();
        const QRect first = bar->actionGeometry(bar->actions().first());
        const QImage plain = bar->grab(first).toImage();
        key(battle, Qt::Key_F10);
        QCOMPARE(bar->activeAction(), bar->actions().first());
        QVERIFY2(bar->grab(first).toImage() != plain, "the entry reached by F10 is not marked");
        key(bar, Qt::Key_Right);
        QCOMPARE(bar->activeAction(), bar->actions().at(1));
        key(bar, Qt::Key_Escape);
        QVERIFY(!bar->activeAction());
        QCOMPARE(QApplication::focusWidget(), battle);
        QCOMPARE(boxes.Questions(), 3);

        // Alt+S surrenders, as its entry does.
        key(battle, Qt::Key_S, Qt::AltModifier);
        QCOMPARE(boxes.seen.last(), QStringLiteral("戦闘結果|You Lose"));
        QTRY_COMPARE(VisibleScreens(), QStringList{"ACD_Continue"});
    }

    // The quit entry chosen with F10 and Enter, answered No in a real box:
    // the keys are the battle's again, so Escape asks once more.
    void keysComeBackFromTheMenuAfterItsBox() {
        StartedGame game(47);
        ACD_Main* battle = battleInDeployment(game);
        battle->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(battle));
        int asked = 0;
        const auto answerNo = [&asked] {
            QTimer::singleShot(50, [&asked] {
                if (OpenBoxCount() == 0) return;
                ++asked;
                key(QApplication::focusWidget(), Qt::Key_Escape);
            });
        };
        // The box opens with the keys the battle's, not the bar's.
        QWidget* heldBy = nullptr;
        SetBoxResponder([&heldBy](const QString&, const QString&, BoxButtons) {
            heldBy = QApplication::focusWidget();
            return BoxAnswer::No;
        });
        key(battle, Qt::Key_F10);
        key(battle->MenuBar(), Qt::Key_Return);
        QCOMPARE(heldBy, static_cast<QWidget*>(battle));
        SetBoxResponder({});

        answerNo();
        key(battle, Qt::Key_F10);
        key(battle->MenuBar(), Qt::Key_Return);
        answerNo();
        key(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(asked, 2);
        QTRY_COMPARE(OpenBoxCount(), 0);
    }

    // F1 on every screen opens the help, once; Escape closes it, and the
    // computer's turn went on behind it. The help names every key of the
    // key table, its About page the version the command line gives.
    void helpOnF1Everywhere() {
        StartedGame game(49, "[CLR]\nCH0=1\nCH1=1\nCH2=1\n");
        SetBoxResponder({});
        QVERIFY(QTest::qWaitForWindowActive(&game.Window()));
        auto helpsOpen = [] {
            int open = 0;
            for (QWidget* w : QApplication::allWidgets())
                if (w->objectName() == QLatin1String("HowToPlay") && w->isVisible()) ++open;
            return open;
        };
        const auto screens = {ScreenId::ACD_Sub,       ScreenId::ACD_Main,
                              ScreenId::ACD_Continue,  ScreenId::ACD_OmakeMode,
                              ScreenId::ACD_OmakeCG0A, ScreenId::ACD_OmakeCG0C};
        for (ScreenId id : screens) {
            if (id != ScreenId::ACD_Sub) game.SwitchForm(id, game.Window().Current());
            Form* screen = game.Window().Current();
            QCOMPARE(screen, &game.FormOf(id));
            GameState& gs = game.State();
            ACD_Main* battle = id == ScreenId::ACD_Main ? game.Main_() : nullptr;
            if (battle) {  // the computer's turn, its clock running
                battle->CpTurn().stop();
                battle->CpTurn_Timer();
                gs.GamePhase = text::kCpTurnPhase;
                battle->CpTurn().start(20);
            }
            int seen = 0;
            Integer shotsBefore = gs.CPShotCount, shotsBehind = gs.CPShotCount;
            QTimer::singleShot(50, [&] {
                seen = helpsOpen();
                key(QApplication::focusWidget(), Qt::Key_F1);  // not a second one
                QTest::qWait(200);
                seen = std::max(seen, helpsOpen());
                shotsBehind = gs.CPShotCount;
                key(QApplication::focusWidget(), Qt::Key_Escape);
            });
            key(QApplication::focusWidget(), Qt::Key_F1);
            QTRY_COMPARE(OpenBoxCount(), 0);
            QVERIFY2(seen == 1, qPrintable(screen->objectName() + ": " + QString::number(seen)));
            if (battle) {
                QVERIFY(shotsBehind > shotsBefore);
                battle->CpTurn().stop();
            }
        }

        const QString help = HowToPlayText();
        for (const KeyUse& use : KeyTable())
            for (const QKeySequence& k : use.keys)
                QVERIFY2(help.contains(k.toString(QKeySequence::NativeText).toHtmlEscaped()),
                         qPrintable(k.toString()));
        QProcess version;
        version.start(QStringLiteral(ORVALIS_GAME), {QStringLiteral("--version")});
        QVERIFY(version.waitForFinished(30000));
        const QString said = QString::fromUtf8(version.readAllStandardOutput()).trimmed();
        QVERIFY2(said.startsWith(QLatin1String("orvalis ")), qPrintable(said));
        QVERIFY2(AboutText().contains(QStringLiteral("Orvalis ") + said.mid(8) + QLatin1Char('<')),
                 qPrintable(said));
    }

    void continueAndViewersAnswerTheirKeys() {
        StartedGame game(46, "[CLR]\nCH0=1\nCH1=1\nCH2=1\n");
        GameState& gs = game.State();

        // Continue: Y plays again, N goes back to the title.
        battleInDeployment(game)->Surrender_Click();
        key(&Current<ACD_Continue>(game, ScreenId::ACD_Continue), Qt::Key_Y);
        QTRY_COMPARE(VisibleScreens(), QStringList{"ACD_Main"});
        game.Main_()->CpTurn().stop();
        game.Main_()->Surrender_Click();
        key(&Current<ACD_Continue>(game, ScreenId::ACD_Continue), Qt::Key_Escape);
        QTRY_COMPARE(VisibleScreens(), QStringList{"ACD_Sub"});
        QCOMPARE(gs.StageIndex, Integer(0));

        // Bonus menu: the first viewer has the focus; Enter opens it, Escape
        // on a viewer goes back, Escape on the menu to the title.
        game.OpenOmakeMode();
        auto* menu = &Current<ACD_OmakeMode>(game, ScreenId::ACD_OmakeMode);
        QCOMPARE(menu->focusWidget(), menu->Command_Omake(0));
        key(menu->Command_Omake(0), Qt::Key_Return);
        key(&Current<ACD_OmakeCG0A>(game, ScreenId::ACD_OmakeCG0A), Qt::Key_Escape);
        menu = &Current<ACD_OmakeMode>(game, ScreenId::ACD_OmakeMode);
        QTRY_COMPARE(VisibleScreens(), QStringList{"ACD_OmakeMode"});
        key(menu->Command_Omake(0), Qt::Key_Right);
        QCOMPARE(menu->focusWidget(), menu->Command_Omake(2));
        key(menu->Command_Omake(2), Qt::Key_Space);
        auto& c = Current<ACD_OmakeCG0C>(game, ScreenId::ACD_OmakeCG0C);
        key(&c, Qt::Key_Down);  // the first picture gives way, as on a click
        QVERIFY(c.Image2()->isVisible() && !c.Image1()->isVisible());
        QCOMPARE(VisibleScreens(), QStringList{"ACD_OmakeCG0C"});
        key(&c, Qt::Key_Return);
        menu = &Current<ACD_OmakeMode>(game, ScreenId::ACD_OmakeMode);
        QTRY_COMPARE(VisibleScreens(), QStringList{"ACD_OmakeMode"});
        key(menu, Qt::Key_Escape);
        QTRY_COMPARE(VisibleScreens(), QStringList{"ACD_Sub"});

        // In a game, viewer A's Enter is the next stage.
        ACD_Main* battle = battleInDeployment(game);
        battle->SetEvent(text::kPLAYER_Win);
        key(&Current<ACD_OmakeCG0A>(game, ScreenId::ACD_OmakeCG0A), Qt::Key_Enter);
        QTRY_COMPARE(VisibleScreens(), QStringList{"ACD_Main"});
        QCOMPARE(gs.StageIndex, Integer(1));
        game.Main_()->CpTurn().stop();
        QCOMPARE(boxes.Questions(), 0);
    }
};

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
