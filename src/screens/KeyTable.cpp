#include "screens/KeyTable.h"

#include <QKeyEvent>
#include <QStringList>

#include "platform/Language.h"

namespace orv::ui {

#define ORV_SAY(text) QT_TRANSLATE_NOOP("Orvalis", text)

const QList<KeyUse>& KeyTable() {
    using K = QKeySequence;
    static const QList<KeyUse> table = {
        {KeyPlace::Everywhere, {K(Qt::Key_F1)}, ORV_SAY("この遊び方を開く")},
        {KeyPlace::Title,
         {K(Qt::Key_Tab), K(Qt::SHIFT | Qt::Key_Backtab), K(Qt::Key_Up), K(Qt::Key_Down),
          K(Qt::Key_Left), K(Qt::Key_Right)},
         ORV_SAY("ボタンとオプションを移る")},
        {KeyPlace::Title,
         {K(Qt::Key_Return), K(Qt::Key_Space)},
         ORV_SAY("選んだボタンを押す、オプションを切り替える")},
        {KeyPlace::Battle,
         {K(Qt::Key_Left), K(Qt::Key_Right), K(Qt::Key_Up), K(Qt::Key_Down)},
         ORV_SAY("カーソルを動かす")},
        {KeyPlace::Battle, {K(Qt::Key_Home), K(Qt::Key_End)}, ORV_SAY("行の端へ")},
        {KeyPlace::Battle, {K(Qt::Key_PageUp), K(Qt::Key_PageDown)}, ORV_SAY("列の端へ")},
        {KeyPlace::Battle,
         {K(Qt::Key_Return), K(Qt::Key_Enter), K(Qt::Key_Space)},
         ORV_SAY("カーソルのマスに配置する、攻撃する")},
        {KeyPlace::Battle, {K(Qt::Key_Escape)}, ORV_SAY("終了するか尋ねる")},
        {KeyPlace::Battle, {K(Qt::Key_F10), K(Qt::Key_Alt)}, ORV_SAY("メニューへ")},
        {KeyPlace::Battle,
         {K(Qt::ALT | Qt::Key_Q), K(Qt::ALT | Qt::Key_T), K(Qt::ALT | Qt::Key_S)},
         ORV_SAY("メニューの「ゲーム終了」「タイトルに戻る」「降伏する」")},
        {KeyPlace::Continue,
         {K(Qt::Key_Return), K(Qt::Key_Enter), K(Qt::Key_Y)},
         ORV_SAY("コンティニューする")},
        {KeyPlace::Continue, {K(Qt::Key_Escape), K(Qt::Key_N)}, ORV_SAY("タイトルへ戻る")},
        {KeyPlace::BonusMenu,
         {K(Qt::Key_Tab), K(Qt::SHIFT | Qt::Key_Backtab), K(Qt::Key_Left), K(Qt::Key_Right)},
         ORV_SAY("絵とボタンを移る")},
        {KeyPlace::BonusMenu, {K(Qt::Key_Return), K(Qt::Key_Space)}, ORV_SAY("選んだ絵を見る")},
        {KeyPlace::BonusMenu, {K(Qt::Key_Escape)}, ORV_SAY("タイトルへ戻る")},
        {KeyPlace::Viewer,
         {K(Qt::Key_Return), K(Qt::Key_Enter), K(Qt::Key_Space), K(Qt::Key_Left), K(Qt::Key_Right),
          K(Qt::Key_Up), K(Qt::Key_Down)},
         ORV_SAY("次へ進む (クリックと同じ)")},
        {KeyPlace::Viewer, {K(Qt::Key_Escape)}, ORV_SAY("絵を閉じる")},
        {KeyPlace::Box,
         {K(Qt::Key_Return), K(Qt::Key_Space), K(Qt::Key_Y)},
         ORV_SAY("はい、または OK")},
        {KeyPlace::Box, {K(Qt::Key_Escape), K(Qt::Key_N)}, ORV_SAY("いいえ")},
        {KeyPlace::Box, {K(Qt::Key_Tab)}, ORV_SAY("次のボタンへ")},
    };
    return table;
}

bool Answers(KeyPlace place, const QKeyEvent& event) {
    const QKeySequence pressed(
        QKeyCombination(event.modifiers() & ~Qt::KeypadModifier, Qt::Key(event.key())));
    for (const KeyUse& use : KeyTable())
        if (use.place == place && use.keys.contains(pressed)) return true;
    return false;
}

QString KeyNames(const KeyUse& use) {
    QStringList names;
    for (const QKeySequence& key : use.keys) names << key.toString(QKeySequence::NativeText);
    return names.join(QStringLiteral(", "));
}

}  // namespace orv::ui
