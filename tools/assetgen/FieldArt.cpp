// The two battlefields (cut by the game into 19 x 9 cells of 30 px) and the
// sprite sheet of shot results and vehicles that is laid over them.
#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <vector>

#include "Art.h"
#include "ArtKit.h"
#include "assets/AssetTable.h"

namespace orv::assetgen {
namespace {

// Everything that makes the enemy's desert differ from our green valley.
struct Terrain {
    QColor groundA, groundB;  // noise blends between these
    QColor water, waterDeep, bank;
    QColor road, rut;
    QColor foliage;
    QColor rock;
    bool palms;                // desert: palms and shrubs instead of round trees
    double riverX, riverBend;  // river runs top to bottom round x = riverX
    double roadY;              // road runs left to right round y = roadY
    std::uint32_t seed;
};

const Terrain kEnemyTerrain{.groundA = QColor(222, 192, 128),
                            .groundB = QColor(186, 150, 92),
                            .water = QColor(64, 150, 160),
                            .waterDeep = QColor(34, 104, 122),
                            .bank = QColor(150, 150, 86),
                            .road = QColor(150, 104, 66),
                            .rut = QColor(118, 80, 50),
                            .foliage = QColor(92, 122, 52),
                            .rock = QColor(164, 100, 70),
                            .palms = true,
                            .riverX = 150.0,
                            .riverBend = 26.0,
                            .roadY = 190.0,
                            .seed = 7001u};
const Terrain kOwnTerrain{.groundA = QColor(108, 170, 70),
                          .groundB = QColor(58, 118, 44),
                          .water = QColor(72, 140, 196),
                          .waterDeep = QColor(38, 92, 160),
                          .bank = QColor(176, 160, 104),
                          .road = QColor(160, 128, 84),
                          .rut = QColor(122, 94, 60),
                          .foliage = QColor(34, 96, 36),
                          .rock = QColor(138, 138, 130),
                          .palms = false,
                          .riverX = 404.0,
                          .riverBend = 32.0,
                          .roadY = 84.0,
                          .seed = 4242u};

double RiverCentre(const Terrain& t, double y) {
    return t.riverX + t.riverBend * std::sin(y / 48.0 + t.seed % 7) + 9.0 * std::sin(y / 17.0);
}
double RoadCentre(const Terrain& t, double x) {
    return t.roadY + 34.0 * std::sin(x / 96.0 + (t.seed % 5)) + 6.0 * std::sin(x / 31.0);
}

void PaintGround(QImage& image, const Terrain& t) {
    const int w = image.width(), h = image.height();
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            double n = Fractal(x / 46.0, y / 46.0, t.seed, 4);
            if (t.palms)
                n = 0.7 * n + 0.3 * (0.5 + 0.5 * std::sin(x / 9.0 + 6.0 * n + y / 23.0));  // dunes
            QColor c = Mix(t.groundA, t.groundB, (n - 0.3) * 2.0);
            // River with a muddy bank; darker in the middle.
            const double river = std::abs(x - RiverCentre(t, y));
            const double riverHalf = 14.0 + 3.0 * std::sin(y / 29.0);
            if (river < riverHalf) {
                const double depth = 1.0 - river / riverHalf;
                c = Mix(t.water, t.waterDeep, depth);
                // Ripples: short light streaks drifting with the current.
                const double ripple =
                    std::sin(y / 3.0 + 4.0 * Fractal(x / 8.0, y / 20.0, t.seed + 3, 2) * 6.0);
                if (ripple > 0.93) c = c.lighter(130);
            } else if (river < riverHalf + 4.0) {
                c = Mix(t.bank, c, (river - riverHalf) / 4.0);
            }
            // Dirt road with two wheel ruts.
            const double road = std::abs(y - RoadCentre(t, x));
            if (road < 9.0 && river >= riverHalf + 2.0) {
                c = Mix(t.road, c, std::max(0.0, road - 7.0) / 2.0);
                if (std::abs(road - 3.5) < 1.0) c = Mix(c, t.rut, 0.6);
                c = Mix(c, t.rut, 0.25 * Fractal(x / 5.0, y / 5.0, t.seed + 9, 2));
            }
            const int grain = static_cast<int>((HashUnit(x, y, t.seed) - 0.5) * 16);
            line[x] =
                qRgb(std::clamp(c.red() + grain, 0, 255), std::clamp(c.green() + grain, 0, 255),
                     std::clamp(c.blue() + grain, 0, 255));
        }
    }
}

