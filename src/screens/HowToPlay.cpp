#include "screens/HowToPlay.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>

#include "assets/AssetTable.h"
#include "platform/Controls.h"
#include "platform/GameFiles.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "rules/Texts.h"
#include "screens/KeyTable.h"

namespace orv::ui {
namespace {

#define ORV_SAY(text) QT_TRANSLATE_NOOP("Orvalis", text)

constexpr const char* kTitle = ORV_SAY("遊び方");
constexpr const char* kAboutButton = ORV_SAY("このゲームについて");
constexpr const char* kAboutTitle = ORV_SAY("Orvalis について");

// The rules, the screens and the mouse, a heading and its paragraph each.
constexpr const char* kSections[][2] = {
    {ORV_SAY("勝ち負け"),
     ORV_SAY("相手より先に、敵の指令車を２台、または戦闘車を２台撃破すれば勝ちです。"
             "先に自分の指令車２台か戦闘車２台を撃破されると負けです。")},
    {ORV_SAY("配置"),
     ORV_SAY("双方が指令車３台と戦闘車４台を、縦９マス横１９マスの陣地に隠します。"
             "戦闘が始まったら、自分の陣地 (下の陣地) のマスをクリックして、まず指令車を３台、"
             "続けて戦闘車を４台置きます。")},
    {ORV_SAY("攻撃"),
     ORV_SAY("自分の番には、残っている戦闘車と同じ数だけ、敵の陣地 (上の陣地) のマスを"
             "クリックして撃ちます。相手も同じように撃ち返してきます。撃つたびに答えが出ます:")},
    {ORV_SAY("相手"), ORV_SAY("右の絵の少女が相手です。撃たれると怒り、当てると笑います。"
                              "下のメッセージ欄で話しかけてきます。")},
    {ORV_SAY("コンティニュー"),
     ORV_SAY("負けるとコンティニュー画面になります。「はい」で同じステージをやり直し、"
             "「いいえ」でタイトルへ戻ります。")},
    {ORV_SAY("おまけの絵"),
     ORV_SAY(
         "ステージに勝つと、おまけの絵が見られます。絵をクリックすると先へ進みます。"
         "３人の相手すべてに勝つと、タイトルに「おまけモード」が現れ、いつでも絵を見られます。")},
    {ORV_SAY("マウス"),
     ORV_SAY("タイトル: ボタンとオプションをクリック。戦闘: 陣地のマスをクリック、"
             "メニューから「ゲーム終了」「タイトルに戻る」「降伏する」。コンティニュー: "
             "「はい」か「いいえ」を"
             "クリック。おまけモード: 見たい絵をクリック。おまけの絵: クリックで先へ。")},
};

// The four answers a shot gets, with the picture its cell then shows.
constexpr const char* kAnswers[][2] = {
    {text::kMiss, ORV_SAY("何もなかった")},
    {text::kAdjacent, ORV_SAY("まわりの８マスのどこかに車両がある (撃破されたものも含む)")},
    {text::kCombatHit, ORV_SAY("戦闘車を撃破した: 相手の撃てる数が１つ減る")},
    {text::kCommandHit, ORV_SAY("指令車を撃破した")},
};

constexpr const char* kPlaces[] = {
    ORV_SAY("どこでも"),       ORV_SAY("タイトル"),     ORV_SAY("戦闘"),
    ORV_SAY("コンティニュー"), ORV_SAY("おまけモード"), ORV_SAY("おまけの絵"),
    ORV_SAY("確認などの小窓"),
};

QString escaped(const char* source) {
    return Tr(source).toHtmlEscaped();
}

// The sprite of an answer's cell, its see-through blue on white.
QImage answerPicture(int sprite) {
    const QImage strip(ResolveAppPath("\\img\\×▲爆発[指]爆発[戦].bmp"));
    if (strip.isNull()) return {};
    const int side = strip.width() / assets::kSpriteCells;
    QImage cell =
        strip.copy(sprite * side, 0, side, strip.height()).convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x)
            if (cell.pixel(x, y) == qRgb(0, 0, 255)) cell.setPixel(x, y, qRgb(255, 255, 255));
    return cell;
}

}  // namespace

