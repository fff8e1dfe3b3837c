// The three opponents: one stylised girl, three hair styles and uniforms, and
// the three faces the battle screen flips between (normal, angry, smiling).
#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

#include "Art.h"
#include "ArtKit.h"

namespace orv::assetgen {
namespace {

enum class HairStyle { Long, TwinTails, Bob };

struct Look {
    HairStyle style;
    QColor hair;
    QColor eye;
    QColor uniform;
    QColor trim;
    QColor tie;
    QColor backTop;
    QColor backBottom;
};

const Look& LookOf(int chara) {
    static const Look looks[3] = {
        {HairStyle::Long, QColor(128, 74, 42), QColor(46, 140, 80), QColor(92, 108, 58),
         QColor(226, 190, 70), QColor(190, 36, 36), QColor(96, 136, 178), QColor(22, 34, 58)},
        {HairStyle::TwinTails, QColor(246, 206, 96), QColor(40, 112, 210), QColor(38, 52, 112),
         QColor(236, 200, 80), QColor(210, 40, 60), QColor(196, 140, 80), QColor(60, 30, 18)},
        {HairStyle::Bob, QColor(40, 36, 48), QColor(130, 64, 186), QColor(150, 28, 40),
         QColor(210, 210, 220), QColor(28, 28, 34), QColor(52, 128, 120), QColor(10, 36, 40)},
    };
    return looks[(chara % 3 + 3) % 3];
}

const QColor kSkin(255, 228, 206);
const QColor kSkinShade(238, 190, 166);
const QColor kLine(70, 36, 30);

constexpr qreal kMid = kGirlWidth / 2.0;  // the face is symmetric about this line

QPen Stroke(const QColor& c, qreal w) {
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPainterPath Mirror(const QPainterPath& path) {
    QTransform flip;
    flip.translate(kGirlWidth, 0);
    flip.scale(-1, 1);
    return flip.map(path);
}

QBrush HairBrush(const Look& look, qreal top, qreal bottom) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0.0, look.hair.lighter(125));
    g.setColorAt(0.5, look.hair);
    g.setColorAt(1.0, look.hair.darker(140));
    return g;
}

void DrawBackHair(QPainter& p, const Look& look) {
    QPainterPath back;
    switch (look.style) {
        case HairStyle::Long:
            back.moveTo(kMid, 52);
            back.cubicTo(20, 52, 30, 200, 26, 330);
            back.quadTo(60, 345, 80, 320);
            back.lineTo(135, 320);
            back.quadTo(155, 345, 189, 330);
            back.cubicTo(185, 200, 195, 52, kMid, 52);
            break;
        case HairStyle::TwinTails:
        case HairStyle::Bob:
            back.moveTo(kMid, 52);
            back.cubicTo(36, 52, 34, 180, 40, 246);
            back.quadTo(kMid, 262, 175, 246);
            back.cubicTo(181, 180, 179, 52, kMid, 52);
            break;
    }
    p.setPen(Stroke(look.hair.darker(200), 1.5));
    p.setBrush(HairBrush(look, 52, 330));
    p.drawPath(back);
}

void DrawTwinTail(QPainter& p, const Look& look, bool right) {
    QPainterPath tail;
    tail.moveTo(54, 96);
    tail.cubicTo(6, 120, 0, 220, 22, 300);
    tail.cubicTo(30, 340, 20, 380, 34, 410);
    tail.cubicTo(36, 370, 52, 330, 46, 280);
    tail.cubicTo(40, 220, 40, 150, 62, 116);
    tail.closeSubpath();
    if (right) tail = Mirror(tail);
    p.setPen(Stroke(look.hair.darker(200), 1.5));
    p.setBrush(HairBrush(look, 96, 410));
    p.drawPath(tail);
    // A couple of strand lines so the tail does not read as a flat blob.
    QPainterPath strands;
    strands.moveTo(40, 130);
    strands.cubicTo(18, 200, 24, 260, 32, 320);
    if (right) strands = Mirror(strands);
    p.strokePath(strands, Stroke(look.hair.darker(150), 1.2));
    // Ribbon where the tail is tied.
    const QPointF knot = right ? QPointF(kGirlWidth - 56, 100) : QPointF(56, 100);
    p.setPen(Stroke(look.tie.darker(180), 1.2));
    p.setBrush(look.tie);
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath loop;
        loop.moveTo(knot);
        loop.lineTo(knot + QPointF(side * 16, -12));
        loop.lineTo(knot + QPointF(side * 16, 10));
        loop.closeSubpath();
        p.drawPath(loop);
    }
    p.drawEllipse(knot, 5, 5);
}