void DrawBridge(QPainter& p, const Terrain& t) {
    // Where the road crosses the river: plank deck with rails.
    double crossX = t.riverX;
    for (int i = 0; i < 4; ++i) crossX = RiverCentre(t, RoadCentre(t, crossX));
    const double crossY = RoadCentre(t, crossX);
    p.save();
    p.translate(crossX, crossY);
    p.fillRect(QRectF(-26, -8, 52, 16), QColor(0, 0, 0, 60));
    for (int i = 0; i < 13; ++i) {
        const QColor plank = i % 2 ? QColor(150, 108, 64) : QColor(136, 96, 56);
        p.fillRect(QRectF(-26 + i * 4, -9, 4, 16), plank);
    }
    p.setPen(QPen(QColor(80, 52, 28), 2));
    p.drawLine(QPointF(-27, -9), QPointF(27, -9));
    p.drawLine(QPointF(-27, 8), QPointF(27, 8));
    p.restore();
}

bool Clear(const Terrain& t, double x, double y, double margin) {
    return std::abs(x - RiverCentre(t, y)) > 18 + margin &&
           std::abs(y - RoadCentre(t, x)) > 10 + margin;
}

void DrawTree(QPainter& p, const Terrain& t, QPointF at, double r, std::uint32_t seed) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(at + QPointF(r * 0.4, r * 0.5), r, r * 0.7);
    if (t.palms) {
        // Palm: thin trunk and a star of fronds.
        p.setPen(QPen(QColor(110, 80, 44), 2));
        p.drawLine(at + QPointF(0, r * 0.8), at);
        p.setPen(Qt::NoPen);
        p.setBrush(t.foliage);
        for (int i = 0; i < 6; ++i) {
            p.save();
            p.translate(at);
            p.rotate(i * 60 + seed % 40);
            p.drawEllipse(QRectF(0, -r * 0.22, r * 1.1, r * 0.44));
            p.restore();
        }
        p.setBrush(t.foliage.lighter(140));
        p.drawEllipse(at, r * 0.25, r * 0.25);
        return;
    }
    QRadialGradient crown(at - QPointF(r * 0.35, r * 0.35), r * 1.3);
    crown.setColorAt(0.0, t.foliage.lighter(175));
    crown.setColorAt(0.5, t.foliage);
    crown.setColorAt(1.0, t.foliage.darker(170));
    p.setBrush(crown);
    p.setPen(QPen(t.foliage.darker(220), 1));
    p.drawEllipse(at, r, r);
}

