// Battle screen: the frame around both fields, the portrait and the status
// panel, the little counters drawn on it, and the continue question.
#include <QLinearGradient>
#include <QRadialGradient>

#include "Art.h"
#include "ArtKit.h"

namespace orv::assetgen {
namespace {

// Where the game places its grids, labels and portrait (pixels).
const QRect kEnemyField(12, 11, 570, 274);
const QRect kOwnField(12, 318, 570, 274);
const QRect kMessageBar(32, 290, 528, 20);
const QRect kPortrait(594, 6, 215, 443);
const QRect kStatusPanel(603, 455, 203, 146);

const QColor kPlate(50, 56, 46);
const QColor kPlateLight(104, 114, 94);
const QColor kPlateDark(14, 16, 12);

void DrawFieldFrame(QPainter& p, const QRect& field, const QColor& accent) {
    DrawBevel(p, field.adjusted(-5, -5, 5, 5), 2, kPlateLight, kPlateDark, false);
    p.fillRect(field.adjusted(-3, -3, 3, 3), accent);
    DrawBevel(p, field.adjusted(-2, -2, 2, 2), 2, kPlateDark, kPlateLight, false);
    p.fillRect(field, Qt::black);
}

}  // namespace

QImage PaintBattleFrame(QSize size) {
    QImage image = NewCanvas(size.width(), size.height());
    {
        QPainter p(&image);
        QLinearGradient plate(0, 0, size.width(), size.height());
        plate.setColorAt(0.0, kPlate.lighter(110));
        plate.setColorAt(1.0, kPlate.darker(130));
        p.fillRect(image.rect(), plate);
    }
    AddGrain(image, image.rect(), 5, 91);
    QPainter p(&image);
    Smooth(p);
    // Plate seams and rivets: an armoured console.
    p.setPen(QPen(kPlateDark, 1));
    p.drawLine(QPointF(0, 303.5), QPointF(590, 303.5));
    p.drawLine(QPointF(589.5, 0), QPointF(589.5, size.height()));
    for (int x = 6; x < 590; x += 48) {
        DrawRivet(p, QPointF(x + 0.5, 2.5), 1.6, kPlateLight);
        DrawRivet(p, QPointF(x + 0.5, size.height() - 2.5), 1.6, kPlateLight);
    }
    p.setRenderHint(QPainter::Antialiasing, false);

    DrawFieldFrame(p, kEnemyField, QColor(150, 40, 30));
    DrawFieldFrame(p, kOwnField, QColor(40, 80, 160));

    // Message bar with lamps at both ends.
    DrawBevel(p, kMessageBar.adjusted(-2, -2, 2, 2), 2, kPlateDark, kPlateLight, false);
    p.fillRect(kMessageBar, kMessageBarColour);
    p.setRenderHint(QPainter::Antialiasing, true);
    for (const QPointF at : {QPointF(20, 300), QPointF(572, 300)}) {
        QRadialGradient lamp(at - QPointF(1.5, 1.5), 7);
        lamp.setColorAt(0.0, QColor(255, 240, 160));
        lamp.setColorAt(0.5, QColor(230, 160, 30));
        lamp.setColorAt(1.0, QColor(90, 50, 10));
        p.setPen(QPen(kPlateDark, 1));
        p.setBrush(lamp);
        p.drawEllipse(at, 6, 6);
    }
    p.setRenderHint(QPainter::Antialiasing, false);

    // Portrait window.
    DrawBevel(p, kPortrait.adjusted(-4, -4, 4, 4), 2, kPlateLight, kPlateDark, false);
    DrawBevel(p, kPortrait.adjusted(-2, -2, 2, 2), 2, kPlateDark, kPlateLight, false);
    p.fillRect(kPortrait, Qt::black);

    // Status panel: a little lighter, still dark enough for white and yellow words.
    DrawBevel(p, kStatusPanel.adjusted(-3, -3, 3, 3), 2, kPlateDark, kPlateLight, false);
    p.fillRect(kStatusPanel.adjusted(-1, -1, 1, 1), kPlateDark);
    p.fillRect(kStatusPanel, kStatusPanelColour);
    // Hazard stripes along the gap left of the status panel.
    p.setRenderHint(QPainter::Antialiasing, true);
    p.save();
    p.setClipRect(QRect(588, 456, 11, 144));
    for (int y = 440; y < 620; y += 12) {
        QPolygonF stripe;
        stripe << QPointF(588, y) << QPointF(599, y - 11) << QPointF(599, y - 5)
               << QPointF(588, y + 6);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(220, 176, 40));
        p.drawPolygon(stripe);
    }
    p.restore();
    return image;
}

QImage PaintMessageBarTrim(QSize size) {
    QImage image = NewCanvas(size.width(), size.height());
    QPainter p(&image);
    Smooth(p);
    const qreal w = size.width(), h = size.height();
    p.fillRect(image.rect(), kPlate.darker(150));
    QLinearGradient rail(0, 0, 0, h);
    rail.setColorAt(0.0, QColor(236, 206, 120));
    rail.setColorAt(0.5, QColor(170, 120, 40));
    rail.setColorAt(1.0, QColor(90, 60, 20));
    p.fillRect(QRectF(8, h * 0.3, w - 16, h * 0.4), rail);
    // Diamonds at the ends and the middle.
    for (const qreal x : {8.0, w / 2, w - 8}) {
        QPolygonF diamond;
        diamond << QPointF(x, 1) << QPointF(x + h / 2, h / 2) << QPointF(x, h - 1)
                << QPointF(x - h / 2, h / 2);
        p.setPen(QPen(QColor(60, 40, 10), 1));
        p.setBrush(rail);
        p.drawPolygon(diamond);
    }
    return image;
}

