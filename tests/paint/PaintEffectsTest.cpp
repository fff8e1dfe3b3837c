// The painter against small pictures drawn as character maps, so every
// expectation can be read pixel by pixel.
#include <QCoreApplication>
#include <QProcess>
#include <QtTest>
#include <climits>
#include <cstdint>
#include <cstdio>

#include "paint/PaintEffects.h"

using namespace orv;
using namespace orv::paint;

namespace {

constexpr Long kBlue = 0x00FF0000;  // 0x00BBGGRR: the sprites' transparent colour

QRgb colourOf(char c) {
    switch (c) {
        case 'b':
            return qRgb(0, 0, 255);
        case 'n':
            return qRgb(0, 0, 254);  // one step off the mask: must paint
        case '.':
            return qRgb(255, 255, 255);
        case 'K':
            return qRgb(0, 0, 0);
        case 'R':
            return qRgb(255, 0, 0);
        case 'G':
            return qRgb(128, 128, 128);
        case 'g':
            return qRgb(0, 128, 0);
        case 'y':
            return qRgb(255, 255, 0);
        case 'd':
            return qRgb(16, 0, 0);
        default:
            return qRgb(1, 2, 3);
    }
}

QImage art(const QStringList& rows, QImage::Format format = QImage::Format_RGB32) {
    QImage img(int(rows.first().size()), int(rows.size()), QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) img.setPixel(x, y, colourOf(rows[y][x].toLatin1()));
    return img.convertToFormat(format);
}

// Back to a map; an unknown colour or a pixel that is not opaque shows as '?'.
QStringList show(const QImage& img) {
    static const QString legend = "bn.KRGgyd";
    QStringList rows;
    for (int y = 0; y < img.height(); ++y) {
        QString row;
        for (int x = 0; x < img.width(); ++x) {
            const QRgb px = img.pixel(x, y);
            QChar c = '?';
            for (QChar l : legend)
                if (qAlpha(px) == 255 && colourOf(l.toLatin1()) == px) c = l;
            row += c;
        }
        rows << row;
    }
    return rows;
}

}  // namespace

class PaintEffectsTest : public QObject {
    Q_OBJECT

  private slots:
    void systemColoursAreTranslated() {
        QCOMPARE(TranslateColor(kSysButtonShadow), Rgb(128, 128, 128));
        QCOMPARE(TranslateColor(kSysButtonHighlight), Rgb(255, 255, 255));
        QCOMPARE(TranslateColor(static_cast<Long>(0x8000000Fu)), Rgb(192, 192, 192));
        QCOMPARE(TranslateColor(static_cast<Long>(0x80000005u)), Rgb(255, 255, 255));
        QCOMPARE(TranslateColor(static_cast<Long>(0x80000008u)), Rgb(0, 0, 0));
        for (std::uint32_t i = 0; i <= 0x18; ++i) {
            const Long c = TranslateColor(static_cast<Long>(0x80000000u | i));
            QVERIFY2(c >= 0 && c <= 0xFFFFFF, qPrintable(QString::number(i, 16)));
        }
        // Plain colours, including ones that look like a table index, pass as they are.
        QCOMPARE(TranslateColor(0x10), 0x10);
        QCOMPARE(TranslateColor(kBlue), kBlue);
        QCOMPARE(TranslateColor(0x00FFFFFF), 0x00FFFFFF);
    }