void DrawRock(QPainter& p, const Terrain& t, QPointF at, double r, std::uint32_t seed) {
    Dice dice(seed);
    QPolygonF rock;
    for (int i = 0; i < 7; ++i) {
        const double a = i * 2 * 3.14159265 / 7;
        const double rr = r * dice.Range(0.7, 1.0);
        rock << at + QPointF(std::cos(a) * rr, std::sin(a) * rr * 0.75);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawPolygon(rock.translated(2, 2));
    QLinearGradient g(at - QPointF(r, r), at + QPointF(r, r));
    g.setColorAt(0.0, t.rock.lighter(150));
    g.setColorAt(1.0, t.rock.darker(160));
    p.setBrush(g);
    p.setPen(QPen(t.rock.darker(220), 1));
    p.drawPolygon(rock);
}

QImage PaintTerrain(QSize size, const Terrain& t) {
    QImage image(size, QImage::Format_RGB32);
    PaintGround(image, t);
    QPainter p(&image);
    Smooth(p);
    DrawBridge(p, t);

    Dice dice(t.seed);
    // A few groves, then scattered trees and rocks: never on the road or in the river.
    for (int grove = 0; grove < 4; ++grove) {
        const QPointF centre(dice.Range(20, size.width() - 20), dice.Range(20, size.height() - 20));
        for (int i = 0; i < 9; ++i) {
            const QPointF at = centre + QPointF(dice.Range(-28, 28), dice.Range(-20, 20));
            if (Clear(t, at.x(), at.y(), 6)) DrawTree(p, t, at, dice.Range(6, 10), dice.Next());
        }
    }
    for (int i = 0; i < 26; ++i) {
        const QPointF at(dice.Range(6, size.width() - 6), dice.Range(6, size.height() - 6));
        if (!Clear(t, at.x(), at.y(), 4)) continue;
        if (i % 2)
            DrawTree(p, t, at, dice.Range(5, 8), dice.Next());
        else
            DrawRock(p, t, at, dice.Range(4, 8), dice.Next());
    }
    // Tufts of grass or pebbles: tiny detail that makes the ground read at a glance.
    for (int i = 0; i < 260; ++i) {
        const QPointF at(dice.Range(0, size.width()), dice.Range(0, size.height()));
        if (!Clear(t, at.x(), at.y(), 0)) continue;
        p.setPen(QPen(t.palms ? t.rock.darker(130) : t.foliage.lighter(150), 1));
        p.drawLine(at, at + QPointF(-1.5, -3));
        p.drawLine(at, at + QPointF(1.5, -3));
    }
    // Faint grid so the 30 px cells can be told apart when the game cuts the map.
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor gridLine(0, 0, 0, 34);
    for (int x = assets::kSpriteCellPx; x < size.width(); x += assets::kSpriteCellPx)
        p.fillRect(QRect(x, 0, 1, size.height()), gridLine);
    for (int y = assets::kSpriteCellPx; y < size.height(); y += assets::kSpriteCellPx)
        p.fillRect(QRect(0, y, size.width(), 1), gridLine);
    return image;
}

// --- sprite sheet ------------------------------------------------------------

const QRgb kKeyBlue = qRgb(0, 0, 255);
const QColor kSpriteRim(24, 22, 16);
const QColor kTankBody(176, 162, 96);
const QColor kTruckBody(112, 136, 80);
const QColor kWreck(78, 72, 66);

void DrawSmokePuffs(QPainter& p, const std::vector<QPointF>& puffs, qreal r, const QColor& smoke) {
    p.setPen(QPen(smoke.darker(200), 1));
    p.setBrush(smoke);
    for (const QPointF& c : puffs) p.drawEllipse(c, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(smoke.lighter(130));
    for (const QPointF& c : puffs) p.drawEllipse(c - QPointF(r * 0.3, r * 0.3), r * 0.45, r * 0.45);
}

void DrawSpriteCell(QPainter& p, int cell) {
    const QRectF tankBox(2, 8, 26, 15.6);
    const QRectF truckBox(2, 6.5, 26, 16.6);
    switch (cell) {
        case 0: {  // miss: a grey-white cross in a ring of spray
            p.setPen(QPen(QColor(90, 96, 104), 7, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(8, 8), QPointF(22, 22));
            p.drawLine(QPointF(22, 8), QPointF(8, 22));
            p.setPen(QPen(QColor(250, 250, 250), 4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(8, 8), QPointF(22, 22));
            p.drawLine(QPointF(22, 8), QPointF(8, 22));
            p.setPen(QPen(QColor(90, 96, 104), 1));
            p.setBrush(QColor(236, 240, 244));
            for (const QPointF d :
                 {QPointF(15, 4.5), QPointF(25.5, 15), QPointF(15, 25.5), QPointF(4.5, 15)})
                p.drawEllipse(d, 2, 2);
            break;
        }
        case 1: {  // adjacent: a warning triangle
            QPolygonF tri;
            tri << QPointF(15, 3) << QPointF(27, 25) << QPointF(3, 25);
            QLinearGradient g(0, 3, 0, 25);
            g.setColorAt(0, QColor(255, 236, 80));
            g.setColorAt(1, QColor(246, 160, 20));
            p.setPen(QPen(kSpriteRim, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(g);
            p.drawPolygon(tri);
            p.setPen(Qt::NoPen);
            p.setBrush(kSpriteRim);
            p.drawRect(QRectF(13.5, 10, 3, 8));
            p.drawRect(QRectF(13.5, 19.5, 3, 3));
            break;
        }
        case 2:  // combat vehicle hit
            DrawTank(p, tankBox.translated(0, 3), kWreck, kSpriteRim);
            DrawExplosion(p, QPointF(15, 13), 11, 2);
            break;
        case 3:  // command vehicle hit
            DrawCommandTruck(p, truckBox.translated(0, 4), kWreck, kSpriteRim);
            DrawExplosion(p, QPointF(15, 13), 11.5, 3);
            break;
        case 4:
            DrawTank(p, tankBox, kTankBody, kSpriteRim);
            break;
        case 5:
            DrawCommandTruck(p, truckBox, kTruckBody, kSpriteRim);
            break;
        case 6:  // smoke, rising
            DrawSmokePuffs(p, {{11, 20}, {18, 16}, {13, 11}}, 5, QColor(150, 150, 150));
            break;
        case 7:  // smoke, spreading, with embers
            DrawSmokePuffs(p, {{8, 19}, {15, 22}, {22, 18}, {11, 11}, {19, 10}}, 5.5,
                           QColor(110, 108, 104));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 150, 30));
            p.drawEllipse(QPointF(15, 16), 2.5, 2.5);
            break;
        case 8: {  // burnt-out wreck with a small fire
            DrawTank(p, tankBox.translated(0, 4), QColor(54, 50, 46), kSpriteRim);
            QPainterPath flame;
            flame.moveTo(12, 16);
            flame.quadTo(13, 7, 16, 4);
            flame.quadTo(17, 10, 20, 8);
            flame.quadTo(20, 13, 19, 16);
            flame.closeSubpath();
            p.setPen(QPen(QColor(140, 30, 0), 1));
            p.setBrush(QColor(255, 140, 20));
            p.drawPath(flame);
            break;
        }
        case 9: {  // crater
            QRadialGradient hole(QPointF(15, 17), 11);
            hole.setColorAt(0.0, QColor(40, 30, 22));
            hole.setColorAt(0.6, QColor(90, 68, 46));
            hole.setColorAt(1.0, QColor(150, 120, 84));
            p.setPen(QPen(QColor(60, 44, 30), 1));
            p.setBrush(hole);
            p.drawEllipse(QPointF(15, 17), 12, 8);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(120, 96, 66));
            for (const QPointF c :
                 {QPointF(5, 9), QPointF(25, 10), QPointF(26, 25), QPointF(4, 24)})
                p.drawEllipse(c, 1.8, 1.5);
            break;
        }
        default:
            break;
    }
}

}  // namespace

QImage PaintField(QSize size, bool enemy) {
    return PaintTerrain(size, enemy ? kEnemyTerrain : kOwnTerrain);
}

QImage PaintSpriteSheet(QSize size) {
    QImage sheet(size, QImage::Format_RGB32);
    sheet.fill(kKeyBlue);
    const int cells = assets::kSpriteCells;
    const int cellW = size.width() / cells;
    for (int cell = 0; cell < cells; ++cell) {
        // Draw smooth on a clear layer, then snap every pixel to fully opaque or
        // key blue: no edge pixel may be a blend with the transparent colour.
        QImage layer(assets::kSpriteCellPx, assets::kSpriteCellPx, QImage::Format_ARGB32);
        layer.fill(Qt::transparent);
        {
            QPainter p(&layer);
            Smooth(p);
            DrawSpriteCell(p, cell);
        }
        const QImage fitted = layer.size() == QSize(cellW, size.height())
                                  ? layer
                                  : layer.scaled(cellW, size.height(), Qt::IgnoreAspectRatio,
                                                 Qt::SmoothTransformation);
        for (int y = 0; y < fitted.height(); ++y) {
            const auto* src = reinterpret_cast<const QRgb*>(fitted.constScanLine(y));
            auto* dst = reinterpret_cast<QRgb*>(sheet.scanLine(y));
            for (int x = 0; x < fitted.width(); ++x) {
                if (qAlpha(src[x]) < 128) continue;
                int r = qRed(src[x]), g = qGreen(src[x]), b = qBlue(src[x]);
                if (r < 8 && g < 8 && b > 240) b = 200;  // never the key colour by accident
                dst[cell * cellW + x] = qRgb(r, g, b);
            }
        }
    }
    return sheet;
}

}  // namespace orv::assetgen
