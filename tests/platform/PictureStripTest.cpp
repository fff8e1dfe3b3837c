// Cutting a picture into equal cells.
#include <QtTest>
#include <stdexcept>
#include <tuple>

#include "core/Fatal.h"
#include "platform/PictureStrip.h"

using namespace orv;
using namespace orv::ui;

namespace {

QColor pieceColor(int col, int row) {
    return QColor(col * 13, row * 28, 90);
}

// A 19 x 9 field of 30-pixel pieces in distinct colours, with a few magenta
// pixels too many at the right and bottom.
QImage field() {
    QImage image(19 * 30 + 4, 9 * 30 + 3, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 19; ++c)
            for (int y = 0; y < 30; ++y)
                for (int x = 0; x < 30; ++x)
                    image.setPixelColor(c * 30 + x, r * 30 + y, pieceColor(c, r));
    return image;
}

bool allPixels(const QImage& image, QColor color) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != color) return false;
    return true;
}

struct FatalThrown : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The fatal path forgets its handler once used, so the handler puts itself back.
void throwOnFatal() {
    SetFatalHandler([](const std::string& message) {
        throwOnFatal();
        throw FatalThrown(message);
    });
}

}  // namespace

class PictureStripTest : public QObject {
    Q_OBJECT
private slots:
    void cellsAreNumberedRowByRow() {
        PictureStrip strip;
        strip.SetCols(19);
        strip.SetRows(9);
        strip.SetPicture(field());
        for (auto [index, col, row] :
             {std::tuple{0, 0, 0}, {1, 1, 0}, {18, 18, 0}, {19, 0, 1}, {100, 5, 5}, {170, 18, 8}}) {
            const QImage cell = strip.GraphicCell(index);
            QCOMPARE(cell.size(), QSize(30, 30));
            QVERIFY2(allPixels(cell, pieceColor(col, row)), qPrintable(QString::number(index)));
        }
    }

    void aStripOfOneRowCutsSideBySide() {
        QImage sheet(10 * 30, 30, QImage::Format_RGB32);
        for (int i = 0; i < 10; ++i)
            for (int y = 0; y < 30; ++y)
                for (int x = 0; x < 30; ++x) sheet.setPixelColor(i * 30 + x, y, pieceColor(i, 0));
        PictureStrip strip;
        strip.SetCols(10);
        strip.SetPicture(sheet);
        QVERIFY(allPixels(strip.GraphicCell(5), pieceColor(5, 0)));
    }

    void badRequestsStopTheGame() {
        throwOnFatal();
        PictureStrip strip;
        strip.SetCols(19);
        strip.SetRows(9);
        QVERIFY_THROWS_EXCEPTION(FatalThrown, strip.GraphicCell(0));  // no picture yet
        strip.SetPicture(field());
        QVERIFY_THROWS_EXCEPTION(FatalThrown, strip.GraphicCell(171));
        QVERIFY_THROWS_EXCEPTION(FatalThrown, strip.GraphicCell(-1));
        QVERIFY_THROWS_EXCEPTION(FatalThrown, strip.SetCols(0));
        strip.SetPicture(QImage(10, 10, QImage::Format_RGB32));  // smaller than 19 x 9 cells
        QVERIFY_THROWS_EXCEPTION(FatalThrown, strip.GraphicCell(0));
        SetFatalHandler(nullptr);
    }
};

QTEST_MAIN(PictureStripTest)
#include "PictureStripTest.moc"
