// The English game: no Japanese left in any label, menu, box or accessible
// name on any screen - the prompts with every count and every opponent's
// lines included - every English text within the control that shows it,
// the English pictures in place, and nothing unfinished in the catalogue.
#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>

#include "platform/Language.h"
#include "rules/Reactions.h"
#include "rules/Texts.h"
#include "screens/ACD_Continue.h"
#include "screens/ACD_Main.h"
#include "screens/ACD_OmakeCG0A.h"
#include "screens/ACD_OmakeCG0C.h"
#include "screens/ACD_OmakeMode.h"
#include "screens/ACD_Sub.h"
#include "screens/FlowKit.h"
#include "screens/Wording.h"

using namespace orv::testkit;

namespace {

// "where: text" for each text of the game window that is Japanese, or that
// runs past the width of the label or menu bar showing it.
QStringList faultsIn(QWidget* window) {
    QStringList faults;
    auto look = [&](QWidget* w, const QString& text) {
        if (HasJapanese(text)) faults << w->objectName() + ": " + text;
    };
    QList<QWidget*> all = window->findChildren<QWidget*>();
    all << window;
    for (QWidget* w : all) {
        if (!w->isVisible()) continue;
        look(w, w->accessibleName());
        look(w, w->accessibleDescription());
        if (auto* label = qobject_cast<QLabel*>(w)) {
            look(w, label->text());
            // The read-outs beyond the window's edge are never seen.
            const bool seen = !w->property("orvalisOutOfSight").toBool();
            const int needs = label->fontMetrics().horizontalAdvance(label->text());
            if (seen && needs > label->contentsRect().width())
                faults << QStringLiteral("%1 too narrow for '%2' (%3 px)")
                              .arg(w->objectName(), label->text())
                              .arg(needs);
        }
        if (auto* bar = qobject_cast<QMenuBar*>(w)) {
            for (QAction* action : bar->actions()) {
                look(w, action->text());
                look(w, action->statusTip());
                if (bar->actionGeometry(action).right() >= bar->width())
                    faults << "menu entry past the bar: " + action->text();
            }
        }
        if (auto* grid = qobject_cast<FlexGrid*>(w); grid && grid->HasCellNames())
            for (int r = 0; r < grid->Rows(); ++r)
                for (int c = 0; c < grid->Cols(); ++c) look(w, grid->CellAccessibleName(c, r));
    }
    return faults;
}

}  // namespace

class EnglishTest : public QObject {
    Q_OBJECT
private:
    Boxes boxes;
    Sounds sounds;

    void expectEnglish(GameApp& game, const char* where) {
        const QStringList faults = faultsIn(&game.Window());
        QVERIFY2(faults.isEmpty(), qPrintable(QString::fromUtf8(where) + ": " + faults.join("; ")));
        for (const QString& box : boxes.seen)
            QVERIFY2(!HasJapanese(box), qPrintable(QString::fromUtf8(where) + ": " + box));
    }

private slots:
    void init() {
        InstallRecorders(boxes, sounds);
        UseLanguage(Language::English);
    }
    void cleanup() {
        RemoveRecorders();
        UseLanguage(Language::Japanese);
    }

