// Title screen: a dusk battlefield with the game's name, the panel that holds the
// start / bonus / quit buttons and the option check boxes, plus the buttons and
// the application icon.
#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

#include "Art.h"
#include "ArtKit.h"

namespace orv::assetgen {
namespace {

// Where the game puts its controls on the title screen (pixels).
const QRect kStartSlot(523, 183, 263, 54);
const QRect kBonusSlot(523, 413, 265, 44);
const QRect kQuitSlot(523, 551, 265, 44);
const QRect kOptionPanel(529, 466, 262, 76);
struct OptionLabel {
    QRect box;
    const char* text;
};
const OptionLabel kOptions[] = {
    {QRect(540, 475, 13, 13), "SE OFF"},
    {QRect(667, 477, 11, 10), "BGM OFF"},
    {QRect(541, 522, 13, 12), "SMOOTH SCROLL"},
};
const QColor kOptionBack(30, 36, 30);

void DrawSky(QPainter& p, const QRect& r, int horizon) {
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0.0, QColor(16, 20, 54));
    sky.setColorAt(0.45, QColor(72, 46, 96));
    sky.setColorAt(0.8, QColor(196, 92, 78));
    sky.setColorAt(1.0, QColor(250, 170, 80));
    p.fillRect(QRect(r.left(), r.top(), r.width(), horizon), sky);
    // A few early stars high up.
    Dice dice(77);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 60; ++i) {
        const QPointF at(dice.Range(0, r.width()), dice.Range(0, horizon * 0.4));
        p.setBrush(QColor(255, 255, 240, int(dice.Range(90, 230))));
        p.drawEllipse(at, 1.0, 1.0);
    }
    // Setting sun with a glow.
    QRadialGradient glow(QPointF(250, horizon), 260);
    glow.setColorAt(0.0, QColor(255, 230, 150, 200));
    glow.setColorAt(0.25, QColor(255, 170, 90, 90));
    glow.setColorAt(1.0, QColor(255, 120, 60, 0));
    p.fillRect(QRect(0, 0, r.width(), horizon), glow);
    p.setBrush(QColor(255, 226, 140));
    p.drawEllipse(QPointF(250, horizon - 6), 52, 52);
}

void DrawRidge(QPainter& p, int width, double base, double height, double scale, std::uint32_t seed,
               const QColor& colour) {
    QPainterPath ridge;
    ridge.moveTo(0, 600);
    for (int x = 0; x <= width; x += 4)
        ridge.lineTo(x, base - height * Fractal(x / scale, 0.5, seed, 4));
    ridge.lineTo(width, 600);
    ridge.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(ridge);
}

void DrawBeam(QPainter& p, QPointF from, double angleDeg, double spread) {
    const double a0 = (angleDeg - spread) * 3.14159265 / 180,
                 a1 = (angleDeg + spread) * 3.14159265 / 180;
    QPainterPath beam;
    beam.moveTo(from);
    beam.lineTo(from + QPointF(std::cos(a0), -std::sin(a0)) * 900);
    beam.lineTo(from + QPointF(std::cos(a1), -std::sin(a1)) * 900);
    beam.closeSubpath();
    QLinearGradient g(from, from + QPointF(std::cos(a0), -std::sin(a0)) * 600);
    g.setColorAt(0.0, QColor(255, 250, 220, 110));
    g.setColorAt(1.0, QColor(255, 250, 220, 0));
    p.fillPath(beam, g);
}

void DrawScene(QPainter& p, QSize size) {
    const int horizon = 372;
    DrawSky(p, QRect(QPoint(0, 0), size), horizon);
    DrawBeam(p, QPointF(90, 430), 62, 3);
    DrawBeam(p, QPointF(430, 440), 118, 2.5);
    DrawRidge(p, size.width(), horizon + 4, 90, 170, 11, QColor(92, 58, 92));
    DrawRidge(p, size.width(), horizon + 24, 60, 90, 23, QColor(58, 40, 62));
    // Plain in the foreground, dark and grainy.
    QLinearGradient ground(0, horizon + 10, 0, size.height());
    ground.setColorAt(0.0, QColor(70, 58, 44));
    ground.setColorAt(1.0, QColor(22, 20, 16));
    p.fillRect(QRect(0, horizon + 20, size.width(), size.height() - horizon - 20), ground);
    DrawRidge(p, size.width(), horizon + 40, 22, 60, 31, QColor(54, 44, 36));

    // Vehicles in silhouette, rim-lit by the sunset.
    const QColor shadow(16, 14, 18);
    const auto vehicle = [&](bool tank, QRectF box) {
        const QColor rim(255, 160, 80);
        if (tank)
            DrawTank(p, box.translated(-1.5, -1.5), rim, Qt::transparent);
        else
            DrawCommandTruck(p, box.translated(-1.5, -1.5), rim, Qt::transparent);
        if (tank)
            DrawTank(p, box, shadow, Qt::transparent);
        else
            DrawCommandTruck(p, box, shadow, Qt::transparent);
    };
    vehicle(false, QRectF(330, 392, 86, 55));
    vehicle(true, QRectF(200, 404, 100, 60));
    vehicle(true, QRectF(20, 430, 250, 150));
    // Dust kicked up behind the big tank.
    p.setPen(Qt::NoPen);
    Dice dice(5);
    for (int i = 0; i < 14; ++i) {
        p.setBrush(QColor(120, 96, 76, int(dice.Range(30, 70))));
        p.drawEllipse(QPointF(dice.Range(-20, 60), dice.Range(520, 585)), dice.Range(14, 30),
                      dice.Range(10, 20));
    }
}

