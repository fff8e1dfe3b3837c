#pragma once
// What the game says to assistive technology, and the keys it answers to
// beside the mouse: the names and descriptions of its controls, the words for
// what a grid cell shows, and the menu's access keys. One table, in the
// game's Japanese; Tr gives each its English in the English game.
#include <QString>
#include <QtGlobal>

#include "platform/Language.h"

namespace orv::access {

#define ORV_SAY(text) QT_TRANSLATE_NOOP("Orvalis", text)

// Title screen.
inline constexpr const char* kStart = ORV_SAY("新しいゲームを始める");
inline constexpr const char* kBonus = ORV_SAY("おまけの絵を見る");
inline constexpr const char* kQuit = ORV_SAY("ゲームを終了する");
inline constexpr const char* kOptionSE = ORV_SAY("効果音オフ");
inline constexpr const char* kOptionBGM = ORV_SAY("音楽オフ");
inline constexpr const char* kOptionLowSpec = ORV_SAY("なめらかスクロール");
inline constexpr const char* kTitleKeys =
    ORV_SAY("Tab または矢印キーでボタンとオプションを移り、Enter または Space で選びます。");

// Battle screen.
inline constexpr const char* kEnemyField = ORV_SAY("敵の陣地");
inline constexpr const char* kOwnField = ORV_SAY("自分の陣地");
inline constexpr const char* kFieldKeys = ORV_SAY(
    "矢印キーでカーソルを動かし、Home と End で行の端へ、Page Up と Page Down で列の端へ移ります。"
    "Enter または Space でユニットを配置、または攻撃します。Escape で終了、F10 または Alt "
    "でメニューへ。");
inline constexpr const char* kMessageLine = ORV_SAY("メッセージ");
inline constexpr const char* kPrompt = ORV_SAY("指示");
inline constexpr const char* kStage = ORV_SAY("ステージ");
inline constexpr const char* kPortrait = ORV_SAY("相手");
inline constexpr const char* kFaceNormal = ORV_SAY("普通");
inline constexpr const char* kFaceAngry = ORV_SAY("怒り");
inline constexpr const char* kFaceSmiling = ORV_SAY("笑顔");
inline constexpr const char* kPlayerCommandLeft = ORV_SAY("自軍の指令車の残り");
inline constexpr const char* kPlayerCombatLeft = ORV_SAY("自軍の戦闘車の残り");
inline constexpr const char* kEnemyCommandLeft = ORV_SAY("敵の指令車の残り");
inline constexpr const char* kEnemyCombatLeft = ORV_SAY("敵の戦闘車の残り");
inline constexpr const char* kPlayerShotsLeft = ORV_SAY("このターンの自軍の残り攻撃回数");
inline constexpr const char* kEnemyShotsLeft = ORV_SAY("このターンの敵の残り攻撃回数");

// The menu bar's entries and their access keys (with Alt), in the order of
// the bar. The keys stay whatever the captions say.
inline constexpr char kEndGameKey = 'Q';
inline constexpr char kRetTitleKey = 'T';
inline constexpr char kSurrenderKey = 'S';
inline constexpr const char* kEndGame = ORV_SAY("ゲームを終了する");
inline constexpr const char* kRetTitle = ORV_SAY("タイトル画面に戻る");
inline constexpr const char* kSurrender = ORV_SAY("降伏して負けを認める");

// Continue screen.
inline constexpr const char* kContinueQuestion = ORV_SAY("コンティニューしますか？");
inline constexpr const char* kContinueYes = ORV_SAY("はい：このステージをもう一度");
inline constexpr const char* kContinueNo = ORV_SAY("いいえ：タイトル画面に戻る");
inline constexpr const char* kContinueKeys =
    ORV_SAY("Enter または Y ではい、Escape または N でいいえ。");

// Bonus menu and viewers.
inline constexpr const char* kViewerA = ORV_SAY("おまけの絵 A");
inline constexpr const char* kViewerC = ORV_SAY("おまけの絵 C");
inline constexpr const char* kBonusExit = ORV_SAY("タイトル画面に戻る");
inline constexpr const char* kBonusPicture = ORV_SAY("おまけの絵");
inline constexpr const char* kViewerKeys =
    ORV_SAY("Enter、Space または矢印キーで次へ、Escape で戻ります。");

// What a cell of a grid shows, from the sprite drawn in it (-1: none yet),
// in the words of the shots' answers. The enemy field shows nothing before a
// shot; the own field shows the vehicles placed on it.
inline const char* CellState(int sprite, bool enemyField) {
    switch (sprite) {
        case 0:
            return ORV_SAY("ハズレ");
        case 1:
            return ORV_SAY("隣接");
        case 2:
            return ORV_SAY("戦闘車ヒット");
        case 3:
            return ORV_SAY("指令車ヒット");
        case 4:
            return ORV_SAY("戦闘車");
        case 5:
            return ORV_SAY("指令車");
        default:
            return enemyField ? ORV_SAY("未攻撃") : ORV_SAY("空き");
    }
}

#undef ORV_SAY

// A cell by its column letter (A to S) and row number (1 to 9): "C5".
inline QString CellName(int col, int row) {
    return QChar(u'A' + col) + QString::number(row + 1);
}

// "C5: 隣接", "C5: adjacent".
inline QString CellDescription(int col, int row, int sprite, bool enemyField) {
    return CellName(col, row) + QStringLiteral(": ") + ui::Tr(CellState(sprite, enemyField));
}

// "自軍の指令車の残り: 3", "Your command vehicles left: 3".
inline QString Count(const char* what, int n) {
    return ui::Tr(what) + QStringLiteral(": ") + QString::number(n);
}

}  // namespace orv::access
