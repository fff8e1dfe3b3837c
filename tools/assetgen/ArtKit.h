#pragma once
// Drawing helpers shared by all our placeholder pictures: the one font, outlined
// captions, bevels, deterministic noise and the vehicles that appear everywhere.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace orv::assetgen {

// Every caption is set in this family; Japanese must come out as real glyphs.
inline constexpr const char* kFontFamily = "IPAPGothic";

// Empty when the family is installed and holds every glyph we draw.
QString CheckFont();
QFont GameFont(int pixelSize);
// Glyphs of drawn text that the font lacks; the generator fails when any are left.
QStringList& MissingGlyphReports();
// Drawn texts with Japanese characters, collected like the glyph reports: a
// stored picture that has any gets an English version, which must have none.
QStringList& JapaneseTexts();
// GameFont(pixelSize), or smaller until the letters of `text` are at most
// `width` pixels wide, so a longer English word stays inside its button or panel.
QFont FittedFont(const QString& text, int pixelSize, qreal width);

// Text as an outline path, its visual box centred on `centre` (or left-aligned
// at centre.x() when leftAligned). Reports missing glyphs.
QPainterPath TextPath(const QString& text, const QFont& font, QPointF centre,
                      bool leftAligned = false);
// Where to centre a line of Latin text so that lines set at `at`, `at` + a line
// and so on share a baseline half a capital below at.y(): centred on their own
// letters, lines with and without descenders would wander up and down.
QPointF BaselineCentre(const QString& text, const QFont& font, QPointF at);
// Filled caption with a dark rim; `weight` thickens the letters (IPAPGothic has no bold).
void DrawCaption(QPainter& p, const QString& text, const QFont& font, QPointF centre,
                 const QBrush& fill, const QColor& rim, qreal rimWidth, qreal weight = 0.0,
                 bool leftAligned = false);

// A picture of the given size, opaque black, ready for painting.
QImage NewCanvas(int width, int height);
// Painter with antialiasing on, the default for everything but sprites.
void Smooth(QPainter& p);

// Raised (sunken = false) or sunken frame of `width` pixels inside r.
void DrawBevel(QPainter& p, const QRect& r, int width, const QColor& light, const QColor& dark,
               bool sunken);
// A chunky game button: rim, bevel, glossy gradient and an outlined caption,
// shrunk from fontPx if it would reach the chevrons.
void DrawGameButton(QPainter& p, const QRect& r, const QColor& base, const QString& caption,
                    int fontPx, const QColor& textColour = QColor(255, 255, 240));
// Small round rivet heads on metal panels.
void DrawRivet(QPainter& p, QPointF at, qreal radius, const QColor& metal);

// Deterministic value noise in 0..1; the same inputs always give the same picture.
std::uint32_t Hash(int x, int y, std::uint32_t seed);
double HashUnit(int x, int y, std::uint32_t seed);
double ValueNoise(double x, double y, std::uint32_t seed);
double Fractal(double x, double y, std::uint32_t seed, int octaves);

// A fixed-seed dice for scattering stars, rocks and trees.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : state_(seed * 2654435761u + 1u) {}
    std::uint32_t Next();
    double Unit() { return (Next() & 0xFFFFFF) / double(0x1000000); }
    double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }

private:
    std::uint32_t state_;
};

// Colour between a and b (t = 0..1).
QColor Mix(const QColor& a, const QColor& b, double t);
// Adds a little grain so flat areas look like painted metal or ground.
void AddGrain(QImage& image, const QRect& area, int amount, std::uint32_t seed);

// Side views of our two vehicles, facing right, fitted into `box`.
// rim = outline colour; pass Qt::transparent for silhouettes without outline.
void DrawTank(QPainter& p, const QRectF& box, const QColor& body, const QColor& rim);
void DrawCommandTruck(QPainter& p, const QRectF& box, const QColor& body, const QColor& rim);
// A spiky fireball around centre; seed varies the spikes.
void DrawExplosion(QPainter& p, QPointF centre, qreal radius, std::uint32_t seed);

}  // namespace orv::assetgen