void DrawBody(QPainter& p, const Look& look, int chara) {
    // Neck with a little shadow under the chin.
    p.setPen(Qt::NoPen);
    p.setBrush(kSkinShade);
    p.drawRect(QRectF(kMid - 15, 210, 30, 56));

    QPainterPath torso;
    torso.moveTo(0, kGirlHeight);
    torso.lineTo(0, 322);
    torso.cubicTo(4, 282, 40, 262, 82, 256);
    torso.lineTo(133, 256);
    torso.cubicTo(175, 262, 211, 282, 215, 322);
    torso.lineTo(215, kGirlHeight);
    torso.closeSubpath();
    QLinearGradient cloth(0, 256, 0, kGirlHeight);
    cloth.setColorAt(0.0, look.uniform.lighter(125));
    cloth.setColorAt(1.0, look.uniform.darker(135));
    p.setPen(Stroke(look.uniform.darker(250), 2));
    p.setBrush(cloth);
    p.drawPath(torso);

    // Sleeve seams: without them the jacket reads as a box.
    QPainterPath seam;
    seam.moveTo(44, 290);
    seam.cubicTo(36, 330, 34, 390, 40, kGirlHeight);
    p.strokePath(seam, Stroke(look.uniform.darker(190), 2));
    p.strokePath(Mirror(seam), Stroke(look.uniform.darker(190), 2));

    // Shirt in the collar opening and the tie.
    QPolygonF shirt;
    shirt << QPointF(88, 256) << QPointF(127, 256) << QPointF(kMid, 338);
    p.setPen(Stroke(QColor(150, 150, 160), 1.2));
    p.setBrush(QColor(246, 246, 250));
    p.drawPolygon(shirt);
    p.setPen(Stroke(look.tie.darker(220), 1.2));
    p.setBrush(look.tie);
    QPolygonF knot;
    knot << QPointF(100, 260) << QPointF(115, 260) << QPointF(112, 274) << QPointF(103, 274);
    p.drawPolygon(knot);
    QPolygonF blade;
    blade << QPointF(103, 274) << QPointF(112, 274) << QPointF(117, 318) << QPointF(kMid, 332)
          << QPointF(98, 318);
    p.drawPolygon(blade);

    // Lapels.
    QPainterPath lapel;
    lapel.moveTo(84, 255);
    lapel.lineTo(64, 268);
    lapel.lineTo(86, 300);
    lapel.lineTo(78, 308);
    lapel.lineTo(kMid, 352);
    lapel.lineTo(94, 290);
    lapel.closeSubpath();
    p.setPen(Stroke(look.uniform.darker(260), 1.5));
    p.setBrush(look.uniform.darker(115));
    p.drawPath(lapel);
    p.drawPath(Mirror(lapel));

    // Epaulettes, buttons, pockets and a badge: enough to say "uniform".
    p.setBrush(look.trim);
    p.setPen(Stroke(look.trim.darker(220), 1.2));
    p.save();
    p.translate(38, 277);
    p.rotate(-22);
    p.drawRoundedRect(QRectF(-22, -6, 44, 12), 4, 4);
    p.restore();
    p.save();
    p.translate(kGirlWidth - 38, 277);
    p.rotate(22);
    p.drawRoundedRect(QRectF(-22, -6, 44, 12), 4, 4);
    p.restore();
    for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(kMid, 372 + i * 28), 4.5, 4.5);
    p.setPen(Stroke(look.uniform.darker(230), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(30, 372, 46, 40));
    p.drawRect(QRectF(kGirlWidth - 76, 372, 46, 40));
    p.setBrush(look.uniform.darker(110));
    p.drawRect(QRectF(28, 366, 50, 12));
    p.drawRect(QRectF(kGirlWidth - 78, 366, 50, 12));

    // Rank badge: a star for the leader, chevrons for the others.
    p.setPen(Stroke(look.trim.darker(230), 1.0));
    p.setBrush(look.trim);
    const QPointF badge(152, 330);
    if (chara == 0) {
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
            const double r = i % 2 ? 5.0 : 12.0;
            star << badge + QPointF(std::cos(a) * r, std::sin(a) * r);
        }
        p.drawPolygon(star);
    } else {
        for (int i = 0; i < chara + 1; ++i) {
            QPolygonF chevron;
            const qreal y = badge.y() - 8 + i * 8;
            chevron << QPointF(badge.x() - 12, y) << QPointF(badge.x(), y + 7)
                    << QPointF(badge.x() + 12, y) << QPointF(badge.x() + 12, y + 4)
                    << QPointF(badge.x(), y + 11) << QPointF(badge.x() - 12, y + 4);
            p.drawPolygon(chevron);
        }
    }
}