void DrawTitleText(QPainter& p, Words words) {
    const QFont big = GameFont(118);
    const QPointF centre(400, 92);
    QLinearGradient gold(0, 40, 0, 140);
    gold.setColorAt(0.0, QColor(255, 250, 210));
    gold.setColorAt(0.45, QColor(250, 206, 90));
    gold.setColorAt(0.55, QColor(214, 140, 30));
    gold.setColorAt(1.0, QColor(255, 214, 120));
    DrawCaption(p, QStringLiteral("Orvalis"), big, centre + QPointF(5, 6), QColor(0, 0, 0, 150),
                QColor(0, 0, 0, 150), 5, 2);
    DrawCaption(p, QStringLiteral("Orvalis"), big, centre, gold, QColor(50, 20, 10), 4.5, 2);
    // Underline bar and subtitle.
    QLinearGradient bar(150, 0, 650, 0);
    bar.setColorAt(0.0, QColor(255, 200, 90, 0));
    bar.setColorAt(0.5, QColor(255, 200, 90, 220));
    bar.setColorAt(1.0, QColor(255, 200, 90, 0));
    p.fillRect(QRectF(150, 141, 500, 3), bar);
    const QString subtitle = Say(words, "― 指令車を撃破せよ ―", "― Destroy the Command Vehicles ―");
    // No wider than the bar above it.
    DrawCaption(p, subtitle, FittedFont(subtitle, 26, 490), QPointF(400, 161),
                QColor(255, 255, 255), QColor(30, 14, 30), 3, 0.8);
}

void DrawPanel(QPainter& p, Words words) {
    const QRect panel(508, 176, 290, 422);
    p.fillRect(panel, QColor(16, 22, 18, 215));
    DrawBevel(p, panel, 2, QColor(120, 130, 110), QColor(6, 8, 6), false);
    for (const QPointF at :
         {QPointF(515, 183), QPointF(791, 183), QPointF(515, 591), QPointF(791, 591)})
        DrawRivet(p, at, 3, QColor(120, 124, 110));

    // Sunken slots: the buttons sit in them, the bonus slot stays empty until unlocked.
    for (const QRect& slot : {kStartSlot, kBonusSlot, kQuitSlot})
        DrawBevel(p, slot.adjusted(-3, -3, 3, 3), 2, QColor(110, 118, 100), QColor(0, 0, 0), true);
    p.fillRect(kBonusSlot, QColor(24, 28, 26));
    DrawCaption(p, QStringLiteral("? ? ?"), GameFont(20),
                QPointF(kBonusSlot.center()) + QPointF(0.5, 0.5), QColor(84, 92, 80),
                QColor(0, 0, 0), 1);

    // Mission briefing between the start button and the bonus slot.
    const QRect brief(523, 250, 265, 150);
    p.fillRect(brief, QColor(8, 14, 10, 200));
    DrawBevel(p, brief, 1, QColor(80, 96, 70), QColor(0, 0, 0), true);
    DrawCaption(p, QStringLiteral("MISSION"), GameFont(15), QPointF(655, 264), QColor(250, 200, 80),
                QColor(0, 0, 0), 1.5, 0.4);
    // The rule that wins: two of either kind, whichever falls first.
    const QString order[] = {
        Say(words, "敵の指令車２台か", "Destroy 2 enemy command vehicles"),
        Say(words, "戦闘車２台を先に撃破せよ！", "or 2 combat vehicles to win!")};
    const QFont orderFit =
        std::min({FittedFont(order[0], 14, brief.width() - 16),
                  FittedFont(order[1], 14, brief.width() - 16)},
                 [](const QFont& a, const QFont& b) { return a.pixelSize() < b.pixelSize(); });
    for (int line = 0; line < 2; ++line)
        DrawCaption(p, order[line], orderFit, QPointF(655, 282 + line * 16), QColor(236, 240, 226),
                    QColor(0, 0, 0), 1.5);
    // Both counts in one size, the one that fits both between the icons and the panel's edge.
    const QString command = Say(words, "指令車 × 3", "Command vehicle × 3");
    const QString combat = Say(words, "戦闘車 × 4", "Combat vehicle × 4");
    const QFont commandFit = FittedFont(command, 18, brief.right() - 606 - 8);
    const QFont combatFit = FittedFont(combat, 18, brief.right() - 606 - 8);
    const QFont count = commandFit.pixelSize() <= combatFit.pixelSize() ? commandFit : combatFit;
    DrawCommandTruck(p, QRectF(540, 310, 52, 33), QColor(112, 136, 80), QColor(10, 10, 8));
    DrawCaption(p, command, count, QPointF(606, 328), QColor(255, 255, 255), QColor(0, 0, 0), 1.5,
                0.4, true);
    DrawTank(p, QRectF(540, 352, 52, 31), QColor(176, 162, 96), QColor(10, 10, 8));
    DrawCaption(p, combat, count, QPointF(606, 368), QColor(255, 255, 255), QColor(0, 0, 0), 1.5,
                0.4, true);

    // Option words to the right of the check boxes; the boxes' own squares stay plain.
    p.fillRect(kOptionPanel, kOptionBack);
    DrawBevel(p, kOptionPanel, 1, QColor(86, 100, 80), QColor(0, 0, 0), true);
    for (const OptionLabel& option : kOptions) {
        const QPointF at(option.box.right() + 6, option.box.center().y() + 0.5);
        DrawCaption(p, QString::fromUtf8(option.text), GameFont(14), at, QColor(240, 236, 200),
                    QColor(0, 0, 0), 1.2, 0.3, true);
    }
}

}  // namespace

