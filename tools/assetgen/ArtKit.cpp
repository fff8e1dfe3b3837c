#include "ArtKit.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QRawFont>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orv::assetgen {

QString CheckFont() {
    if (!QFontDatabase::hasFamily(QString::fromLatin1(kFontFamily)))
        return QStringLiteral("font family %1 is not installed (Debian: fonts-ipafont-gothic)")
            .arg(QString::fromLatin1(kFontFamily));
    const QRawFont raw = QRawFont::fromFont(GameFont(24));
    if (!raw.isValid() || raw.familyName() != QString::fromLatin1(kFontFamily))
        return QStringLiteral("font %1 resolves to \"%2\" instead")
            .arg(QString::fromLatin1(kFontFamily), raw.familyName());
    return {};
}

QFont GameFont(int pixelSize) {
    QFont font(QString::fromLatin1(kFontFamily));
    font.setPixelSize(pixelSize);
    // No fallback to other families: a glyph the font lacks must show up in our check,
    // not be borrowed quietly from whatever else is installed.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferAntialias));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QStringList& MissingGlyphReports() {
    static QStringList reports;
    return reports;
}

QStringList& JapaneseTexts() {
    static QStringList texts;
    return texts;
}

namespace {

// Kana, kanji and the full-width punctuation that goes with them.
bool IsJapanese(char32_t ch) {
    return (ch >= 0x3000 && ch <= 0x30FF) || (ch >= 0x3400 && ch <= 0x9FFF) ||
           (ch >= 0xFF00 && ch <= 0xFFEF);
}

}  // namespace

QFont FittedFont(const QString& text, int pixelSize, qreal width) {
    constexpr int kSmallest = 8;  // below this the letters turn to mush
    int px = pixelSize;
    while (px > kSmallest && QFontMetricsF(GameFont(px)).tightBoundingRect(text).width() > width)
        --px;
    return GameFont(px);
}

QPainterPath TextPath(const QString& text, const QFont& font, QPointF centre, bool leftAligned) {
    const QRawFont raw = QRawFont::fromFont(font);
    const auto chars = text.toUcs4();
    if (std::any_of(chars.begin(), chars.end(), IsJapanese)) JapaneseTexts().append(text);
    for (const char32_t ch : chars) {
        if (QChar::isSpace(ch)) continue;
        if (!raw.isValid() || !raw.supportsCharacter(ch))
            MissingGlyphReports().append(
                QStringLiteral("U+%1 in \"%2\"").arg(uint(ch), 4, 16, QLatin1Char('0')).arg(text));
    }
    QPainterPath path;
    path.addText(QPointF(0, 0), font, text);
    if (!text.trimmed().isEmpty() && path.isEmpty())
        MissingGlyphReports().append(QStringLiteral("no outline for \"%1\"").arg(text));
    const QRectF box = path.boundingRect();
    const qreal dx = leftAligned ? centre.x() - box.left() : centre.x() - box.center().x();
    return path.translated(dx, centre.y() - box.center().y());
}

QPointF BaselineCentre(const QString& text, const QFont& font, QPointF at) {
    QPainterPath path;  // the same box TextPath centres on
    path.addText(QPointF(0, 0), font, text);
    return {at.x(),
            at.y() + QFontMetricsF(font).capHeight() / 2 + path.boundingRect().center().y()};
}