QString HowToPlayText() {
    QString html;
    for (const auto& [heading, text] : kSections) {
        html += QStringLiteral("<h3>%1</h3><p>%2</p>").arg(escaped(heading), escaped(text));
        if (QLatin1String(heading) != QLatin1String(kSections[2][0])) continue;
        html += QStringLiteral("<table cellspacing=\"4\">");
        for (int i = 0; i < 4; ++i)
            html += QStringLiteral(
                        "<tr><td><img src=\"cell:%1\"></td><td><b>%2</b></td><td>%3</td></tr>")
                        .arg(i)
                        .arg(escaped(kAnswers[i][0]), escaped(kAnswers[i][1]));
        html += QStringLiteral("</table>");
    }
    html += QStringLiteral("<h3>%1</h3>").arg(escaped(ORV_SAY("キー")));
    int place = -1;
    for (const KeyUse& use : KeyTable()) {
        if (int(use.place) != place) {
            if (place >= 0) html += QStringLiteral("</table>");
            place = int(use.place);
            html += QStringLiteral("<p><b>%1</b></p><table cellspacing=\"2\">")
                        .arg(escaped(kPlaces[place]));
        }
        html += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>")
                    .arg(KeyNames(use).toHtmlEscaped(), escaped(use.what));
    }
    return html + QStringLiteral("</table>");
}

QString AboutText() {
    return QStringLiteral("<h2>Orvalis %1</h2><p>%2</p><p>%3</p><h3>%4</h3><p>%5</p>")
        .arg(QStringLiteral(ORVALIS_VERSION).toHtmlEscaped(),
             escaped(ORV_SAY("一人で遊ぶ戦略ゲーム。")),
             escaped(ORV_SAY("Copyright 2026 The Orvalis developers. All rights reserved. "
                             "このゲームとその絵と音は、インストールして遊ぶことができます。"
                             "開発者の許可なく変更したり配布したりすることはできません。")),
             escaped(ORV_SAY("使っているもの")),
             escaped(ORV_SAY(
                 "Qt 6 (LGPL 3), The Qt Company ほか / SDL2, SDL2_mixer (zlib "
                 "ライセンス), Sam Lantinga ほか / IPA P ゴシック (IPA フォントライセンス), "
                 "情報処理推進機構 (IPA)")));
}

void ShowHowToPlay(QWidget* window) {
    if (OpenBoxCount() > 0) return;
    bool about = false;
    ShowRichBox(window, Tr(kTitle), [&about](QMessageBox& box) {
        auto* text = new QTextBrowser(&box);
        text->setObjectName(QStringLiteral("HowToPlay"));
        text->setFont(GameFont(9, false));
        for (int i = 0; i < 4; ++i)
            text->document()->addResource(QTextDocument::ImageResource,
                                          QUrl(QStringLiteral("cell:%1").arg(i)), answerPicture(i));
        text->setHtml(HowToPlayText());
        text->setAccessibleName(Tr(kTitle));
        text->setFixedSize(520, 380);
        // Above the buttons.
        auto* grid = static_cast<QGridLayout*>(box.layout());
        auto* buttons = box.findChild<QDialogButtonBox*>();
        const int row = grid->rowCount();
        if (buttons) grid->removeWidget(buttons);
        grid->addWidget(text, row, 0, 1, grid->columnCount());
        if (buttons) grid->addWidget(buttons, row + 1, 0, 1, grid->columnCount());
        box.setStandardButtons(QMessageBox::Close);
        QAbstractButton* aboutButton = box.addButton(Tr(kAboutButton), QMessageBox::ActionRole);
        QObject::connect(aboutButton, &QAbstractButton::clicked, [&about] { about = true; });
        box.setDefaultButton(QMessageBox::Close);
        box.setEscapeButton(QMessageBox::Close);
    });
    if (about)
        ShowRichBox(window, Tr(kAboutTitle), [](QMessageBox& box) {
            box.setTextFormat(Qt::RichText);
            box.setText(AboutText());
            box.setStandardButtons(QMessageBox::Ok);
        });
}

}  // namespace orv::ui