void DrawFace(QPainter& p) {
    QPainterPath face;
    face.moveTo(58, 140);
    face.cubicTo(58, 186, 80, 222, kMid, 234);
    face.cubicTo(135, 222, 157, 186, 157, 140);
    face.cubicTo(157, 78, 58, 78, 58, 140);
    p.setPen(Qt::NoPen);
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(57, 168), 8, 14);
    p.drawEllipse(QPointF(158, 168), 8, 14);
    p.setPen(Stroke(kLine, 1.6));
    p.drawPath(face);
}

// One eye; centre x cx, facing the middle (inner corner towards kMid).
void DrawEye(QPainter& p, const Look& look, qreal cx, Mood mood) {
    const qreal cy = 176;
    const qreal inner = cx < kMid ? 1 : -1;  // direction of the inner corner
    if (mood == Mood::Smiling) {
        // Closed happy eyes: an upturned arc and a lash flick.
        QPainterPath arc;
        arc.moveTo(cx - 13, cy + 4);
        arc.quadTo(cx, cy - 14, cx + 13, cy + 4);
        p.strokePath(arc, Stroke(kLine, 4));
        return;
    }
    const QRectF white(cx - 13, cy - 15, 26, 30);
    QPainterPath eyeShape;
    eyeShape.addEllipse(white);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(eyeShape);
    p.setClipPath(eyeShape);
    QLinearGradient iris(0, cy - 14, 0, cy + 14);
    iris.setColorAt(0.0, look.eye.darker(220));
    iris.setColorAt(0.6, look.eye);
    iris.setColorAt(1.0, look.eye.lighter(150));
    p.setBrush(iris);
    const qreal irisW = mood == Mood::Angry ? 16 : 20;
    p.drawEllipse(QRectF(cx - irisW / 2 + inner * 1.5, cy - 12, irisW, 27));
    p.setBrush(QColor(20, 14, 24));
    const qreal pupilW = mood == Mood::Angry ? 5 : 9;
    p.drawEllipse(QRectF(cx - pupilW / 2 + inner * 1.5, cy - 5, pupilW, 13));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(cx - 7 + inner * 1.5, cy - 9, 7, 8));
    p.drawEllipse(QRectF(cx + 2 + inner * 1.5, cy + 6, 3.5, 3.5));
    if (mood == Mood::Angry) {
        // Lowered lid, slanting down towards the nose: a glare.
        QPainterPath lid;
        lid.moveTo(cx - 16, cy - 20);
        lid.lineTo(cx + 16, cy - 20);
        lid.lineTo(cx + 16, cy - 2 + inner * 8);
        lid.lineTo(cx - 16, cy - 2 - inner * 8);
        lid.closeSubpath();
        p.setBrush(kSkin);
        p.drawPath(lid);
    }
    p.restore();
    // Lashes.
    QPainterPath upper;
    if (mood == Mood::Angry) {
        upper.moveTo(cx - 14, cy - 2 - inner * 7.5);
        upper.lineTo(cx + 14, cy - 2 + inner * 7.5);
    } else {
        upper.moveTo(cx - 14, cy - 6);
        upper.quadTo(cx, cy - 21, cx + 14, cy - 6);
        // A flick at the outer corner.
        const qreal outer = -inner;
        upper.moveTo(cx + outer * 12, cy - 10);
        upper.lineTo(cx + outer * 17, cy - 14);
    }
    p.strokePath(upper, Stroke(kLine, 3.5));
    QPainterPath lower;
    lower.moveTo(cx - 8, cy + 15);
    lower.quadTo(cx, cy + 17, cx + 8, cy + 15);
    p.strokePath(lower, Stroke(kLine.lighter(160), 1.2));
}

