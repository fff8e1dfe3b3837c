// The battle screen: grid set-up, pictures of cells, routing of clicks and
// ticks into the engine, and the end of a battle.
#include <QLabel>
#include <QtTest>

#include "platform/GameFiles.h"
#include "platform/Pictures.h"
#include "platform/Twips.h"
#include "rules/Texts.h"
#include "screens/ACD_Main.h"
#include "screens/ACD_Sub.h"
#include "screens/FlowKit.h"

using namespace orv::testkit;

namespace {

// Clicks the middle of a grid cell, as a player would.
void clickCell(FlexGrid* grid, int col, int row) {
    QTest::mouseClick(grid, Qt::LeftButton, Qt::NoModifier, grid->CellRect(col, row).center());
}

// Where the computer has hidden a vehicle of this kind, and a cell far from any.
QPoint findOnBoard(const Board& b, const char* text) {
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 19; ++c)
            if (b(c, r) == text) return {c, r};
    return {-1, -1};
}

}  // namespace

class BattleScreenTest : public QObject {
    Q_OBJECT
private:
    Boxes boxes;
    Sounds sounds;

private slots:
    void init() { InstallRecorders(boxes, sounds); }
    void cleanup() { RemoveRecorders(); }

    void gridsAreSetUpWithTheirFieldPictures() {
        StartedGame game(7);
        game.OpenBattleScreen();
        ACD_Main* main = game.Main_();
        QVERIFY(main && main->isVisible());
        QVERIFY(!game.Sub().isVisible());

        const QImage fieldE =
            LoadAppPicture("\\img\\Stage1-FG_E.bmp").convertToFormat(QImage::Format_RGB32);
        const QImage fieldM =
            LoadAppPicture("\\img\\Stage1-FG_M.bmp").convertToFormat(QImage::Format_RGB32);
        for (FlexGrid* g : {main->FG_E(), main->FG_M()}) {
            QCOMPARE(g->Cols(), 19);
            QCOMPARE(g->Rows(), 9);
            QCOMPARE(g->ColWidth(0), 450);
            QCOMPARE(g->RowHeight(8), 450);
            for (int r = 0; r < 9; ++r)
                for (int c = 0; c < 19; ++c) {
                    QCOMPARE(g->CellTextAt(c, r), QString());
                    QCOMPARE(g->CellFontSizeAt(c, r), 18.0f);
                }
        }
        // (0,0) shows the top-left piece, (18,8) the bottom-right one, each
        // grid from its own field picture.
        auto piece = [](const QImage& field, int c, int r) {
            return field.copy(c * 30, r * 30, 30, 30);
        };
        QCOMPARE(main->FG_E()->CellPictureAt(0, 0).convertToFormat(QImage::Format_RGB32),
                 piece(fieldE, 0, 0));
        QCOMPARE(main->FG_E()->CellPictureAt(18, 8).convertToFormat(QImage::Format_RGB32),
                 piece(fieldE, 18, 8));
        QCOMPARE(main->FG_M()->CellPictureAt(18, 8).convertToFormat(QImage::Format_RGB32),
                 piece(fieldM, 18, 8));
        QVERIFY(main->FG_M()->CellPictureAt(5, 5) != main->FG_E()->CellPictureAt(5, 5));

        // The battle screen opens where the title stood, at stage 1.
        QCOMPARE(main->Top(), game.Sub().Top());
        QCOMPARE(main->Left(), game.Sub().Left());
        QCOMPARE(main->Engine().gs.GamePhase, std::string(text::kInitDeploy));
        QCOMPARE(main->Widgets().As<QLabel>("StageNo")->text(), QStringLiteral("Stage 1"));
        QCOMPARE(main->Widgets().As<QLabel>("CharaNo")->text(), QStringLiteral("CharaNo \n\r0"));
        QVERIFY(main->CpTurn().isActive());
        QCOMPARE(main->CpTurn().interval(), 430);
        QCOMPARE(main->TimerSnd().interval(), 500);
        QCOMPARE(main->CharaPicTimer().interval(), 150);
        QCOMPARE(main->width(), 809);
        QCOMPARE(main->Client()->size(), QSize(809, 602));
    }

