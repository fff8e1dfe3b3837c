// Bonus mode: the gallery menu, its thumbnail buttons and the pictures a player
// unlocks by beating the opponents. Cheerful, reward-like scenes built from the
// same girl and vehicles as the battle screen.
#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

#include "Art.h"
#include "ArtKit.h"

namespace orv::assetgen {
namespace {

// Bonus menu controls (pixels).
const QRect kThumbA(41, 90, 130, 98);
const QRect kThumbLocked(196, 90, 130, 98);
const QRect kThumbC(352, 90, 57, 98);
const QRect kExitButton(640, 528, 132, 44);

constexpr double kPi = std::numbers::pi;

void DrawGirlAt(QPainter& p, int chara, Mood mood, QPointF topLeft, qreal scale) {
    p.save();
    p.translate(topLeft);
    p.scale(scale, scale);
    DrawGirl(p, chara, mood);
    p.restore();
}

void DrawConfetti(QPainter& p, const QRectF& area, int count, std::uint32_t seed) {
    static const QColor colours[] = {QColor(250, 80, 90),   QColor(255, 210, 60),
                                     QColor(90, 200, 120),  QColor(80, 160, 250),
                                     QColor(240, 120, 220), QColor(255, 255, 255)};
    Dice dice(seed);
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        p.save();
        p.translate(dice.Range(area.left(), area.right()), dice.Range(area.top(), area.bottom()));
        p.rotate(dice.Range(0, 360));
        p.setBrush(colours[dice.Next() % 6]);
        p.drawRect(QRectF(-4, -2, dice.Range(6, 10), dice.Range(3, 5)));
        p.restore();
    }
    p.restore();
}

void DrawFirework(QPainter& p, QPointF centre, qreal radius, const QColor& colour,
                  std::uint32_t seed) {
    Dice dice(seed);
    p.save();
    QRadialGradient glow(centre, radius * 1.2);
    glow.setColorAt(0.0, QColor(colour.red(), colour.green(), colour.blue(), 90));
    glow.setColorAt(1.0, QColor(colour.red(), colour.green(), colour.blue(), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, radius * 1.2, radius * 1.2);
    const int rays = 28;
    for (int i = 0; i < rays; ++i) {
        const double a = i * 2 * kPi / rays + dice.Range(-0.05, 0.05);
        const qreal r = radius * dice.Range(0.75, 1.0);
        const QPointF tip = centre + QPointF(std::cos(a), std::sin(a)) * r;
        QLinearGradient trail(centre, tip);
        trail.setColorAt(0.0, QColor(colour.red(), colour.green(), colour.blue(), 0));
        trail.setColorAt(1.0, colour.lighter(130));
        p.setPen(QPen(QBrush(trail), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(centre + QPointF(std::cos(a), std::sin(a)) * r * 0.3, tip);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 230));
        p.drawEllipse(tip, 2.2, 2.2);
    }
    p.restore();
}

void DrawStars(QPainter& p, const QRectF& area, int count, std::uint32_t seed) {
    Dice dice(seed);
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        p.setBrush(QColor(255, 255, 240, int(dice.Range(80, 255))));
        const qreal r = dice.Range(0.6, 1.6);
        p.drawEllipse(
            QPointF(dice.Range(area.left(), area.right()), dice.Range(area.top(), area.bottom())),
            r, r);
    }
    p.restore();
}

// A ribbon banner with folded ends, the kind that says you won.
void DrawRibbon(QPainter& p, const QRectF& r, const QColor& colour, const QString& text,
                int fontPx) {
    const qreal tail = r.height() * 0.6;
    for (int side = 0; side < 2; ++side) {
        const qreal x = side == 0 ? r.left() : r.right();
        const qreal dir = side == 0 ? -1 : 1;
        QPolygonF end;
        end << QPointF(x - dir * tail * 0.4, r.top() + r.height() * 0.25)
            << QPointF(x + dir * tail, r.top() + r.height() * 0.25)
            << QPointF(x + dir * tail * 0.6, r.center().y() + r.height() * 0.25)
            << QPointF(x + dir * tail, r.bottom() + r.height() * 0.25)
            << QPointF(x - dir * tail * 0.4, r.bottom() + r.height() * 0.25);
        p.setPen(QPen(colour.darker(250), 2));
        p.setBrush(colour.darker(140));
        p.drawPolygon(end);
    }
    QLinearGradient g(0, r.top(), 0, r.bottom());
    g.setColorAt(0.0, colour.lighter(140));
    g.setColorAt(1.0, colour.darker(120));
    p.setPen(QPen(colour.darker(250), 2));
    p.setBrush(g);
    p.drawRect(r);
    // A letter's width clear of the ribbon's ends, or a long word looks squeezed in.
    DrawCaption(p, text, FittedFont(text, fontPx, r.width() - 40), r.center(),
                QColor(255, 255, 240), colour.darker(300), 2.5, 0.8);
}

QBrush GoldText(qreal top, qreal bottom) {
    QLinearGradient gold(0, top, 0, bottom);
    gold.setColorAt(0.0, QColor(255, 255, 220));
    gold.setColorAt(0.5, QColor(255, 210, 70));
    gold.setColorAt(1.0, QColor(240, 130, 30));
    return gold;
}

void DrawThumbFrame(QPainter& p, const QRect& r, const QColor& accent) {
    DrawBevel(p, r.adjusted(-5, -5, 5, 5), 2, accent.lighter(150), accent.darker(250), false);
    DrawBevel(p, r.adjusted(-3, -3, 3, 3), 2, QColor(0, 0, 0), accent.lighter(120), false);
}

QImage Thumbnail(const QImage& picture, QSize size, const QString& label) {
    QImage image = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    Smooth(p);
    const qreal h = size.height();
    p.fillRect(QRectF(0, h - 20, size.width(), 20), QColor(20, 0, 30, 190));
    DrawCaption(p, label, GameFont(15), QPointF(size.width() / 2.0, h - 10), QColor(255, 230, 120),
                QColor(0, 0, 0), 1.5, 0.4);
    DrawBevel(p, image.rect(), 2, QColor(255, 220, 255), QColor(60, 0, 60), false);
    return image;
}

}  // namespace