QImage PaintTitle(QSize size, Words words) {
    QImage image = NewCanvas(size.width(), size.height());
    QPainter p(&image);
    Smooth(p);
    DrawScene(p, size);
    DrawTitleText(p, words);
    DrawPanel(p, words);
    // Where help is, on the scene's ground at the bottom left, clear of every control.
    DrawCaption(p, Say(words, "F1: 遊び方", "F1: How to play"), GameFont(14), QPointF(14, 586),
                QColor(240, 236, 200), QColor(0, 0, 0), 1.5, 0.3, true);
    return image;
}

QImage PaintStartButton(QSize size, Words words) {
    QImage image = NewCanvas(size.width(), size.height());
    QPainter p(&image);
    DrawGameButton(p, image.rect(), QColor(178, 42, 30), Say(words, "ゲームスタート", "GAME START"),
                   26, QColor(255, 246, 200));
    return image;
}

QImage PaintBonusButton(QSize size, Words words) {
    QImage image = NewCanvas(size.width(), size.height());
    QPainter p(&image);
    DrawGameButton(p, image.rect(), QColor(112, 60, 150), Say(words, "おまけモード", "BONUS MODE"),
                   21);
    return image;
}

QImage PaintQuitButton(QSize size, Words words) {
    QImage image = NewCanvas(size.width(), size.height());
    QPainter p(&image);
    DrawGameButton(p, image.rect(), QColor(70, 86, 104), Say(words, "ゲーム終了", "QUIT GAME"), 21);
    return image;
}

namespace {

// Round badge: gold ring, green field, our tank in the middle.
void DrawBadge(QPainter& p, QSize size) {
    Smooth(p);
    const qreal w = size.width(), h = size.height();
    QRadialGradient field(QPointF(w * 0.4, h * 0.35), w * 0.6);
    field.setColorAt(0.0, QColor(90, 130, 70));
    field.setColorAt(1.0, QColor(30, 56, 30));
    p.setPen(QPen(QColor(240, 190, 60), w / 16.0));
    p.setBrush(field);
    p.drawEllipse(QRectF(w * 0.05, h * 0.05, w * 0.9, h * 0.9));
    DrawTank(p, QRectF(w * 0.14, h * 0.3, w * 0.74, h * 0.44), QColor(200, 184, 110),
             QColor(10, 10, 8));
}

}  // namespace

QImage PaintAppIcon(QSize size) {
    QImage image = NewCanvas(size.width(), size.height());
    QPainter p(&image);
    p.fillRect(image.rect(), QColor(20, 24, 18));
    DrawBadge(p, size);
    return image;
}

QImage PaintDesktopIcon(QSize size) {
    // The desktop shows it on any background: only the badge is opaque.
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    DrawBadge(p, size);
    return image;
}

}  // namespace orv::assetgen