    void clicksAndTicksPlayABattle() {
        StartedGame game(11);
        game.OpenBattleScreen();
        ACD_Main* main = game.Main_();
        GameState& gs = main->Engine().gs;

        clickCell(main->FG_M(), 0, 0);  // before the first tick: nothing
        QCOMPARE(gs.SikiCount_M, Integer(0));
        QCOMPARE(gs.EventName, std::string(text::kFG_M_Click));

        QTRY_COMPARE_WITH_TIMEOUT(gs.GamePhase, std::string(text::kCommandDeploy), 2000);
        QVERIFY(main->Label_Command()->isVisible());
        QCOMPARE(main->Label_Command()->text(),
                 QStringLiteral("指令ユニットを配置してください  残り 3機"));

        for (int c = 0; c < 3; ++c) clickCell(main->FG_M(), c, 0);
        QCOMPARE(main->Label_Command()->text(),
                 QStringLiteral("攻撃ユニットを配置してください  残り 4機"));
        QCOMPARE(main->FG_M()->CellBackColorAt(0, 0), gs.SikiColor);
        for (int c = 0; c < 4; ++c) clickCell(main->FG_M(), c, 8);
        QCOMPARE(gs.GamePhase, std::string(text::kPlayerTurn));
        QVERIFY(!main->Label_Command()->isVisible());
        QCOMPARE(main->Label_Msg()->text(), QStringLiteral("ゲームスタート"));
        QCOMPARE(main->FG_M()->CellBackColorAt(3, 8), gs.SenColor);

        // A hit makes the opponent angry, with her line in the message bar.
        const QPoint siki = findOnBoard(gs.Board_E, "指");
        clickCell(main->FG_E(), siki.x(), siki.y());
        QCOMPARE(gs.Board_E(siki.x(), siki.y()), std::string("●指"));
        QCOMPARE(main->FG_E()->CellBackColorAt(siki.x(), siki.y()), gs.SikiColor);
        QCOMPARE(main->Label_Msg()->text(), QStringLiteral("えーっ、ひどいですわぁ"));
        QVERIFY(!main->Widgets().Get("ImageRemSiki_E", 2)->isVisible());
        QVERIFY(main->Widgets().Get("ImageRemSiki_E", 1)->isVisible());

        // Surrender: the defeat box, then the battle screen leaves for the continue screen.
        QPointer<ACD_Main> guard(main);
        main->Surrender_Click();
        QCOMPARE(boxes.seen.last(), QStringLiteral("戦闘結果|You Lose"));
        QTRY_VERIFY(guard.isNull());
        QVERIFY(game.FormOf(ScreenId::ACD_Continue).isVisible());
    }

    void menusAskBeforeQuittingAndReturnToTheTitleWhereTheBattleStood() {
        StartedGame game(5);
        game.OpenBattleScreen();
        QPointer<ACD_Main> main = game.Main_();
        main->SetTop(3000);
        main->SetLeft(1500);

        // "No" to the quit question keeps the battle as it was, clock running.
        main->EndGame_Click();
        QCOMPARE(boxes.seen.last(), kQuestion);
        main->window()->close();  // the window's close box asks the same
        QCOMPARE(boxes.seen.size(), 2);
        QVERIFY(main && main->isVisible());
        QVERIFY(main->CpTurn().isActive());

        // Back to the title: no question, the title where the battle stood.
        main->RetTitle_Click();
        QCOMPARE(boxes.seen.size(), 2);
        QTRY_VERIFY(main.isNull());
        QVERIFY(game.Sub().isVisible());
        QCOMPARE(game.Sub().Top(), 3000);
        QCOMPARE(game.Sub().Left(), 1500);
        QCOMPARE(game.State().ScreenSwitching, kFalse);
    }

    void messageLineSlidesInTwips() {
        StartedGame game(3);
        game.OpenBattleScreen();
        ACD_Main* main = game.Main_();
        main->SetMsgTop(4400);
        QCOMPARE(main->MsgTop(), 4400);
        QCOMPARE(main->Label_Msg()->y(), Px(4400));
    }
};

QTEST_MAIN(BattleScreenTest)
#include "BattleScreenTest.moc"
