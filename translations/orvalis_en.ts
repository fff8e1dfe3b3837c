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
        <translation>Place your command vehicles: %1 left</translation>
    </message>
    <message>
        <source>攻撃ユニットを配置してください  残り %1機</source>
        <translation>Place your combat vehicles: %1 left</translation>
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
        <translation>Command</translation>
    </message>
    <message>
        <source>戦闘車</source>
        <comment>caption</comment>
        <translation>Combat</translation>
    </message>
    <message>
        <source>攻撃機</source>
        <comment>caption</comment>
        <translation>Combat</translation>
    </message>
    <message>
        <source>Map画像のワーク</source>
        <comment>caption</comment>
        <translation>Map work</translation>
    </message>
    <message>
        <source>ユニット透過</source>
        <comment>caption</comment>
        <translation>Vehicle mask</translation>
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
    <message>
        <source>この遊び方を開く</source>
        <translation>Open this help</translation>
    </message>
    <message>
        <source>ボタンとオプションを移る</source>
        <translation>Move between the buttons and options</translation>
    </message>
    <message>
        <source>選んだボタンを押す、オプションを切り替える</source>
        <translation>Press the chosen button, or tick or clear the chosen option</translation>
    </message>
    <message>
        <source>カーソルを動かす</source>
        <translation>Move the cursor</translation>
    </message>
    <message>
        <source>行の端へ</source>
        <translation>To the ends of the row</translation>
    </message>
    <message>
        <source>列の端へ</source>
        <translation>To the ends of the column</translation>
    </message>
    <message>
        <source>カーソルのマスに配置する、攻撃する</source>
        <translation>Place a vehicle, or fire, at the cursor&apos;s cell</translation>
    </message>
    <message>
        <source>終了するか尋ねる</source>
        <translation>Ask whether to quit</translation>
    </message>
    <message>
        <source>メニューへ</source>
        <translation>Open the menu</translation>
    </message>
    <message>
        <source>メニューの「ゲーム終了」「タイトルに戻る」「降伏する」</source>
        <translation>The menu&apos;s Quit, Back to Title and Surrender</translation>
    </message>
    <message>
        <source>コンティニューする</source>
        <translation>Continue: play the stage again</translation>
    </message>
    <message>
        <source>タイトルへ戻る</source>
        <translation>Back to the title</translation>
    </message>
    <message>
        <source>絵とボタンを移る</source>
        <translation>Move between the pictures and the button</translation>
    </message>
    <message>
        <source>選んだ絵を見る</source>
        <translation>Show the chosen picture</translation>
    </message>
    <message>
        <source>次へ進む (クリックと同じ)</source>
        <translation>Move on (as a click does)</translation>
    </message>
    <message>
        <source>絵を閉じる</source>
        <translation>Leave the picture</translation>
    </message>
    <message>
        <source>はい、または OK</source>
        <translation>Yes, or OK</translation>
    </message>
    <message>
        <source>いいえ</source>
        <translation>No</translation>
    </message>
    <message>
        <source>次のボタンへ</source>
        <translation>To the next button</translation>
    </message>
    <message>
        <source>遊び方</source>
        <translation>How to play</translation>
    </message>
    <message>
        <source>このゲームについて</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Orvalis について</source>
        <translation>About Orvalis</translation>
    </message>
    <message>
        <source>勝ち負け</source>
        <translation>Winning and losing</translation>
    </message>
    <message>
        <source>相手より先に、敵の指令車を２台、または戦闘車を２台撃破すれば勝ちです。先に自分の指令車２台か戦闘車２台を撃破されると負けです。</source>
        <translation>You win by destroying 2 of the enemy&apos;s command vehicles, or 2 of its combat vehicles, before the enemy does. If the enemy destroys 2 of your command vehicles or 2 of your combat vehicles first, you lose.</translation>
    </message>
    <message>
        <source>配置</source>
        <translation>Placing your vehicles</translation>
    </message>
    <message>
        <source>双方が指令車３台と戦闘車４台を、縦９マス横１９マスの陣地に隠します。戦闘が始まったら、自分の陣地 (下の陣地) のマスをクリックして、まず指令車を３台、続けて戦闘車を４台置きます。</source>
        <translation>Each side hides 3 command vehicles and 4 combat vehicles on a field of 19 by 9 cells. When the battle begins, click cells of your own field (the lower one) to place your 3 command vehicles first, then your 4 combat vehicles.</translation>
    </message>
    <message>
        <source>攻撃</source>
        <translation>Firing</translation>
    </message>
    <message>
        <source>自分の番には、残っている戦闘車と同じ数だけ、敵の陣地 (上の陣地) のマスをクリックして撃ちます。相手も同じように撃ち返してきます。撃つたびに答えが出ます:</source>
        <translation>In your turn you fire as many shots as you have combat vehicles left, clicking cells of the enemy field (the upper one). The enemy fires back the same way. Every shot is answered:</translation>
    </message>
    <message>
        <source>右の絵の少女が相手です。撃たれると怒り、当てると笑います。下のメッセージ欄で話しかけてきます。</source>
        <translation>The girl in the picture on the right is your opponent. She gets angry when you hit her vehicles and smiles when she hits yours, and talks to you in the message line below.</translation>
    </message>
    <message>
        <source>コンティニュー</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>負けるとコンティニュー画面になります。「はい」で同じステージをやり直し、「いいえ」でタイトルへ戻ります。</source>
        <translation>When you lose, the continue screen asks: Yes plays the same stage again, No goes back to the title.</translation>
    </message>
    <message>
        <source>ステージに勝つと、おまけの絵が見られます。絵をクリックすると先へ進みます。３人の相手すべてに勝つと、タイトルに「おまけモード」が現れ、いつでも絵を見られます。</source>
        <translation>Win a stage and a bonus picture is shown; click the picture to move on. Beat all three opponents and the title offers the bonus mode, where you can see the pictures at any time.</translation>
    </message>
    <message>
        <source>マウス</source>
        <translation>The mouse</translation>
    </message>
    <message>
        <source>タイトル: ボタンとオプションをクリック。戦闘: 陣地のマスをクリック、メニューから「ゲーム終了」「タイトルに戻る」「降伏する」。コンティニュー: 「はい」か「いいえ」をクリック。おまけモード: 見たい絵をクリック。おまけの絵: クリックで先へ。</source>
        <translation>Title: click a button or an option. Battle: click cells of a field; the menu has Quit, Back to Title and Surrender. Continue: click Yes or No. Bonus mode: click the picture you want to see. Bonus pictures: click to move on.</translation>
    </message>
    <message>
        <source>何もなかった</source>
        <translation>nothing there</translation>
    </message>
    <message>
        <source>まわりの８マスのどこかに車両がある (撃破されたものも含む)</source>
        <translation>a vehicle, whole or destroyed, stands in one of the 8 cells around it</translation>
    </message>
    <message>
        <source>戦闘車を撃破した: 相手の撃てる数が１つ減る</source>
        <translation>a combat vehicle destroyed: its side fires one shot fewer a turn</translation>
    </message>
    <message>
        <source>指令車を撃破した</source>
        <translation>a command vehicle destroyed</translation>
    </message>
    <message>
        <source>キー</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>どこでも</source>
        <translation>Everywhere</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>戦闘</source>
        <translation>Battle</translation>
    </message>
    <message>
        <source>おまけモード</source>
        <translation>Bonus mode</translation>
    </message>
    <message>
        <source>確認などの小窓</source>
        <translation>Boxes (questions and results)</translation>
    </message>
    <message>
        <source>一人で遊ぶ戦略ゲーム。</source>
        <translation>A war game for one player.</translation>
    </message>
    <message>
        <source>Copyright 2026 The Orvalis developers. All rights reserved. このゲームとその絵と音は、インストールして遊ぶことができます。開発者の許可なく変更したり配布したりすることはできません。</source>
        <translation>Copyright 2026 The Orvalis developers. All rights reserved. The game, its pictures and its sounds may be installed and played. They may not be changed or passed on without the developers&apos; permission.</translation>
    </message>
    <message>
        <source>使っているもの</source>
        <translation>Made with</translation>
    </message>
    <message>
        <source>Qt 6 (LGPL 3), The Qt Company ほか / SDL2, SDL2_mixer (zlib ライセンス), Sam Lantinga ほか / IPA P ゴシック (IPA フォントライセンス), 情報処理推進機構 (IPA)</source>
        <translation>Qt 6 (LGPL 3), The Qt Company and others / SDL2, SDL2_mixer (zlib licence), Sam Lantinga and others / IPA P Gothic (IPA Font License), Information-technology Promotion Agency, Japan (IPA)</translation>
    </message>
</context>
</TS>
