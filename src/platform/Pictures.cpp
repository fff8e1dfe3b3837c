#include "platform/Pictures.h"

#include <QFileInfo>
#include <QImageReader>

#include "core/Fatal.h"
#include "platform/AppFolder.h"

namespace orv::ui {

QPixmap StoredPixmap(const char* id) {
    const QString path = QStringLiteral(":/stored/%1.bmp").arg(QString::fromUtf8(id));
    QPixmap pixmap(path);
    if (pixmap.isNull()) FatalError("Cannot load the stored picture " + std::string(id));
    return pixmap;
}

QImage LoadAppPicture(const std::string& relative) {
    const QString path = ResolveAppPath(relative);
    if (!QFileInfo::exists(path)) FatalError("Picture file not found: " + path.toStdString());
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull())
        FatalError("Cannot read the picture file " + path.toStdString() + " (" +
                   reader.errorString().toStdString() + ")");
    return image;
}

}  // namespace orv::ui