void DrawCaption(QPainter& p, const QString& text, const QFont& font, QPointF centre,
                 const QBrush& fill, const QColor& rim, qreal rimWidth, qreal weight,
                 bool leftAligned) {
    const QPainterPath path = TextPath(text, font, centre, leftAligned);
    if (rimWidth > 0)
        p.strokePath(path,
                     QPen(rim, 2 * rimWidth + weight, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (weight > 0)
        p.strokePath(path, QPen(fill, weight, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, fill);
}

QImage NewCanvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    return image;
}

void Smooth(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
}

void DrawBevel(QPainter& p, const QRect& r, int width, const QColor& light, const QColor& dark,
               bool sunken) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor& topLeft = sunken ? dark : light;
    const QColor& bottomRight = sunken ? light : dark;
    for (int i = 0; i < width; ++i) {
        const QRect q = r.adjusted(i, i, -i, -i);
        p.fillRect(QRect(q.left(), q.top(), q.width(), 1), topLeft);
        p.fillRect(QRect(q.left(), q.top(), 1, q.height()), topLeft);
        p.fillRect(QRect(q.left() + 1, q.bottom(), q.width() - 1, 1), bottomRight);
        p.fillRect(QRect(q.right(), q.top() + 1, 1, q.height() - 1), bottomRight);
    }
    p.restore();
}

void DrawGameButton(QPainter& p, const QRect& r, const QColor& base, const QString& caption,
                    int fontPx, const QColor& textColour) {
    p.save();
    Smooth(p);
    p.fillRect(r, base.darker(320));
    const QRect inner = r.adjusted(1, 1, -1, -1);
    QLinearGradient gloss(inner.topLeft(), inner.bottomLeft());
    gloss.setColorAt(0.0, base.lighter(175));
    gloss.setColorAt(0.45, base.lighter(118));
    gloss.setColorAt(0.55, base);
    gloss.setColorAt(1.0, base.darker(165));
    p.fillRect(inner, gloss);
    DrawBevel(p, inner, 2, base.lighter(210), base.darker(230), false);

    // Chevrons at both ends, like the stencils on a hangar door.
    const bool chevrons = r.width() > 100;
    const qreal s = r.height() * 0.2;
    if (chevrons) {
        const qreal cy = r.center().y() + 0.5;
        for (int side = 0; side < 2; ++side) {
            const qreal x = side == 0 ? r.left() + 12 : r.right() - 12;
            const qreal dir = side == 0 ? 1 : -1;
            QPainterPath arrow;
            arrow.moveTo(x, cy - s);
            arrow.lineTo(x + dir * s * 1.1, cy);
            arrow.lineTo(x, cy + s);
            arrow.closeSubpath();
            p.fillPath(arrow, base.darker(260));
            p.strokePath(arrow, QPen(base.lighter(160), 1));
        }
    }
    // Room between the chevrons (or the bevels), less a small gap, the rim and the shadow.
    const qreal ends = chevrons ? 12 + s * 1.1 + 3 : 6;
    const QFont font = FittedFont(caption, fontPx, r.width() - 2 * ends - (2 * 2.0 + 0.6) - 1.5);
    const QPointF centre(r.center().x() + 0.5, r.center().y() + 0.5);
    DrawCaption(p, caption, font, centre + QPointF(1.5, 1.5), QColor(0, 0, 0, 140),
                QColor(0, 0, 0, 140), 2.0, 0.6);
    DrawCaption(p, caption, font, centre, textColour, base.darker(400), 2.0, 0.6);
    p.restore();
}

void DrawRivet(QPainter& p, QPointF at, qreal radius, const QColor& metal) {
    QRadialGradient g(at - QPointF(radius * 0.35, radius * 0.35), radius * 1.4);
    g.setColorAt(0.0, metal.lighter(190));
    g.setColorAt(0.5, metal);
    g.setColorAt(1.0, metal.darker(260));
    p.save();
    p.setPen(QPen(metal.darker(320), 0.8));
    p.setBrush(g);
    p.drawEllipse(at, radius, radius);
    p.restore();
}

std::uint32_t Hash(int x, int y, std::uint32_t seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                      static_cast<std::uint32_t>(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

double HashUnit(int x, int y, std::uint32_t seed) {
    return (Hash(x, y, seed) & 0xFFFFFF) / double(0x1000000);
}

double ValueNoise(double x, double y, std::uint32_t seed) {
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    const double tx = x - fx, ty = y - fy;
    const double sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
    const double a = HashUnit(ix, iy, seed), b = HashUnit(ix + 1, iy, seed);
    const double c = HashUnit(ix, iy + 1, seed), d = HashUnit(ix + 1, iy + 1, seed);
    return (a + (b - a) * sx) + ((c + (d - c) * sx) - (a + (b - a) * sx)) * sy;
}

double Fractal(double x, double y, std::uint32_t seed, int octaves) {
    double sum = 0, amplitude = 0.5, total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amplitude * ValueNoise(x, y, seed + 977u * o);
        total += amplitude;
        x *= 2.03;
        y *= 2.03;
        amplitude *= 0.5;
    }
    return sum / total;
}

std::uint32_t Dice::Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

QColor Mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

void AddGrain(QImage& image, const QRect& area, int amount, std::uint32_t seed) {
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = r.left(); x <= r.right(); ++x) {
            const int d = static_cast<int>((HashUnit(x, y, seed) - 0.5) * 2 * amount);
            const QRgb c = line[x];
            line[x] = qRgba(std::clamp(qRed(c) + d, 0, 255), std::clamp(qGreen(c) + d, 0, 255),
                            std::clamp(qBlue(c) + d, 0, 255), qAlpha(c));
        }
    }
}