QImage PaintShotMark(QSize size, bool player) {
    QImage image = NewCanvas(size.width(), size.height());
    QPainter p(&image);
    Smooth(p);
    p.fillRect(image.rect(), kMessageBarColour);
    const qreal w = size.width(), h = size.height();
    const QColor body = player ? QColor(70, 140, 240) : QColor(230, 60, 50);
    // An upright shell: coloured warhead over a brass case.
    QPainterPath shell;
    shell.moveTo(w / 2, 1);
    shell.cubicTo(w * 0.75, h * 0.2, w * 0.72, h * 0.45, w * 0.7, h * 0.55);
    shell.lineTo(w * 0.3, h * 0.55);
    shell.cubicTo(w * 0.28, h * 0.45, w * 0.25, h * 0.2, w / 2, 1);
    QLinearGradient shine(0, 0, w, 0);
    shine.setColorAt(0.0, body.darker(150));
    shine.setColorAt(0.4, body.lighter(125));
    shine.setColorAt(1.0, body.darker(170));
    p.setPen(QPen(Qt::black, 0.8));
    p.setBrush(shine);
    p.drawPath(shell);
    QLinearGradient brass(0, 0, w, 0);
    brass.setColorAt(0.0, QColor(140, 100, 30));
    brass.setColorAt(0.4, QColor(250, 220, 120));
    brass.setColorAt(1.0, QColor(120, 80, 20));
    p.setBrush(brass);
    p.drawRect(QRectF(w * 0.3, h * 0.55, w * 0.4, h * 0.36));
    p.drawRect(QRectF(w * 0.24, h * 0.88, w * 0.52, h * 0.09));
    return image;
}

namespace {

// A status-panel vehicle icon: blue for the player, red for the computer;
// `aspect` is the vehicle's height to width.
template <typename DrawVehicle>
QImage PaintVehicleIcon(QSize size, bool player, qreal aspect, DrawVehicle draw) {
    QImage image = NewCanvas(size.width(), size.height());
    QPainter p(&image);
    Smooth(p);
    p.fillRect(image.rect(), kStatusPanelColour);
    const QColor body = player ? QColor(84, 138, 220) : QColor(214, 74, 60);
    const qreal w = size.width() - 2, h = size.height();
    draw(p, QRectF(1, h / 2 - w * aspect / 2, w, w * aspect), body);
    return image;
}

}  // namespace

QImage PaintCommandIcon(QSize size, bool player) {
    return PaintVehicleIcon(size, player, 0.64, [](QPainter& p, const QRectF& r, const QColor& c) {
        DrawCommandTruck(p, r, c, Qt::black);
    });
}

QImage PaintCombatIcon(QSize size, bool player) {
    return PaintVehicleIcon(size, player, 0.6, [](QPainter& p, const QRectF& r, const QColor& c) {
        DrawTank(p, r, c, Qt::black);
    });
}

QImage PaintContinueBanner(QSize size, Words words) {
    QImage image = NewCanvas(size.width(), size.height());
    QPainter p(&image);
    Smooth(p);
    const qreal w = size.width(), h = size.height();
    // Thin gold rules above and below the word, on the black continue screen.
    QLinearGradient rule(0, 0, w, 0);
    rule.setColorAt(0.0, QColor(255, 190, 60, 0));
    rule.setColorAt(0.5, QColor(255, 190, 60));
    rule.setColorAt(1.0, QColor(255, 190, 60, 0));
    p.fillRect(QRectF(0, 3, w, 2), rule);
    p.fillRect(QRectF(0, h - 5, w, 2), rule);
    QLinearGradient fill(0, h * 0.2, 0, h * 0.8);
    fill.setColorAt(0.0, QColor(255, 255, 230));
    fill.setColorAt(0.5, QColor(255, 210, 80));
    fill.setColorAt(1.0, QColor(240, 110, 30));
    const QString question = Say(words, "コンティニュー？", "CONTINUE?");
    DrawCaption(p, question, FittedFont(question, int(h * 0.5), w - 16), QPointF(w / 2, h / 2),
                fill, QColor(120, 10, 10), 2.5, 0.8);
    return image;
}

QImage PaintContinueYes(QSize size, Words words) {
    QImage image = NewCanvas(size.width(), size.height());
    QPainter p(&image);
    DrawGameButton(p, image.rect(), QColor(40, 120, 60), Say(words, "はい", "YES"),
                   size.height() / 2);
    return image;
}

QImage PaintContinueNo(QSize size, Words words) {
    QImage image = NewCanvas(size.width(), size.height());
    QPainter p(&image);
    DrawGameButton(p, image.rect(), QColor(150, 40, 40), Say(words, "いいえ", "NO"),
                   size.height() / 2);
    return image;
}

}  // namespace orv::assetgen
