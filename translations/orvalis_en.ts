<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Orvalis</name>
    <message>
        <source>ゲームスタート</source>
        <translation>Game start</translation>
    </message>
    <message>
        <source>指令ユニットを配置してください  残り %1機</source>
        <translation>Place your command units: %1 left</translation>
    </message>
    <message>
        <source>攻撃ユニットを配置してください  残り %1機</source>
        <translation>Place your combat units: %1 left</translation>
    </message>
    <message>
        <source>　    -You Win-</source>
        <translation>-You Win-</translation>
    </message>
    <message>
        <source>戦闘結果</source>
        <translation>Battle Result</translation>
    </message>
    <message>
        <source>終了してよろしいですか？</source>
        <translation>Do you want to quit the game?</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>えーっ、ひどいですわぁ</source>
        <translation>Oh no, that is so mean!</translation>
    </message>
    <message>
        <source>良い感じですわ</source>
        <translation>This is going nicely.</translation>
    </message>
    <message>
        <source>ひどいことしないで・・・</source>
        <translation>Please don't be so cruel...</translation>
    </message>
    <message>
        <source>今日は調子が悪いみたいね</source>
        <translation>Looks like today is not your day.</translation>
    </message>
    <message>
        <source>えーっ、ちょっとは手加減してよね</source>
        <translation>Hey, go a little easy on me!</translation>
    </message>
    <message>
        <source>あれ、、、怒っちゃったかな？</source>
        <translation>Oh... did I make you angry?</translation>
    </message>
    <message>
        <source>新しいゲームを始める</source>
        <translation>Start a new game</translation>
    </message>
    <message>
        <source>おまけの絵を見る</source>
        <translation>Bonus pictures</translation>
    </message>
    <message>
        <source>ゲームを終了する</source>
        <translation>Quit the game</translation>
    </message>
    <message>
        <source>効果音オフ</source>
        <translation>Sound effects off</translation>
    </message>
    <message>
        <source>音楽オフ</source>
        <translation>Music off</translation>
    </message>
    <message>
        <source>なめらかスクロール</source>
        <translation>Smooth scrolling</translation>
    </message>
    <message>
        <source>Tab または矢印キーでボタンとオプションを移り、Enter または Space で選びます。</source>
        <translation>Tab or the arrow keys move between the buttons and options; Enter or Space uses one.</translation>
    </message>
    <message>
        <source>敵の陣地</source>
        <translation>Enemy field</translation>
    </message>
    <message>
        <source>自分の陣地</source>
        <translation>Your field</translation>
    </message>
    <message>
        <source>矢印キーでカーソルを動かし、Home と End で行の端へ、Page Up と Page Down で列の端へ移ります。Enter または Space でユニットを配置、または攻撃します。Escape で終了、F10 または Alt でメニューへ。</source>
        <translation>Arrow keys move the cursor, Home and End go to the ends of a row, Page Up and Page Down to the ends of a column; Enter or Space places a vehicle or fires. Escape quits; F10 or Alt reaches the menu.</translation>
    </message>
    <message>
        <source>メッセージ</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>指示</source>
        <translation>Instruction</translation>
    </message>
    <message>
        <source>ステージ</source>
        <translation>Stage</translation>
    </message>
    <message>
        <source>相手</source>
        <translation>Opponent</translation>
    </message>
    <message>
        <source>普通</source>
        <translation>calm</translation>
    </message>
    <message>
        <source>怒り</source>
        <translation>angry</translation>
    </message>
    <message>
        <source>笑顔</source>
        <translation>smiling</translation>
    </message>
    <message>
        <source>自軍の指令車の残り</source>
        <translation>Your command vehicles left</translation>
    </message>
    <message>
        <source>自軍の戦闘車の残り</source>
        <translation>Your combat vehicles left</translation>
    </message>
    <message>
        <source>敵の指令車の残り</source>
        <translation>Enemy command vehicles left</translation>
    </message>
    <message>
        <source>敵の戦闘車の残り</source>
        <translation>Enemy combat vehicles left</translation>
    </message>
    <message>
        <source>このターンの自軍の残り攻撃回数</source>
        <translation>Your shots left this turn</translation>
    </message>
    <message>
        <source>このターンの敵の残り攻撃回数</source>
        <translation>Enemy shots left this turn</translation>
    </message>
    <message>
        <source>タイトル画面に戻る</source>
        <translation>Back to the title</translation>
    </message>
    <message>
        <source>降伏して負けを認める</source>
        <translation>Surrender</translation>
    </message>
    <message>
        <source>コンティニューしますか？</source>
        <translation>Continue?</translation>
    </message>
    <message>
        <source>はい：このステージをもう一度</source>
        <translation>Yes: play this stage again</translation>
    </message>
    <message>
        <source>いいえ：タイトル画面に戻る</source>
        <translation>No: back to the title</translation>
    </message>
    <message>
        <source>Enter または Y ではい、Escape または N でいいえ。</source>
        <translation>Enter or Y: yes. Escape or N: no.</translation>
    </message>
    <message>
        <source>おまけの絵 A</source>
        <translation>Bonus picture A</translation>
    </message>
    <message>
        <source>おまけの絵 C</source>
        <translation>Bonus picture C</translation>
    </message>
    <message>
        <source>おまけの絵</source>
        <translation>Bonus picture</translation>
    </message>
    <message>
        <source>Enter、Space または矢印キーで次へ、Escape で戻ります。</source>
        <translation>Enter, Space or an arrow key goes on, Escape leaves.</translation>
    </message>
    <message>
        <source>ハズレ</source>
        <translation>miss</translation>
    </message>
    <message>
        <source>隣接</source>
        <translation>adjacent</translation>
    </message>
    <message>
        <source>戦闘車ヒット</source>
        <translation>combat vehicle hit</translation>
    </message>
    <message>
        <source>指令車ヒット</source>
        <translation>command vehicle hit</translation>
    </message>
    <message>
        <source>戦闘車</source>
        <translation>combat vehicle</translation>
    </message>
    <message>
        <source>指令車</source>
        <translation>command vehicle</translation>
    </message>
    <message>
        <source>未攻撃</source>
        <translation>not yet fired</translation>
    </message>
    <message>
        <source>空き</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>指令機</source>
        <comment>caption</comment>
        <translation>HQ</translation>
    </message>
    <message>
        <source>戦闘車</source>
        <comment>caption</comment>
        <translation>Tanks</translation>
    </message>
    <message>
        <source>攻撃機</source>
        <comment>caption</comment>
        <translation>Tanks</translation>
    </message>
    <message>
        <source>Map画像のワーク</source>
        <comment>caption</comment>
        <translation>Map work</translation>
    </message>
    <message>
        <source>ユニット透過</source>
        <comment>caption</comment>
        <translation>Unit mask</translation>
    </message>
    <message>
        <source>ゲーム終了</source>
        <comment>caption</comment>
        <translation>Quit</translation>
    </message>
    <message>
        <source>タイトルに戻る</source>
        <comment>caption</comment>
        <translation>Back to Title</translation>
    </message>
    <message>
        <source>降伏する</source>
        <comment>caption</comment>
        <translation>Surrender</translation>
    </message>
</context>
</TS>