namespace {

// Maps a design box onto the target box; vehicles are drawn in design units.
void EnterDesign(QPainter& p, const QRectF& box, qreal designW, qreal designH) {
    p.translate(box.topLeft());
    p.scale(box.width() / designW, box.height() / designH);
}

QPen RimPen(const QColor& rim) {
    if (rim.alpha() == 0) return Qt::NoPen;
    QPen pen(rim, 1.0);
    pen.setCosmetic(true);  // one device pixel whatever the size of the vehicle
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

}  // namespace

void DrawTank(QPainter& p, const QRectF& box, const QColor& body, const QColor& rim) {
    p.save();
    EnterDesign(p, box, 100, 60);
    const bool silhouette = rim.alpha() == 0;
    const QColor track = silhouette ? body : QColor(58, 56, 50);
    const QColor wheel = silhouette ? body : QColor(128, 126, 112);
    p.setPen(RimPen(rim));

    // Gun first so the turret covers its root.
    p.setBrush(silhouette ? body : body.darker(125));
    p.drawRect(QRectF(60, 15, 36, 5));
    p.drawRect(QRectF(93, 13, 6, 9));
    // Turret.
    QPainterPath turret;
    turret.moveTo(28, 29);
    turret.lineTo(33, 15);
    turret.lineTo(40, 10);
    turret.lineTo(61, 10);
    turret.lineTo(69, 17);
    turret.lineTo(72, 29);
    turret.closeSubpath();
    p.setBrush(silhouette ? body : body.lighter(112));
    p.drawPath(turret);
    p.drawRect(QRectF(42, 5, 11, 6));  // commander's hatch
    // Hull.
    QPolygonF hull;
    hull << QPointF(2, 41) << QPointF(10, 28) << QPointF(91, 28) << QPointF(98, 41);
    p.setBrush(body);
    p.drawPolygon(hull);
    // Tracks and road wheels.
    p.setBrush(track);
    p.drawRoundedRect(QRectF(5, 38, 90, 20), 10, 10);
    p.setBrush(wheel);
    for (int i = 0; i < 6; ++i) p.drawEllipse(QPointF(16 + i * 13.6, 48), 5.5, 5.5);
    if (!silhouette) {
        // A highlight along the hull top reads as sunlight even at 30 pixels.
        p.setPen(Qt::NoPen);
        p.setBrush(body.lighter(150));
        p.drawRect(QRectF(11, 29, 79, 3));
        p.drawRect(QRectF(36, 12, 24, 3));
    }
    p.restore();
}

void DrawCommandTruck(QPainter& p, const QRectF& box, const QColor& body, const QColor& rim) {
    p.save();
    EnterDesign(p, box, 100, 64);
    const bool silhouette = rim.alpha() == 0;
    p.setPen(RimPen(rim));

    // The antenna mast tells a command vehicle from a supply truck. Light grey
    // with a dark rim: it has to show on blue sprite keys, pale tiles and dark panels.
    const auto mast = [&](const QColor& c, qreal w) {
        QPen pen(c, w);
        pen.setCapStyle(Qt::RoundCap);
        p.save();
        p.setPen(pen);
        p.drawLine(QPointF(15, 23), QPointF(9, 4));
        p.drawLine(QPointF(30, 23), QPointF(34, 12));
        p.restore();
    };
    if (silhouette) {
        mast(body, 4.0);
    } else {
        mast(rim, 7.0);
        mast(QColor(176, 176, 164), 3.5);
    }
    p.setBrush(silhouette ? body : QColor(235, 40, 30));
    p.drawEllipse(QPointF(9, 4), 4, 4);
    p.setBrush(silhouette ? body : body.lighter(140));
    p.drawEllipse(QRectF(28, 6, 12, 7));  // dish
    // Shelter box.
    p.setBrush(body);
    p.drawRect(QRectF(3, 22, 59, 27));
    // Cab.
    QPainterPath cab;
    cab.moveTo(62, 29);
    cab.lineTo(80, 29);
    cab.lineTo(92, 40);
    cab.lineTo(97, 41);
    cab.lineTo(97, 50);
    cab.lineTo(62, 50);
    cab.closeSubpath();
    p.setBrush(body.darker(110));
    p.drawPath(cab);
    if (!silhouette) {
        QPolygonF window;
        window << QPointF(66, 32) << QPointF(79, 32) << QPointF(88, 40) << QPointF(66, 40);
        p.setBrush(QColor(170, 215, 235));
        p.drawPolygon(window);
        p.setPen(Qt::NoPen);
        p.setBrush(body.lighter(150));
        p.drawRect(QRectF(5, 24, 55, 3));
        p.setBrush(QColor(250, 230, 80));
        p.drawRect(QRectF(10, 31, 18, 6));  // the command stripe
        p.setPen(RimPen(rim));
    }
    // Chassis and wheels.
    p.setBrush(silhouette ? body : QColor(50, 48, 44));
    p.drawRect(QRectF(1, 48, 97, 5));
    for (const qreal x : {18.0, 39.0, 81.0}) {
        p.setBrush(silhouette ? body : QColor(40, 40, 38));
        p.drawEllipse(QPointF(x, 54), 8.5, 8.5);
        if (!silhouette) {
            p.setBrush(QColor(150, 150, 140));
            p.drawEllipse(QPointF(x, 54), 3.5, 3.5);
        }
    }
    p.restore();
}

void DrawExplosion(QPainter& p, QPointF centre, qreal radius, std::uint32_t seed) {
    Dice dice(seed);
    const auto star = [&](qreal outer, qreal inner, int spikes) {
        QPolygonF poly;
        const double turn = dice.Unit() * std::numbers::pi;
        for (int i = 0; i < spikes * 2; ++i) {
            const double a = turn + i * std::numbers::pi / spikes;
            const qreal r =
                (i % 2 == 0) ? outer * dice.Range(0.78, 1.0) : inner * dice.Range(0.8, 1.0);
            poly << centre + QPointF(std::cos(a) * r, std::sin(a) * r);
        }
        return poly;
    };
    p.save();
    QRadialGradient fire(centre, radius);
    fire.setColorAt(0.0, QColor(255, 255, 225));
    fire.setColorAt(0.3, QColor(255, 232, 80));
    fire.setColorAt(0.65, QColor(255, 140, 20));
    fire.setColorAt(1.0, QColor(205, 40, 10));
    QPen rim(QColor(110, 20, 0), 1.0);
    rim.setCosmetic(true);
    p.setPen(rim);
    p.setBrush(fire);
    p.drawPolygon(star(radius, radius * 0.55, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 245, 150));
    p.drawPolygon(star(radius * 0.5, radius * 0.28, 7));
    p.restore();
}

}  // namespace orv::assetgen
