// A picture file the game cannot use is caught when it is loaded, with the
// reason in words: a short file would otherwise load half black without a word.
#include <unistd.h>

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <stdexcept>

#include "core/Fatal.h"
#include "platform/PictureStrip.h"
#include "platform/Pictures.h"

using namespace orv::ui;

namespace {

QByteArray bitmapBytes(int width, int height, QColor color = Qt::darkGreen) {
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

struct FatalThrown : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The fatal path forgets its handler once used, so the handler puts itself back.
void throwOnFatal() {
    orv::SetFatalHandler([](const std::string& message) {
        throwOnFatal();
        throw FatalThrown(message);
    });
}

// The fatal message of loading `path`, or "" when it loads.
QString loadFailure(const QString& path) {
    try {
        LoadPicture(path, {19, 9});
    } catch (const FatalThrown& e) {
        return QString::fromStdString(e.what());
    }
    return {};
}

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;

    QString write(const char* name, const QByteArray& bytes) {
        const QString path = dir.filePath(QString::fromUtf8(name));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly)) return {};
        f.write(bytes);
        return path;
    }

private slots:
    void everyWayAPictureCanFailIsNamed() {
        const QByteArray field = bitmapBytes(570, 270);
        const QString folder = dir.filePath(QStringLiteral("folder.bmp"));
        QVERIFY(QDir().mkpath(folder));
        struct Case {
            QString path;
            QSize atLeast;
            const char* problem;
        } cases[] = {
            {dir.filePath(QStringLiteral("none.bmp")), {1, 1}, "the file is missing"},
            {folder, {1, 1}, "it is a folder, not a picture file"},
            {write("empty.bmp", {}), {1, 1}, "the file is empty"},
            {write("text.bmp", "not a picture at all"), {1, 1}, "the file is not a picture"},
            {write("half.bmp", field.left(field.size() / 2)),
             {19, 9},
             "the file is truncated (231147 of 462294 bytes)"},
            {write("last-byte.bmp", field.left(field.size() - 1)),
             {19, 9},
             "the file is truncated (462293 of 462294 bytes)"},
            {write("header.bmp", field.left(30)), {1, 1}, "the file is truncated (30 of 54 bytes)"},
            {write("dot.bmp", bitmapBytes(1, 1)),
             {10, 1},
             "the picture is too small: 1 x 1 where at least 10 x 1 is needed"},
            {write("flat.bmp", bitmapBytes(645, 2)),
             {3, 3},
             "the picture is too small: 645 x 2 where at least 3 x 3 is needed"},
        };
        for (const Case& c : cases) {
            QImage image;
            QCOMPARE(PictureProblem(c.path, c.atLeast, image), QString::fromUtf8(c.problem));
        }
    }

    void aWholePictureLoadsWithExtraBytesAfterIt() {
        // Some painting programs pad the file; only a file short of its
        // pixels is refused.
        const QString path = write("padded.bmp", bitmapBytes(570, 270) + QByteArray(7, '\0'));
        QImage image;
        QCOMPARE(PictureProblem(path, {19, 9}, image), QString());
        QCOMPARE(image.size(), QSize(570, 270));
        QCOMPARE(image.pixelColor(569, 269), QColor(Qt::darkGreen));
    }

    void aPreparedPictureServesOnlyWhileItsFileIsUnchanged() {
        throwOnFatal();
        const QString path = write("prepared.bmp", bitmapBytes(570, 270));
        const QImage prepared = PreparePicture(path, {19, 9});
        QCOMPARE(LoadPicture(path, {19, 9}).cacheKey(), prepared.cacheKey());  // not read again
        // Each change comes a few milliseconds later, as file times run in ticks.
        QTest::qWait(20);
        write("prepared.bmp", bitmapBytes(570, 270, Qt::red));
        QCOMPARE(LoadPicture(path, {19, 9}).pixelColor(0, 0), QColor(Qt::red));

        // Put back with its old modification time: its change time tells.
        PreparePicture(path, {19, 9});
        const auto written = std::filesystem::last_write_time(path.toStdString());
        QTest::qWait(20);
        write("prepared.bmp", bitmapBytes(570, 270, Qt::blue));
        std::filesystem::last_write_time(path.toStdString(), written);
        QCOMPARE(LoadPicture(path, {19, 9}).pixelColor(0, 0), QColor(Qt::blue));

        // Broken after it was prepared, or before: the load still says so.
        PreparePicture(path, {19, 9});
        QTest::qWait(20);
        write("prepared.bmp", bitmapBytes(570, 270).left(1000));
        QVERIFY(loadFailure(path).endsWith(
            "prepared.bmp: the file is truncated (1000 of 462294 bytes)"));
        QVERIFY(PreparePicture(path, {19, 9}).isNull());  // quietly
        QVERIFY(loadFailure(path).contains("truncated"));
        write("prepared.bmp", bitmapBytes(570, 270));
        PreparePicture(path, {19, 9});
        QVERIFY(QFile::remove(path));
        QVERIFY(loadFailure(path).endsWith("prepared.bmp: the file is missing"));
        orv::SetFatalHandler({});
    }

    void sharedCellsAreTheStripsCells() {
        // 4 pixels a cell, one left over each way; pixel formats of 4, 3, 1
        // byte (shared) and 1 bit (copied).
        for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_RGB888,
                                      QImage::Format_Indexed8, QImage::Format_Mono}) {
            std::vector<QImage> cells;
            PictureStrip strip;
            strip.SetCols(3);
            strip.SetRows(2);
            {
                QImage picture(13, 9, QImage::Format_RGB32);
                for (int y = 0; y < 9; ++y)
                    for (int x = 0; x < 13; ++x) picture.setPixel(x, y, qRgb(x * 19, y * 28, 90));
                strip.SetPicture(picture.convertToFormat(format));
                cells = PictureCells(strip.Picture(), 3, 2);
                strip.SetPicture(strip.Picture().copy());  // the cut picture goes
            }
            QCOMPARE(cells.size(), size_t(6));
            for (int i = 0; i < 6; ++i) QCOMPARE(cells[size_t(i)], strip.GraphicCell(i));
        }
    }

    void anUnreadableFileIsNotCalledMissing() {
        if (::geteuid() == 0) QSKIP("root reads every file");
        const QString path = write("locked.bmp", bitmapBytes(3, 1));
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        QImage image;
        QCOMPARE(PictureProblem(path, {1, 1}, image),
                 QStringLiteral("the file cannot be read (Permission denied)"));
    }
};

QTEST_MAIN(PicturesTest)
#include "PicturesTest.moc"