    void spriteOverTile() {
        QImage tile = art({"gggg", "gyyg", "gyyg", "gggg"});
        const QImage sprite = art({"bbbb", "bKnb", "b.Rb", "bbbb"});
        PaintTransparentPicture(sprite, tile, kBlue);
        QCOMPARE(show(tile), QStringList({"gggg", "gKng", "g.Rg", "gggg"}));
        QCOMPARE(tile.format(), QImage::Format_RGB32);

        // No blue at all: the sprite covers the tile.
        QImage covered = art({"ggg", "ggg"});
        PaintTransparentPicture(art({"KR.", "nyG"}), covered, kBlue);
        QCOMPARE(show(covered), QStringList({"KR.", "nyG"}));

        // Only blue: the tile, every pixel of it, stays as it was.
        QImage gradient(7, 5, QImage::Format_RGB32);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x) gradient.setPixel(x, y, qRgb(x * 30, y * 40, 99));
        const QImage before = gradient.copy();
        PaintTransparentPicture(art({"bbbbbbb", "bbbbbbb", "bbbbbbb", "bbbbbbb", "bbbbbbb"}),
                                gradient, kBlue);
        QCOMPARE(gradient, before);
    }

    void maskIgnoresAlphaAndTranslatesSystemColours() {
        // Blue is transparent whatever its alpha; other colours paint opaque.
        QImage sprite = art({"bRb"}, QImage::Format_ARGB32);
        sprite.setPixel(0, 0, qRgba(0, 0, 255, 0x40));
        sprite.setPixel(1, 0, qRgba(255, 0, 0, 0));
        QImage tile = art({"ggg"});
        PaintTransparentPicture(sprite, tile, kBlue);
        QCOMPARE(show(tile), QStringList({"gRg"}));

        // Button shadow as mask means grey; (16,0,0) is what the raw index would be.
        QImage dest = art({"yyyy"});
        PaintEffects().PaintTransparentDC(dest, 0, 0, 4, 1, art({"GdGK"}), 0, 0, kSysButtonShadow);
        QCOMPARE(show(dest), QStringList({"ydyK"}));
    }

    void rectangleIsClipped() {
        const QImage src = art({"KRn", "d.y"});
        PaintEffects p;

        // Larger than the source: the part beyond it leaves the destination alone.
        QImage big = art({"gggg", "gggg", "gggg", "gggg"});
        p.PaintTransparentStdPic(big, 1, 1, 100, 100, src, 0, 0, kBlue);
        QCOMPARE(show(big), QStringList({"gggg", "gKRn", "gd.y", "gggg"}));

        // Hanging over the top-left and the bottom-right corners.
        QImage corner = art({"ggg", "ggg", "ggg"});
        p.PaintTransparentStdPic(corner, -1, -1, 3, 2, src, 0, 0, kBlue);
        p.PaintTransparentStdPic(corner, 2, 2, 3, 2, src, 0, 0, kBlue);
        QCOMPARE(show(corner), QStringList({".yg", "ggg", "ggK"}));

        // Source offsets, inside and before the source.
        QImage shifted = art({"ggg", "ggg"});
        p.PaintTransparentStdPic(shifted, 0, 0, 3, 1, src, 1, 1, kBlue);
        p.PaintTransparentStdPic(shifted, 0, 1, 3, 1, src, -1, 0, kBlue);
        QCOMPARE(show(shifted), QStringList({".yg", "gKR"}));

        // Far away, empty or absurd rectangles paint nothing and do not overflow.
        QImage same = art({"ggg", "ggg"});
        p.PaintTransparentStdPic(same, 1000, 0, 3, 2, src, 0, 0, kBlue);
        p.PaintTransparentStdPic(same, 0, 0, -5, 2, src, 0, 0, kBlue);
        p.PaintTransparentStdPic(same, INT_MAX, INT_MAX, INT_MAX, INT_MAX, src, 0, 0, kBlue);
        p.PaintTransparentStdPic(same, INT_MIN, 0, INT_MAX, 2, src, INT_MIN, 0, kBlue);
        p.PaintNormalStdPic(same, 0, 0, 3, 2, src, INT_MAX, INT_MAX);
        QCOMPARE(show(same), QStringList({"ggg", "ggg"}));
    }

    void normalCopiesEveryPixel() {
        QImage dest = art({"ggg", "ggg"});
        PaintEffects().PaintNormalStdPic(dest, 1, 0, 5, 5, art({"bK", "nb"}), 0, 0);
        QCOMPARE(show(dest), QStringList({"gbK", "gnb"}));
    }

    void otherPixelLayouts() {
        // An 8-bit sprite over a 24-bit tile.
        QImage sprite(3, 1, QImage::Format_Indexed8);
        sprite.setColorTable({qRgb(0, 0, 255), qRgb(255, 0, 0)});
        sprite.setPixel(0, 0, 0);
        sprite.setPixel(1, 0, 1);
        sprite.setPixel(2, 0, 0);
        QImage tile = art({"yyy"}, QImage::Format_RGB888);
        PaintTransparentPicture(sprite, tile, kBlue);
        QCOMPARE(show(tile), QStringList({"yRy"}));

        // A see-through destination keeps its alpha where the mask shows it.
        QImage glass(2, 1, QImage::Format_ARGB32);
        glass.fill(qRgba(0, 128, 0, 0x80));
        PaintTransparentPicture(art({"bK"}), glass, kBlue);
        QCOMPARE(glass.pixel(0, 0), qRgba(0, 128, 0, 0x80));
        QCOMPARE(glass.pixel(1, 0), qRgb(0, 0, 0));
    }

    void disabledLook_data() {
        QTest::addColumn<QStringList>("source");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("mask");
        QTest::addColumn<int>("highlight");
        QTest::addColumn<int>("shadow");
        QTest::addColumn<QStringList>("expected");

        const QStringList shape = {".....", ".KK..", ".yR..", ".....", "....."};
        QTest::newRow("default colours")
            << shape << QPoint(0, 0) << QSize(5, 5) << 0x00FFFFFF << kSysButtonHighlight
            << kSysButtonShadow << QStringList{"ggggg", "gGGgg", "gGG.g", "gg..g", "ggggg"};
        QTest::newRow("black highlight, red shadow")
            << shape << QPoint(0, 0) << QSize(5, 5) << 0x00FFFFFF << Rgb(0, 0, 0) << Rgb(255, 0, 0)
            << QStringList{"ggggg", "gRRgg", "gRRKg", "ggKKg", "ggggg"};
        // With a coloured ground white is no longer the ground, yet still no shape.
        QTest::newRow("blue ground")
            << QStringList{"bbbbb", "bK.bb", "bbbbb", "bbbbb", "bbbbb"} << QPoint(0, 0)
            << QSize(5, 5) << kBlue << Rgb(255, 255, 0) << Rgb(16, 0, 0)
            << QStringList{"ggggg", "gdggg", "ggygg", "ggggg", "ggggg"};
        QTest::newRow("highlight stays in the rectangle")
            << QStringList{"...", "...", "..K"} << QPoint(1, 1) << QSize(3, 3) << 0x00FFFFFF
            << kSysButtonHighlight << kSysButtonShadow
            << QStringList{"ggggg", "ggggg", "ggggg", "gggGg", "ggggg"};
        QTest::newRow("shape left of the destination still casts its highlight")
            << QStringList{"K..", "...", "..."} << QPoint(-1, -1) << QSize(3, 3) << 0x00FFFFFF
            << kSysButtonHighlight << kSysButtonShadow
            << QStringList{".gggg", "ggggg", "ggggg", "ggggg", "ggggg"};
        QTest::newRow("rectangle beyond the source")
            << QStringList{"..", ".K"} << QPoint(0, 0) << QSize(5, 5) << 0x00FFFFFF
            << kSysButtonHighlight << kSysButtonShadow
            << QStringList{"ggggg", "gGggg", "gg.gg", "ggggg", "ggggg"};
    }

    void disabledLook() {
        QFETCH(QStringList, source);
        QFETCH(QPoint, at);
        QFETCH(QSize, size);
        QFETCH(int, mask);
        QFETCH(int, highlight);
        QFETCH(int, shadow);
        QFETCH(QStringList, expected);
        QImage dest = art({"ggggg", "ggggg", "ggggg", "ggggg", "ggggg"});
        PaintEffects().PaintDisabledStdPic(dest, at.x(), at.y(), size.width(), size.height(),
                                           art(source), 0, 0, mask, highlight, shadow);
        QCOMPARE(show(dest), expected);
    }

    void nullPictureStopsTheGame_data() {
        QTest::addColumn<QString>("operation");
        QTest::newRow("transparent") << "transparent";
        QTest::newRow("normal") << "normal";
        QTest::newRow("disabled") << "disabled";
        QTest::newRow("cell picture") << "picture";
    }

    // The stop ends the process, so it runs in a child: this same program,
    // asked for childPaintsNullPicture alone.
    void nullPictureStopsTheGame() {
        QFETCH(QString, operation);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("ORVALIS_NULL_PICTURE", operation);
        env.insert("ASAN_OPTIONS", "detect_leaks=0");
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {"childPaintsNullPicture"});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 1);
        const QByteArray err = child.readAllStandardError();
        QVERIFY2(err.contains("Invalid picture"), err.constData());
        QVERIFY2(!child.readAllStandardOutput().contains("survived"), "painting went on");
    }

    void childPaintsNullPicture() {
        const QByteArray op = qgetenv("ORVALIS_NULL_PICTURE");
        if (op.isEmpty()) QSKIP("runs only as the child of nullPictureStopsTheGame");
        QImage dest = art({"gg"});
        const QImage none;
        PaintEffects p;
        if (op == "transparent") p.PaintTransparentStdPic(dest, 0, 0, 2, 1, none, 0, 0, kBlue);
        if (op == "normal") p.PaintNormalStdPic(dest, 0, 0, 2, 1, none, 0, 0);
        if (op == "disabled") p.PaintDisabledStdPic(dest, 0, 0, 2, 1, none, 0, 0);
        if (op == "picture") PaintTransparentPicture(none, dest, kBlue);
        std::printf("survived\n");
        std::fflush(stdout);
    }
};

QTEST_MAIN(PaintEffectsTest)
#include "PaintEffectsTest.moc"