void DrawBrows(QPainter& p, const Look& look, Mood mood) {
    const QColor brow = look.hair.darker(170);
    QPainterPath left;
    switch (mood) {
        case Mood::Normal:
            left.moveTo(70, 150);
            left.quadTo(83, 143, 97, 148);
            break;
        case Mood::Angry:
            left.moveTo(68, 142);
            left.lineTo(99, 157);  // inner ends pulled down: a frown
            break;
        case Mood::Smiling:
            left.moveTo(70, 146);
            left.quadTo(83, 137, 97, 142);
            break;
    }
    const qreal width = mood == Mood::Angry ? 4.5 : 3.0;
    p.strokePath(left, Stroke(brow, width));
    p.strokePath(Mirror(left), Stroke(brow, width));
}

void DrawMouth(QPainter& p, Mood mood) {
    const QColor inside(136, 28, 40);
    const QColor tongue(240, 120, 130);
    switch (mood) {
        case Mood::Normal: {
            QPainterPath smile;
            smile.moveTo(kMid - 9, 210);
            smile.quadTo(kMid, 216, kMid + 9, 210);
            p.strokePath(smile, Stroke(kLine, 2.2));
            break;
        }
        case Mood::Angry: {
            // Shouting: an open, squarish mouth showing the upper teeth.
            QPainterPath mouth;
            mouth.moveTo(kMid - 13, 204);
            mouth.quadTo(kMid, 198, kMid + 13, 204);
            mouth.quadTo(kMid + 12, 224, kMid, 225);
            mouth.quadTo(kMid - 12, 224, kMid - 13, 204);
            p.save();
            p.setPen(Qt::NoPen);
            p.setBrush(inside);
            p.drawPath(mouth);
            p.setClipPath(mouth);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(kMid - 14, 196, 28, 9));
            p.setBrush(tongue);
            p.drawEllipse(QPointF(kMid, 226), 8, 6);
            p.restore();
            p.strokePath(mouth, Stroke(kLine, 2));
            break;
        }
        case Mood::Smiling: {
            // Big open "D" smile.
            QPainterPath mouth;
            mouth.moveTo(kMid - 16, 203);
            mouth.quadTo(kMid, 207, kMid + 16, 203);
            mouth.quadTo(kMid + 14, 228, kMid, 229);
            mouth.quadTo(kMid - 14, 228, kMid - 16, 203);
            p.save();
            p.setPen(Qt::NoPen);
            p.setBrush(inside);
            p.drawPath(mouth);
            p.setClipPath(mouth);
            p.setBrush(tongue);
            p.drawEllipse(QPointF(kMid, 229), 11, 8);
            p.restore();
            p.strokePath(mouth, Stroke(kLine, 2));
            break;
        }
    }
}

void DrawCheeks(QPainter& p, Mood mood) {
    const QColor blush = mood == Mood::Angry     ? QColor(235, 40, 40, 150)
                         : mood == Mood::Smiling ? QColor(250, 110, 130, 120)
                                                 : QColor(250, 140, 150, 60);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(blush);
    p.drawEllipse(QPointF(76, 200), 12, 6);
    p.drawEllipse(QPointF(139, 200), 12, 6);
    if (mood == Mood::Angry) {
        // Hatching on the cheeks: flushed with rage.
        for (const qreal cx : {76.0, 139.0})
            for (int i = -1; i <= 1; ++i)
                p.strokePath(
                    [&] {
                        QPainterPath h;
                        h.moveTo(cx + i * 6 - 2, 204);
                        h.lineTo(cx + i * 6 + 3, 196);
                        return h;
                    }(),
                    Stroke(QColor(200, 30, 30), 1.5));
    }
    p.restore();
}