    void everyScreenIsEnglishAndFits() {
        StartedGame game(51, "[CLR]\nCH0=1\nCH1=1\nCH2=1\n");
        expectEnglish(game, "title");
        // Its pictures with words are the English ones.
        const QImage start = game.Sub().Command4()->Picture().toImage();
        QCOMPARE(start, QImage(QStringLiteral(":/stored/en/ACD_Sub.Command4.bmp")));
        QVERIFY(start != QImage(QStringLiteral(":/stored/ACD_Sub.Command4.bmp")));

        game.OpenBattleScreen();
        ACD_Main* battle = game.Main_();
        battle->CpTurn().stop();
        battle->CpTurn_Timer();
        for (int c = 0; c < 7; ++c) {  // every count of both prompts on the way
            expectEnglish(game, "deployment");
            QTest::mouseClick(battle->FG_M(), Qt::LeftButton, {},
                              battle->FG_M()->CellRect(c, 0).center());
        }
        expectEnglish(game, "game start");
        // Every opponent's lines, though the game only ever meets the first.
        GameState& gs = game.State();
        for (gs.CharaIndex = 0; gs.CharaIndex <= 2; ++gs.CharaIndex)
            for (const char* face : {text::kFaceAngry, text::kFaceSmiling}) {
                SetCharaFace(battle->Engine(), face);
                expectEnglish(game, "a line of the opponent");
            }
        gs.CharaIndex = 0;
        battle->EndGame_Click();
        battle->SetEvent(text::kPLAYER_Win);
        QCOMPARE(boxes.seen,
                 (QStringList{"Confirm|Do you want to quit the game?", "Battle Result|-You Win-"}));
        expectEnglish(game, "viewer A");

        Click(Current<ACD_OmakeCG0A>(game, ScreenId::ACD_OmakeCG0A).Image1());
        game.Main_()->CpTurn().stop();
        game.Main_()->Surrender_Click();
        expectEnglish(game, "continue");
        Click(Current<ACD_Continue>(game, ScreenId::ACD_Continue).Image3());
        game.OpenOmakeMode();
        expectEnglish(game, "bonus menu");
        Click(Current<ACD_OmakeMode>(game, ScreenId::ACD_OmakeMode).Command_Omake(2));
        expectEnglish(game, "viewer C");
    }

    // A Japanese desktop gets the Japanese game whichever way its locale is
    // written, and so do the C locale and a desktop that says nothing.
    void languageFollowsTheLocale() {
        for (const char* name : {"ja_JP.UTF-8", "ja_JP.eucJP", "ja", "C"})
            QCOMPARE(LanguageOf(QLocale(QString::fromLatin1(name)).uiLanguages()),
                     Language::Japanese);
        QCOMPARE(LanguageOf({}), Language::Japanese);
        for (const char* name : {"en_US.UTF-8", "de_DE", "fr", "zh_CN.UTF-8"})
            QCOMPARE(LanguageOf(QLocale(QString::fromLatin1(name)).uiLanguages()),
                     Language::English);
    }

    // The prompts with any count, and the catalogue with nothing unfinished
    // or left over from texts that are gone.
    void catalogueIsComplete() {
        for (int n = 0; n <= 4; ++n)
            for (const char* words : {text::kCommandPrompt, text::kCombatPrompt}) {
                const std::string prompt = words + std::to_string(n) + text::kPromptUnit;
                QCOMPARE(Shown(prompt),
                         QStringLiteral("Place your %1 vehicles: %2 left")
                             .arg(words == text::kCommandPrompt ? "command" : "combat")
                             .arg(n));
            }
        QFile ts(QStringLiteral(ORVALIS_TS));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        const QByteArray catalogue = ts.readAll();
        for (const char* flaw : {"type=\"unfinished\"", "type=\"vanished\"", "type=\"obsolete\"",
                                 "<translation></translation>"})
            QVERIFY2(!catalogue.contains(flaw), flaw);
        // One name for each kind of vehicle: command and combat vehicles,
        // in every text shown or read out, never units, tanks or an HQ.
        const QRegularExpression other(QStringLiteral("\\b(units?|tanks?|HQ|trucks?|ships?)\\b"),
                                       QRegularExpression::CaseInsensitiveOption);
        QRegularExpressionMatchIterator english =
            QRegularExpression(QStringLiteral("<translation>([^<]*)</translation>"))
                .globalMatch(QString::fromUtf8(catalogue));
        while (english.hasNext()) {
            const QString text = english.next().captured(1);
            QVERIFY2(!other.match(text).hasMatch(), qPrintable(text));
        }
    }
};

QTEST_MAIN(EnglishTest)
#include "EnglishTest.moc"