QImage PaintBonusMenu(QSize size, Words words) {
    QImage image = NewCanvas(size.width(), size.height());
    QPainter p(&image);
    Smooth(p);
    const qreal w = size.width(), h = size.height();
    QLinearGradient back(0, 0, 0, h);
    back.setColorAt(0.0, QColor(34, 12, 58));
    back.setColorAt(0.6, QColor(80, 30, 96));
    back.setColorAt(1.0, QColor(150, 60, 110));
    p.fillRect(image.rect(), back);
    DrawStars(p, QRectF(0, 0, w, h * 0.6), 90, 17);
    // Soft round lights, like a stage.
    Dice dice(23);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 16; ++i) {
        const QPointF c(dice.Range(0, w), dice.Range(h * 0.3, h));
        const qreal r = dice.Range(20, 60);
        QRadialGradient bokeh(c, r);
        bokeh.setColorAt(0.0, QColor(255, 200, 240, 60));
        bokeh.setColorAt(1.0, QColor(255, 200, 240, 0));
        p.setBrush(bokeh);
        p.drawEllipse(c, r, r);
    }

    const QString title = Say(words, "おまけモード", "BONUS MODE");
    DrawCaption(p, title, GameFont(46), QPointF(w / 2 + 3, 47), QColor(0, 0, 0, 140),
                QColor(0, 0, 0, 140), 4, 1.5);
    DrawCaption(p, title, GameFont(46), QPointF(w / 2, 44), GoldText(20, 70), QColor(90, 20, 80), 4,
                1.5);

    // Gallery row: A and C are buttons drawn by the game, B is still locked.
    DrawThumbFrame(p, kThumbA, QColor(160, 100, 170));
    DrawThumbFrame(p, kThumbLocked, QColor(160, 100, 170));
    DrawThumbFrame(p, kThumbC, QColor(160, 100, 170));
    p.fillRect(kThumbLocked, QColor(24, 10, 34));
    // Padlock on the locked slot.
    const QPointF lock(kThumbLocked.center().x() + 0.5, kThumbLocked.center().y() - 4);
    p.setPen(QPen(QColor(150, 140, 160), 5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(lock.x() - 12, lock.y() - 26, 24, 30), 0, 180 * 16);
    p.setPen(QPen(QColor(60, 50, 70), 1.5));
    p.setBrush(QColor(150, 140, 160));
    p.drawRoundedRect(QRectF(lock.x() - 17, lock.y() - 10, 34, 26), 4, 4);
    p.setBrush(QColor(40, 30, 50));
    p.drawEllipse(lock + QPointF(0, 2), 3.5, 3.5);
    DrawCaption(p, QStringLiteral("? ? ?"), GameFont(14),
                QPointF(lock.x(), kThumbLocked.bottom() - 10), QColor(150, 140, 160),
                QColor(0, 0, 0), 1);
    const struct {
        QRect slot;
        const char* label;
    } labels[] = {{kThumbA, "CG A"}, {kThumbLocked, "CG B"}, {kThumbC, "CG C"}};
    for (const auto& l : labels)
        DrawCaption(p, QString::fromUtf8(l.label), GameFont(16),
                    QPointF(l.slot.center().x() + 0.5, l.slot.bottom() + 22), QColor(255, 240, 250),
                    QColor(60, 0, 60), 2, 0.4);

    // Notice board.
    const QRectF board(40, 250, 370, 190);
    p.setPen(QPen(QColor(230, 170, 230), 2));
    p.setBrush(QColor(20, 6, 30, 180));
    p.drawRoundedRect(board, 14, 14);
    DrawCaption(p, Say(words, "CGギャラリー", "CG GALLERY"), GameFont(24),
                QPointF(board.center().x(), board.top() + 30),
                GoldText(board.top() + 18, board.top() + 44), QColor(60, 0, 60), 2.5, 0.6);
    const QString lines[] = {
        Say(words, "相手に勝つと新しいCGが", "Beat an opponent and a new picture"),
        Say(words, "ここに追加されます。", "is added here."),
        Say(words, "絵をクリックすると見られます。", "Click a picture to see it.")};
    for (int i = 0; i < 3; ++i) {
        const QFont font = FittedFont(lines[i], 18, board.width() - 2 * 24);
        const QPointF at(board.left() + 24, board.top() + 78 + i * 34);
        // Kana are all one height: the Japanese lines line up centred on their letters.
        DrawCaption(p, lines[i], font,
                    words == Words::English ? BaselineCentre(lines[i], font, at) : at,
                    QColor(255, 255, 255), QColor(40, 0, 40), 1.5, 0.2, true);
    }

    DrawGirlAt(p, 1, Mood::Smiling, QPointF(430, 190), 0.92);
    DrawBevel(p, kExitButton.adjusted(-3, -3, 3, 3), 2, QColor(40, 0, 40), QColor(230, 170, 230),
              false);
    return image;
}

