#include "platform/Pictures.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include "core/Fatal.h"
#include "platform/BitmapHeader.h"
#include "platform/GameFiles.h"
#include "platform/Language.h"

namespace orv::ui {

QPixmap StoredPixmap(const char* id) {
    const QString name = QString::fromUtf8(id) + QStringLiteral(".bmp");
    // A picture with words has an English version beside it; a set without
    // one still plays, with the Japanese picture.
    if (CurrentLanguage() == Language::English) {
        QPixmap english(QStringLiteral(":/stored/en/") + name);
        if (!english.isNull()) return english;
    }
    QPixmap pixmap(QStringLiteral(":/stored/") + name);
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
    const QByteArray head = file.peek(64);
    const qint64 needed = BitmapBytesNeeded(
        reinterpret_cast<const unsigned char*>(head.constData()), std::size_t(head.size()));
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
