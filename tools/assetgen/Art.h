#pragma once
// Painters of every placeholder picture. Each one draws at the size the asset
// table asks for (they are designed for the sizes the game uses today).
#include <QImage>
#include <QPainter>
#include <QSize>
#include <QString>

namespace orv::assetgen {

// The language of a picture's words. Japanese pictures are the originals; the
// English ones are drawn by the same painters into the stored en/ folder.
enum class Words { Japanese, English };

// One caption in both languages, kept side by side in each painter.
inline QString Say(Words words, const char* japanese, const char* english) {
    return QString::fromUtf8(words == Words::English ? english : japanese);
}

// Colours shared by the battle frame and the small pictures drawn on top of it,
// so the icons sit on the panel without a visible box.
inline const QColor kMessageBarColour(14, 18, 14);
inline const QColor kStatusPanelColour(44, 50, 40);

// Title screen.
QImage PaintTitle(QSize size, Words words);
QImage PaintStartButton(QSize size, Words words);
QImage PaintBonusButton(QSize size, Words words);
QImage PaintQuitButton(QSize size, Words words);
QImage PaintAppIcon(QSize size);
// The icon the desktop shows in its menus, on a transparent ground.
QImage PaintDesktopIcon(QSize size);

// Battle screen and the continue question.
QImage PaintBattleFrame(QSize size);
QImage PaintMessageBarTrim(QSize size);
QImage PaintShotMark(QSize size, bool player);
QImage PaintCommandIcon(QSize size, bool player);
QImage PaintCombatIcon(QSize size, bool player);
QImage PaintContinueBanner(QSize size, Words words);
QImage PaintContinueYes(QSize size, Words words);
QImage PaintContinueNo(QSize size, Words words);

// Fields and the sprite sheet.
QImage PaintField(QSize size, bool enemy);
QImage PaintSpriteSheet(QSize size);

// The opponents.
enum class Mood { Normal, Angry, Smiling };
inline constexpr int kGirlWidth = 215;
inline constexpr int kGirlHeight = 443;
// The girl `chara` (0-2) in a kGirlWidth x kGirlHeight box at the painter's origin.
void DrawGirl(QPainter& p, int chara, Mood mood);
QImage PaintPortraitStrip(QSize size, int chara);

// Bonus menu and bonus pictures.
QImage PaintBonusMenu(QSize size, Words words);
QImage PaintBonusThumbA(QSize size, Words words);
QImage PaintBonusThumbC(QSize size, Words words);
QImage PaintBonusExit(QSize size, Words words);
QImage PaintBonusA(QSize size, Words words);
QImage PaintBonusCTall(QSize size, Words words);
QImage PaintBonusCSecond(QSize size, Words words);

}  // namespace orv::assetgen
