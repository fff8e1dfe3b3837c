// A picture file the game cannot use is caught when it is loaded, with the
// reason in words: a short file would otherwise load half black without a word.
#include <unistd.h>

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/Pictures.h"

using namespace orv::ui;

namespace {

QByteArray bitmapBytes(int width, int height) {
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
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