QImage PaintBonusThumbA(QSize size, Words words) {
    return Thumbnail(PaintBonusA(QSize(800, 600), words), size, QStringLiteral("CG A"));
}

QImage PaintBonusThumbC(QSize size, Words words) {
    return Thumbnail(PaintBonusCTall(QSize(800, 1400), words), size, QStringLiteral("C"));
}

QImage PaintBonusExit(QSize size, Words words) {
    QImage image = NewCanvas(size.width(), size.height());
    QPainter p(&image);
    DrawGameButton(p, image.rect(), QColor(100, 30, 100), Say(words, "もどる", "BACK"), 20);
    return image;
}

QImage PaintBonusA(QSize size, Words words) {
    // Victory at sunset: the first opponent cheering beside our tanks.
    QImage image = NewCanvas(size.width(), size.height());
    QPainter p(&image);
    Smooth(p);
    const qreal w = size.width(), h = size.height();
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0.0, QColor(70, 120, 200));
    sky.setColorAt(0.55, QColor(250, 190, 140));
    sky.setColorAt(1.0, QColor(250, 140, 90));
    p.fillRect(image.rect(), sky);
    // Sun rays from behind the girl.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 220, 50));
    for (int i = 0; i < 18; ++i) {
        const double a0 = i * kPi / 9, a1 = a0 + kPi / 22;
        QPainterPath ray;
        ray.moveTo(600, 260);
        ray.lineTo(600 + 1000 * std::cos(a0), 260 + 1000 * std::sin(a0));
        ray.lineTo(600 + 1000 * std::cos(a1), 260 + 1000 * std::sin(a1));
        ray.closeSubpath();
        p.drawPath(ray);
    }
    // Green hill with two tanks flying flags.
    QPainterPath hill;
    hill.moveTo(0, h);
    hill.lineTo(0, 430);
    hill.cubicTo(200, 380, 420, 400, w, 450);
    hill.lineTo(w, h);
    hill.closeSubpath();
    QLinearGradient grass(0, 380, 0, h);
    grass.setColorAt(0.0, QColor(120, 190, 80));
    grass.setColorAt(1.0, QColor(50, 110, 40));
    p.fillPath(hill, grass);
    for (const QRectF box : {QRectF(40, 370, 170, 102), QRectF(230, 390, 130, 78)}) {
        DrawTank(p, box, QColor(176, 162, 96), QColor(30, 26, 16));
        const QPointF pole = box.topLeft() + QPointF(box.width() * 0.47, box.height() * 0.1);
        p.setPen(QPen(QColor(60, 50, 40), 2));
        p.drawLine(pole, pole - QPointF(0, box.height() * 0.7));
        QPolygonF flag;
        const QPointF top = pole - QPointF(0, box.height() * 0.7);
        flag << top << top + QPointF(box.width() * 0.3, box.height() * 0.1)
             << top + QPointF(0, box.height() * 0.22);
        p.setPen(QPen(QColor(120, 20, 20), 1));
        p.setBrush(QColor(230, 50, 50));
        p.drawPolygon(flag);
    }
    DrawConfetti(p, QRectF(0, 0, w, h), 140, 41);
    DrawGirlAt(p, 0, Mood::Smiling, QPointF(480, 60), 1.25);
    // Title text.
    DrawCaption(p, QStringLiteral("Stage Clear!"), GameFont(72), QPointF(250, 96),
                QColor(0, 0, 0, 120), QColor(0, 0, 0, 120), 5, 2);
    DrawCaption(p, QStringLiteral("Stage Clear!"), GameFont(72), QPointF(246, 90),
                GoldText(55, 125), QColor(120, 30, 10), 4.5, 2);
    DrawRibbon(p, QRectF(86, 150, 320, 50), QColor(220, 50, 80),
               Say(words, "おめでとう！", "CONGRATULATIONS!"), 30);
    return image;
}