// The popping-vein mark of manga anger: four bent strokes round a centre.
void DrawAngerMark(QPainter& p, QPointF c) {
    QPainterPath mark;
    for (const int dx : {-1, 1})
        for (const int dy : {-1, 1}) {
            mark.moveTo(c + QPointF(dx * 4, dy * 15));
            mark.quadTo(c + QPointF(dx * 4, dy * 4), c + QPointF(dx * 15, dy * 4));
        }
    p.strokePath(mark, Stroke(Qt::white, 8));
    p.strokePath(mark, Stroke(QColor(220, 20, 30), 4));
}

void DrawSparkle(QPainter& p, QPointF c, qreal r) {
    QPainterPath star;
    star.moveTo(c + QPointF(0, -r));
    star.quadTo(c, c + QPointF(r, 0));
    star.quadTo(c, c + QPointF(0, r));
    star.quadTo(c, c + QPointF(-r, 0));
    star.quadTo(c, c + QPointF(0, -r));
    p.fillPath(star, QColor(255, 250, 190));
    p.strokePath(star, Stroke(QColor(230, 170, 40), 1));
}

void DrawBangs(QPainter& p, const Look& look) {
    // Dome over the skull, side locks by the cheeks, pointed strands over the brow.
    const qreal lockEnd = look.style == HairStyle::Long  ? 310
                          : look.style == HairStyle::Bob ? 238
                                                         : 250;
    QPainterPath hair;
    hair.moveTo(48, 170);
    hair.cubicTo(38, 24, 177, 24, 167, 170);
    hair.cubicTo(170, 210, 168, lockEnd - 40, 172, lockEnd);
    hair.quadTo(158, lockEnd - 30, 153, 176);
    // Strands, right to left: tips and the notches between them.
    const QPointF tips[] = {{150, 152}, {136, 145}, {121, 150}, {107, 144},
                            {93, 150},  {78, 145},  {64, 160}};
    const QPointF notches[] = {{145, 122}, {129, 118}, {114, 121},
                               {100, 118}, {86, 121},  {71, 126}};
    hair.quadTo(152, 140, tips[0].x(), tips[0].y());
    for (int i = 0; i < 6; ++i) {
        hair.quadTo(notches[i] + QPointF(2, 10), notches[i]);
        hair.quadTo(tips[i + 1] + QPointF(4, -12), tips[i + 1]);
    }
    hair.quadTo(60, 176, 62, 176);
    hair.quadTo(57, lockEnd - 30, 43, lockEnd);
    hair.cubicTo(47, lockEnd - 40, 45, 210, 48, 170);
    hair.closeSubpath();
    p.setPen(Stroke(look.hair.darker(210), 1.6));
    p.setBrush(HairBrush(look, 40, lockEnd));
    p.drawPath(hair);
    // Shine band.
    QPainterPath shine;
    shine.moveTo(70, 78);
    shine.quadTo(kMid, 58, 145, 78);
    p.strokePath(shine, Stroke(QColor(255, 255, 255, 90), 5));
}

