#include "platform/Pictures.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <cstdint>

#include "core/Fatal.h"
#include "platform/GameFiles.h"

namespace orv::ui {
namespace {

std::uint32_t le32(const QByteArray& b, int at) {
    return std::uint32_t(std::uint8_t(b[at])) | std::uint32_t(std::uint8_t(b[at + 1])) << 8 |
           std::uint32_t(std::uint8_t(b[at + 2])) << 16 |
           std::uint32_t(std::uint8_t(b[at + 3])) << 24;
}
std::uint16_t le16(const QByteArray& b, int at) {
    return std::uint16_t(std::uint8_t(b[at]) | std::uint8_t(b[at + 1]) << 8);
}

// The bytes a bitmap file needs according to its own headers, or 0 when
// they do not tell (compressed rows without a stated size, other formats).
// The image reader fills in whatever a cut-off bitmap lacks with black and
// reports nothing, so a short file is caught here.
qint64 bitmapBytesNeeded(const QByteArray& head) {
    if (!head.startsWith("BM")) return 0;
    if (head.size() < 26) return 26;
    const qint64 pixelsAt = le32(head, 10);
    const std::uint32_t infoSize = le32(head, 14);
    if (infoSize == 12) {  // the old core header
        const qint64 stride = (qint64(le16(head, 18)) * le16(head, 24) + 31) / 32 * 4;
        return pixelsAt + stride * le16(head, 20);
    }
    if (infoSize < 40) return 0;
    if (head.size() < 38) return 14 + qint64(infoSize);  // cut off inside its own headers
    const qint64 width = qint32(le32(head, 18));
    const qint64 height = qint32(le32(head, 22));
    const std::uint16_t bits = le16(head, 28);
    const std::uint32_t compression = le32(head, 30);
    const bool plainRows = compression == 0 || compression == 3 || compression == 6;
    if (!plainRows) return compression == 1 || compression == 2 ? pixelsAt + le32(head, 34) : 0;
    if (width <= 0 || bits == 0) return 0;
    const qint64 stride = (width * bits + 31) / 32 * 4;
    return pixelsAt + stride * (height < 0 ? -height : height);
}

}  // namespace

QPixmap StoredPixmap(const char* id) {
    const QString path = QStringLiteral(":/stored/%1.bmp").arg(QString::fromUtf8(id));
    QPixmap pixmap(path);
    if (pixmap.isNull()) FatalError("Cannot load the stored picture " + std::string(id));
    return pixmap;
}

QString PictureProblem(const QString& path, QSize atLeast, QImage& image) {
    const QFileInfo info(path);
    if (!info.exists()) return QStringLiteral("the file is missing");
    if (info.isDir()) return QStringLiteral("it is a folder, not a picture file");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("the file cannot be read (%1)").arg(file.errorString());
    const qint64 size = file.size();
    if (size == 0) return QStringLiteral("the file is empty");
    const qint64 needed = bitmapBytesNeeded(file.peek(64));
    if (needed > size)
        return QStringLiteral("the file is truncated (%1 of %2 bytes)").arg(size).arg(needed);

    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    image = reader.read();
    if (image.isNull()) {
        if (reader.error() == QImageReader::UnsupportedFormatError)
            return QStringLiteral("the file is not a picture");
        return QStringLiteral("the picture cannot be read (%1)").arg(reader.errorString());
    }
    if (image.width() < atLeast.width() || image.height() < atLeast.height())
        return QStringLiteral("the picture is too small: %1 x %2 where at least %3 x %4 is needed")
            .arg(image.width())
            .arg(image.height())
            .arg(atLeast.width())
            .arg(atLeast.height());
    return {};
}

QImage LoadAppPicture(const std::string& relative, QSize atLeast) {
    const QString path = ResolveAppPath(relative);
    QImage image;
    const QString problem = PictureProblem(path, atLeast, image);
    if (!problem.isEmpty())
        FatalError("Cannot load the picture " + path.toStdString() + ": " + problem.toStdString());
    return image;
}

}  // namespace orv::ui