QImage PaintBonusCTall(QSize size, Words words) {
    // A tall picture the viewer scrolls down: fireworks in the night sky, the
    // third opponent waving at dawn, and the whole column lined up below.
    QImage image = NewCanvas(size.width(), size.height());
    QPainter p(&image);
    Smooth(p);
    const qreal w = size.width(), h = size.height();
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0.0, QColor(8, 10, 36));
    sky.setColorAt(0.35, QColor(40, 30, 90));
    sky.setColorAt(0.55, QColor(230, 130, 120));
    sky.setColorAt(0.7, QColor(255, 210, 150));
    sky.setColorAt(1.0, QColor(255, 236, 200));
    p.fillRect(image.rect(), sky);
    DrawStars(p, QRectF(0, 0, w, h * 0.4), 220, 5);
    // Moon.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 220));
    p.drawEllipse(QPointF(660, 110), 46, 46);
    p.setBrush(QColor(8, 10, 36));
    p.drawEllipse(QPointF(682, 96), 44, 44);
    DrawFirework(p, QPointF(200, 180), 110, QColor(255, 110, 140), 1);
    DrawFirework(p, QPointF(520, 300), 90, QColor(120, 220, 255), 2);
    DrawFirework(p, QPointF(300, 430), 70, QColor(255, 220, 90), 3);
    DrawFirework(p, QPointF(640, 520), 60, QColor(160, 255, 140), 4);
    const QString cheer = Say(words, "おめでとう", "CONGRATULATIONS");
    // Whole in the viewer's last frame: the picture stops 53 pixels up, so
    // the window then shows its rows 53 to 653.
    DrawCaption(p, cheer, FittedFont(cheer, 64, w - 80), QPointF(w / 2, 588), GoldText(558, 618),
                QColor(90, 20, 60), 4, 1.5);
    // Soft clouds at dawn.
    Dice dice(9);
    for (int i = 0; i < 12; ++i) {
        const QPointF c(dice.Range(-40, w + 40), dice.Range(700, 860));
        p.setBrush(QColor(255, 240, 235, 150));
        for (int k = 0; k < 4; ++k) p.drawEllipse(c + QPointF(k * 28 - 42, (k % 2) * -12), 34, 22);
    }
    DrawGirlAt(p, 2, Mood::Smiling, QPointF(w / 2 - kGirlWidth * 0.75, 720), 1.5);
    // Hill and the column of vehicles.
    QPainterPath hill;
    hill.moveTo(0, h);
    hill.lineTo(0, 1210);
    hill.cubicTo(260, 1170, 540, 1180, w, 1220);
    hill.lineTo(w, h);
    hill.closeSubpath();
    QLinearGradient grass(0, 1170, 0, h);
    grass.setColorAt(0.0, QColor(110, 180, 80));
    grass.setColorAt(1.0, QColor(40, 96, 36));
    p.fillPath(hill, grass);
    for (int i = 0; i < 4; ++i)
        DrawTank(p, QRectF(30 + i * 190, 1250, 140, 84), QColor(176, 162, 96), QColor(30, 26, 16));
    for (int i = 0; i < 3; ++i)
        DrawCommandTruck(p, QRectF(110 + i * 220, 1310, 130, 83), QColor(112, 136, 80),
                         QColor(30, 26, 16));
    return image;
}

