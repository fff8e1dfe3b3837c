#include "platform/Pictures.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <filesystem>
#include <map>

#include "core/Fatal.h"
#include "platform/BitmapHeader.h"
#include "platform/GameFiles.h"
#include "platform/Language.h"
#include "platform/PictureStrip.h"

namespace orv::ui {
namespace {

// What tells a file's contents changed without reading them. The change
// time catches a picture put back with its old modification time.
struct FileStamp {
    qint64 size = -1;
    std::filesystem::file_time_type written;
    QDateTime changed;
    bool operator==(const FileStamp&) const = default;
};

FileStamp stampOf(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile()) return {};
    std::error_code ec;
    const auto written = std::filesystem::last_write_time(info.filesystemFilePath(), ec);
    if (ec) return {};
    return {info.size(), written, info.metadataChangeTime()};
}

struct Prepared {
    FileStamp stamp;  // taken before the read, so a change during it counts
    QImage image;
};

std::map<QString, Prepared>& prepared() {
    static std::map<QString, Prepared> pictures;
    return pictures;
}

// A cell that shares the picture's pixels, keeping them while it lives.
QImage sharedCell(const QImage& picture, QRect area) {
    auto* owner = new QImage(picture);
    const uchar* first =
        owner->constBits() + area.y() * owner->bytesPerLine() + area.x() * (owner->depth() / 8);
    QImage cell(
        first, area.width(), area.height(), owner->bytesPerLine(), owner->format(),
        [](void* kept) { delete static_cast<QImage*>(kept); }, owner);
    cell.setColorTable(owner->colorTable());
    cell.setDevicePixelRatio(owner->devicePixelRatio());
    cell.setDotsPerMeterX(owner->dotsPerMeterX());
    cell.setDotsPerMeterY(owner->dotsPerMeterY());
    return cell;
}

}  // namespace

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

QImage LoadPicture(const QString& path, QSize atLeast) {
    const auto kept = prepared().find(path);
    if (kept != prepared().end()) {
        const QImage image = kept->second.image;
        const bool fits = image.width() >= atLeast.width() && image.height() >= atLeast.height();
        if (fits && stampOf(path) == kept->second.stamp) return image;
        // Read anew below, and reported there when it is no longer fit.
        prepared().erase(kept);
    }
    QImage image;
    const QString problem = PictureProblem(path, atLeast, image);
    if (!problem.isEmpty())
        FatalError("Cannot load the picture " + path.toStdString() + ": " + problem.toStdString());
    return image;
}

QImage LoadAppPicture(const std::string& relative, QSize atLeast) {
    return LoadPicture(ResolveAppPath(relative), atLeast);
}

QImage PreparePicture(const QString& path, QSize atLeast) {
    const FileStamp stamp = stampOf(path);
    QImage image;
    if (stamp.size < 0 || !PictureProblem(path, atLeast, image).isEmpty()) {
        prepared().erase(path);
        return {};
    }
    prepared()[path] = Prepared{stamp, image};
    return image;
}

std::vector<QImage> PictureCells(const QImage& picture, int cols, int rows) {
    PictureStrip strip;
    strip.SetCols(cols);
    strip.SetRows(rows);
    strip.SetPicture(picture);
    // Cells sharing the picture's pixels cost no copying; Qt wants shared
    // pixels to start on 4-byte boundaries, so other cells are copies.
    const int w = picture.width() / cols;
    const int h = picture.height() / rows;
    const bool share =
        w > 0 && h > 0 && picture.depth() % 8 == 0 && (w * (picture.depth() / 8)) % 4 == 0;
    std::vector<QImage> cells;
    cells.reserve(static_cast<size_t>(cols * rows));
    for (int i = 0; i < cols * rows; ++i)
        cells.push_back(share ? sharedCell(picture, {(i % cols) * w, (i / cols) * h, w, h})
                              : strip.GraphicCell(i));
    return cells;
}

}  // namespace orv::ui
