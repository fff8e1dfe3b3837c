#pragma once
// Painters of every placeholder picture. Each one draws at the size the asset
// table asks for (they are designed for the sizes the game uses today).
#include <QImage>
#include <QPainter>
#include <QSize>

namespace orv::assetgen {

// Colours shared by the battle frame and the small pictures drawn on top of it,
// so the icons sit on the panel without a visible box.
inline const QColor kMessageBarColour(14, 18, 14);
inline const QColor kStatusPanelColour(44, 50, 40);

// Title screen.
QImage PaintTitle(QSize size);
QImage PaintStartButton(QSize size);
QImage PaintBonusButton(QSize size);
QImage PaintQuitButton(QSize size);
QImage PaintAppIcon(QSize size);
// The icon the desktop shows in its menus, on a transparent ground.
QImage PaintDesktopIcon(QSize size);

// Battle screen and the continue question.
QImage PaintBattleFrame(QSize size);
QImage PaintMessageBarTrim(QSize size);
QImage PaintShotMark(QSize size, bool player);
QImage PaintCommandIcon(QSize size, bool player);
QImage PaintCombatIcon(QSize size, bool player);
QImage PaintContinueBanner(QSize size);
QImage PaintContinueYes(QSize size);
QImage PaintContinueNo(QSize size);

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
QImage PaintBonusMenu(QSize size);
QImage PaintBonusThumbA(QSize size);
QImage PaintBonusThumbC(QSize size);
QImage PaintBonusExit(QSize size);
QImage PaintBonusA(QSize size);
QImage PaintBonusCTall(QSize size);
QImage PaintBonusCSecond(QSize size);

}  // namespace orv::assetgen