QImage PaintBonusCSecond(QSize size, Words words) {
    // Curtain call: all three opponents, friends again.
    QImage image = NewCanvas(size.width(), size.height());
    QPainter p(&image);
    Smooth(p);
    const qreal w = size.width(), h = size.height();
    QLinearGradient back(0, 0, 0, h);
    back.setColorAt(0.0, QColor(250, 200, 220));
    back.setColorAt(1.0, QColor(150, 200, 250));
    p.fillRect(image.rect(), back);
    // Polka dots for a festive wall.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 90));
    for (int y = 0; y < h; y += 40)
        for (int x = (y / 40) % 2 * 20; x < w; x += 40) p.drawEllipse(QPointF(x, y), 7, 7);
    DrawConfetti(p, QRectF(0, 0, w, h * 0.5), 90, 77);
    for (int i = 0; i < 3; ++i) DrawGirlAt(p, i, Mood::Smiling, QPointF(70 + i * 230, 190), 0.92);
    DrawCaption(p, QStringLiteral("ALL CLEAR!"), GameFont(80), QPointF(w / 2 + 4, 84),
                QColor(0, 0, 0, 110), QColor(0, 0, 0, 110), 5, 2);
    DrawCaption(p, QStringLiteral("ALL CLEAR!"), GameFont(80), QPointF(w / 2, 80),
                GoldText(45, 115), QColor(120, 30, 10), 4.5, 2);
    DrawRibbon(p, QRectF(w / 2 - 150, 140, 300, 46), QColor(60, 130, 220),
               Say(words, "ありがとう！", "THANK YOU!"), 28);
    return image;
}

}  // namespace orv::assetgen
