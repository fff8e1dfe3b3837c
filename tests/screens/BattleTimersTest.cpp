// The battle screen's timers driven tick by tick: the message slide, the face
// going back to normal, and the music loop with the commands it sends.
#include <QLabel>
#include <QtTest>

#include "platform/Pictures.h"
#include "platform/Twips.h"
#include "rules/MessageLine.h"
#include "rules/Reactions.h"
#include "screens/ACD_Main.h"
#include "screens/ACD_Sub.h"
#include "screens/FlowKit.h"

using namespace orv::testkit;

namespace {

QImage face(int cell) {
    return LoadAppPicture("\\img\\Chara-0.bmp").copy(cell * 215, 0, 215, 443).convertToFormat(QImage::Format_RGB32);
}

QImage shownFace(ACD_Main* main) {
    return main->CharaImg()->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class BattleTimersTest : public QObject {
    Q_OBJECT
private:
    Boxes boxes;
    Sounds sounds;

private slots:
    void init() { InstallRecorders(boxes, sounds); }
    void cleanup() { RemoveRecorders(); }

    void messageRestsThenSlidesAwayAndANewOneStartsOver() {
        GameApp game(1);
        game.Main();
        game.OpenBattleScreen();
        ACD_Main* main = game.Main_();
        main->CpTurn().stop();  // ticks by hand only
        QTimer& timer = main->TimerMsg();

        ShowMessage(main->Engine(), "first");
        QCOMPARE(timer.interval(), 1);
        QVERIFY(timer.isActive());
        main->TimerMsg_Timer();
        QCOMPARE(main->MsgTop(), 4360);
        QCOMPARE(main->Label_Msg()->y(), Px(4360));
        QCOMPARE(timer.interval(), 2000);
        main->TimerMsg_Timer();
        QCOMPARE(timer.interval(), 33);
        QCOMPARE(main->MsgTop(), 4360);
        QList<int> tops;
        for (int i = 0; i < 9; ++i) {
            main->TimerMsg_Timer();
            tops << main->MsgTop();
        }
        QCOMPARE(tops, (QList<int>{4400, 4440, 4480, 4520, 4560, 4600, 4640, 4680, 4720}));
        QVERIFY(timer.isActive());
        main->TimerMsg_Timer();
        QVERIFY(!timer.isActive());
        QCOMPARE(main->MsgTop(), 4720);
        QCOMPARE(main->Label_Msg()->text(), QStringLiteral("first"));

        // Mid-slide, a new message is shown at rest again for the full pause.
        ShowMessage(main->Engine(), "second");
        main->TimerMsg_Timer();
        main->TimerMsg_Timer();
        main->TimerMsg_Timer();
        QCOMPARE(main->MsgTop(), 4400);
        ShowMessage(main->Engine(), "third");
        QCOMPARE(main->Label_Msg()->text(), QStringLiteral("third"));
        main->TimerMsg_Timer();
        QCOMPARE(main->MsgTop(), 4360);
        QCOMPARE(timer.interval(), 2000);
    }

    void reactionFaceLastsFourteenTicksAfterTheLastReaction() {
        GameApp game(1);
        game.Main();
        game.OpenBattleScreen();
        ACD_Main* main = game.Main_();
        main->CpTurn().stop();
        QCOMPARE(shownFace(main), face(0));

        SetCharaFace(main->Engine(), "怒り");
        QCOMPARE(shownFace(main), face(1));
        QCOMPARE(main->Label_Msg()->text(), QStringLiteral("えーっ、ひどいですわぁ"));
        QVERIFY(main->CharaPicTimer().isActive());
        QCOMPARE(main->CharaPicTimer().interval(), 150);
        for (int i = 0; i < 7; ++i) main->CharaPicTimer_Timer();  // about a second

        SetCharaFace(main->Engine(), "笑顔");
        QCOMPARE(shownFace(main), face(2));
        QCOMPARE(main->Label_Msg()->text(), QStringLiteral("良い感じですわ"));
        for (int i = 0; i < 13; ++i) main->CharaPicTimer_Timer();
        QCOMPARE(shownFace(main), face(2));  // 1.95 s after the second reaction
        main->CharaPicTimer_Timer();
        QCOMPARE(shownFace(main), face(0));
        QVERIFY(!main->CharaPicTimer().isActive());
    }

    void musicLoopsOnlyWhenSwitchedOn() {
        GameApp game(1);
        game.Main();
        game.OpenBattleScreen();
        ACD_Main* main = game.Main_();
        main->CpTurn().stop();
        QVERIFY(sounds.commands.contains(QStringLiteral("close all ")));
        const int play = sounds.commands.indexOf(QRegularExpression("^play \".*MainBGM.wav\"$"));
        QVERIFY(play > sounds.commands.indexOf(QStringLiteral("close all ")));
        QVERIFY(main->TimerSnd().isActive());

        // While the music plays, the poll sends only its question.
        sounds.commands.clear();
        main->TimerSnd_Timer();
        QCOMPARE(sounds.commands.size(), 1);
        QVERIFY(sounds.commands[0].startsWith("status \"") && sounds.commands[0].endsWith("MainBGM.wav\" mode"));
        // Once it has stopped, it starts over: close, open, play.
        sounds.mode = QStringLiteral("stopped");
        sounds.commands.clear();
        main->TimerSnd_Timer();
        QCOMPARE(sounds.commands.size(), 4);
        QVERIFY(sounds.commands[1].startsWith("close \"") && sounds.commands[2].startsWith("open \"") &&
                sounds.commands[3].startsWith("play \""));
        main->RetTitle_Click();
    }

    void musicSwitchedOffSendsNoMusicCommandAtAll() {
        // Ticking the box writes the settings file; keep it out of the shared folder.
        QTemporaryDir settings;
        GameApp game(1);
        game.UseSettingsFile(settings.filePath("Pelmo.ini").toStdString());
        game.Main();
        game.Sub().CheckBGM()->setChecked(true);
        sounds.commands.clear();
        game.OpenBattleScreen();
        ACD_Main* main = game.Main_();
        main->CpTurn().stop();
        QCOMPARE(sounds.commands, QStringList{QStringLiteral("close all ")});
        QVERIFY(!main->TimerSnd().isActive());
    }
};

QTEST_MAIN(BattleTimersTest)
#include "BattleTimersTest.moc"