void DrawHeadgear(QPainter& p, const Look& look, int chara) {
    if (chara == 0) {
        // Beret with a cap badge.
        p.save();
        p.translate(kMid + 6, 64);
        p.rotate(-8);
        p.setPen(Stroke(look.uniform.darker(260), 1.6));
        p.setBrush(look.uniform.darker(120));
        p.drawEllipse(QRectF(-68, -24, 136, 44));
        p.setBrush(look.trim);
        p.setPen(Stroke(look.trim.darker(230), 1));
        p.drawEllipse(QPointF(-26, 2), 8, 9);
        p.restore();
    } else if (chara == 2) {
        // Radio headset: band, ear cup and a boom microphone.
        p.setBrush(Qt::NoBrush);
        QPainterPath band;
        band.moveTo(50, 160);
        band.cubicTo(40, 40, 175, 40, 165, 160);
        p.strokePath(band, Stroke(QColor(40, 40, 44), 6));
        p.strokePath(band, Stroke(QColor(120, 120, 128), 2));
        p.setPen(Stroke(QColor(20, 20, 24), 1.5));
        p.setBrush(QColor(70, 70, 78));
        p.drawRoundedRect(QRectF(38, 150, 20, 34), 7, 7);
        QPainterPath boom;
        boom.moveTo(48, 182);
        boom.quadTo(56, 222, 88, 214);
        p.strokePath(boom, Stroke(QColor(40, 40, 44), 3));
        p.drawEllipse(QPointF(90, 213), 5, 4);
        // Hair clip.
        p.setBrush(look.trim);
        p.drawRoundedRect(QRectF(134, 104, 22, 7), 3, 3);
    }
}

void DrawBackdrop(QPainter& p, const Look& look, int chara) {
    QLinearGradient sky(0, 0, 0, kGirlHeight);
    sky.setColorAt(0.0, look.backTop);
    sky.setColorAt(1.0, look.backBottom);
    p.fillRect(QRectF(0, 0, kGirlWidth, kGirlHeight), sky);
    // Big faint emblem and speed lines behind the head.
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 26));
    for (int i = 0; i < 16; ++i) {
        QPainterPath ray;
        const double a0 = i * std::numbers::pi / 8 + chara * 0.2, a1 = a0 + std::numbers::pi / 18;
        ray.moveTo(kMid, 160);
        ray.lineTo(kMid + 400 * std::cos(a0), 160 + 400 * std::sin(a0));
        ray.lineTo(kMid + 400 * std::cos(a1), 160 + 400 * std::sin(a1));
        ray.closeSubpath();
        p.drawPath(ray);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 40), 6));
    p.drawEllipse(QPointF(kMid, 160), 96, 96);
    p.restore();
}

}  // namespace

void DrawGirl(QPainter& p, int chara, Mood mood) {
    const Look& look = LookOf(chara);
    p.save();
    Smooth(p);
    DrawBackHair(p, look);
    DrawBody(p, look, chara);
    DrawFace(p);
    DrawCheeks(p, mood);
    DrawEye(p, look, 84, mood);
    DrawEye(p, look, kGirlWidth - 84, mood);
    // Nose: just a soft tick.
    QPainterPath nose;
    nose.moveTo(kMid + 1, 190);
    nose.lineTo(kMid - 2, 196);
    p.strokePath(nose, Stroke(kSkinShade.darker(130), 1.5));
    DrawMouth(p, mood);
    DrawBangs(p, look);
    DrawBrows(p, look, mood);
    if (look.style == HairStyle::TwinTails) {
        DrawTwinTail(p, look, false);
        DrawTwinTail(p, look, true);
    }
    DrawHeadgear(p, look, chara);
    if (mood == Mood::Angry) DrawAngerMark(p, QPointF(166, 92));
    if (mood == Mood::Smiling) {
        DrawSparkle(p, QPointF(30, 70), 11);
        DrawSparkle(p, QPointF(188, 120), 8);
        DrawSparkle(p, QPointF(176, 52), 6);
    }
    p.restore();
}

QImage PaintPortraitStrip(QSize size, int chara) {
    QImage image = NewCanvas(size.width(), size.height());
    QPainter p(&image);
    Smooth(p);
    const qreal cellW = size.width() / 3.0;
    const Mood moods[3] = {Mood::Normal, Mood::Angry, Mood::Smiling};
    for (int cell = 0; cell < 3; ++cell) {
        p.save();
        p.setClipRect(QRectF(cell * cellW, 0, cellW, size.height()));
        p.translate(cell * cellW, 0);
        p.scale(cellW / kGirlWidth, size.height() / double(kGirlHeight));
        DrawBackdrop(p, LookOf(chara), chara);
        DrawGirl(p, chara, moods[cell]);
        p.restore();
    }
    return image;
}

}  // namespace orv::assetgen
