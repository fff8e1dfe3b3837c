// orvalis-assetgen <appDir> <storedDir> [<iconDir> <iconName>]
//
// Draws and synthesises the placeholder pictures and sounds listed in the asset
// table: the files the game loads from beside its executable (appDir) and the
// pictures compiled into it (storedDir, plus stored.qrc for rcc). With an icon
// folder it also draws the desktop's icons of the installed game, one PNG per
// size in the hicolor theme's layout (<iconDir>/<N>x<N>/apps/<iconName>.png).
// Everything is made by code with fixed seeds, so two runs give the same bytes.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>

#include "Art.h"
#include "ArtKit.h"
#include "BmpFile.h"
#include "Sounds.h"
#include "WaveFile.h"
#include "assets/AssetTable.h"

namespace orv::assetgen {
namespace {

// A failure tied to one output file; main prints the file and the reason.
struct AssetError : std::runtime_error {
    AssetError(const QString& file, const QString& why)
        : std::runtime_error((file + QStringLiteral(": ") + why).toStdString()) {}
};

using Painter = std::function<QImage(QSize)>;
// Stored pictures may carry words; a painter without any ignores the language.
using StoredPainter = std::function<QImage(QSize, Words)>;

StoredPainter Wordless(QImage (*paint)(QSize)) {
    return [paint](QSize s, Words) { return paint(s); };
}

const std::map<QString, StoredPainter>& StoredPainters() {
    static const std::map<QString, StoredPainter> painters = {
        {"ACD_Sub", PaintTitle},
        {"ACD_Sub.Command4", PaintStartButton},
        {"ACD_Sub.Command_Omake", PaintBonusButton},
        {"ACD_Sub.Command2", PaintQuitButton},
        {"ACD_Main", Wordless(PaintBattleFrame)},
        {"ACD_Main.Picture1", Wordless(PaintMessageBarTrim)},
        {"ACD_Main.ImageRemShot_E", [](QSize s, Words) { return PaintShotMark(s, false); }},
        {"ACD_Main.ImageRemShot_P", [](QSize s, Words) { return PaintShotMark(s, true); }},
        {"ACD_Main.ImageRemSiki_M", [](QSize s, Words) { return PaintCommandIcon(s, true); }},
        {"ACD_Main.ImageRemSen_M", [](QSize s, Words) { return PaintCombatIcon(s, true); }},
        {"ACD_Main.ImageRemSiki_E", [](QSize s, Words) { return PaintCommandIcon(s, false); }},
        {"ACD_Main.ImageRemSen_E", [](QSize s, Words) { return PaintCombatIcon(s, false); }},
        {"ACD_Continue.Image1", PaintContinueBanner},
        {"ACD_Continue.Image2", PaintContinueYes},
        {"ACD_Continue.Image3", PaintContinueNo},
        {"ACD_OmakeMode", PaintBonusMenu},
        {"ACD_OmakeMode.Command_Omake(0)", PaintBonusThumbA},
        {"ACD_OmakeMode.Command_Omake(2)", PaintBonusThumbC},
        {"ACD_OmakeMode.Command_Exit", PaintBonusExit},
        {"ACD_OmakeCG0A.Image1", PaintBonusA},
        {"ACD_OmakeCG0C.Image1", PaintBonusCTall},
        {"ACD_OmakeCG0C.Image2", PaintBonusCSecond},
        {"App.Icon", Wordless(PaintAppIcon)},
    };
    return painters;
}

// Pictures beside the executable are known by file name.
Painter AppFilePainter(const QString& fileName) {
    if (fileName.startsWith(QStringLiteral("Chara-"), Qt::CaseInsensitive)) {
        const int chara = fileName.mid(6, 1).toInt();
        return [chara](QSize s) { return PaintPortraitStrip(s, chara); };
    }
    if (fileName.contains(QStringLiteral("FG_E"), Qt::CaseInsensitive))
        return [](QSize s) { return PaintField(s, true); };
    if (fileName.contains(QStringLiteral("FG_M"), Qt::CaseInsensitive))
        return [](QSize s) { return PaintField(s, false); };
    if (fileName.contains(QStringLiteral("爆発"))) return PaintSpriteSheet;
    return nullptr;
}

// Something for a table entry nobody has drawn yet: better a labelled card than
// a broken build. Reported on stderr so it gets drawn properly.
QImage PaintUnknown(QSize size, const QString& label) {
    QImage image = NewCanvas(size.width(), size.height());
    QPainter p(&image);
    Smooth(p);
    p.fillRect(image.rect(), QColor(60, 64, 52));
    DrawBevel(p, image.rect(), 2, QColor(120, 126, 104), QColor(24, 26, 20), false);
    const int px =
        std::max(6, std::min(size.height() / 3, size.width() / std::max<int>(1, label.size())));
    DrawCaption(p, label, GameFont(px), QPointF(size.width() / 2.0, size.height() / 2.0),
                QColor(240, 230, 180), Qt::black, 1.0);
    return image;
}

QImage Render(const Painter& painter, QSize size, const QString& label, const QString& file) {
    MissingGlyphReports().clear();
    JapaneseTexts().clear();
    QImage image = painter ? painter(size) : PaintUnknown(size, label);
    if (!painter)
        std::fprintf(stderr,
                     "orvalis-assetgen: warning: %s: no painter, wrote a placeholder card\n",
                     qPrintable(file));
    if (!MissingGlyphReports().isEmpty())
        throw AssetError(file, QStringLiteral("font %1 lacks glyphs: %2")
                                   .arg(QString::fromLatin1(kFontFamily),
                                        MissingGlyphReports().join(QStringLiteral(", "))));
    if (image.isNull()) throw AssetError(file, QStringLiteral("painter returned no picture"));
    if (image.size() != size) {
        std::fprintf(stderr, "orvalis-assetgen: warning: %s: drawn at %dx%d, scaled to %dx%d\n",
                     qPrintable(file), image.width(), image.height(), size.width(), size.height());
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return image;
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        throw AssetError(
            path, QStringLiteral("cannot create folder %1").arg(QFileInfo(path).absolutePath()));
    // QSaveFile: a reader (or a crashed run) never sees half a file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw AssetError(path, QStringLiteral("cannot write: %1").arg(file.errorString()));
}

void WriteBitmap(const QString& path, const QImage& image, int bitsPerPixel) {
    if (bitsPerPixel != 8 && bitsPerPixel != 24)
        throw AssetError(path, QStringLiteral("unsupported depth %1 bits").arg(bitsPerPixel));
    QByteArray bytes;
    try {
        bytes = EncodeBmp(image, bitsPerPixel);
    } catch (const std::exception& e) {
        throw AssetError(path, QString::fromUtf8(e.what()));
    }
    if (!CheckBmpHeader(bytes, image.width(), image.height(), bitsPerPixel))
        throw AssetError(path, QStringLiteral("encoded bitmap header does not match the table"));
    // The game loads these through Qt: make sure Qt reads back what we wrote.
    QImage back;
    if (!back.loadFromData(bytes, "BMP") || back.size() != image.size())
        throw AssetError(path, QStringLiteral("Qt cannot read the encoded bitmap back"));
    WriteBytes(path, bytes);
}

void CheckSize(const QString& file, int width, int height) {
    if (width <= 0 || height <= 0 || width > 8192 || height > 8192)
        throw AssetError(
            file, QStringLiteral("bad size %1x%2 in the asset table").arg(width).arg(height));
}

// "\img\Chara-0.bmp" -> "<appDir>/img/Chara-0.bmp"
QString AppFilePath(const QString& appDir, const char* relativePath) {
    QString relative = QString::fromUtf8(relativePath);
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (relative.startsWith(QLatin1Char('/'))) relative.remove(0, 1);
    if (relative.isEmpty() || relative.split(QLatin1Char('/')).contains(QStringLiteral("..")))
        throw AssetError(QString::fromUtf8(relativePath),
                         QStringLiteral("not a path inside the application folder"));
    return QDir(appDir).filePath(relative);
}

void WriteAppFiles(const QString& appDir) {
    for (const assets::AssetFile& asset : assets::AssetFiles()) {
        const QString path = AppFilePath(appDir, asset.relativePath);
        const QString name = QFileInfo(path).fileName();
        if (asset.kind == assets::AssetKind::Wave) {
            const QByteArray bytes = EncodeWave(SynthesiseSound(name));
            if (!CheckWaveHeader(bytes))
                throw AssetError(path, QStringLiteral("encoded wave is malformed"));
            WriteBytes(path, bytes);
            continue;
        }
        CheckSize(path, asset.width, asset.height);
        const QSize size(asset.width, asset.height);
        WriteBitmap(path,
                    Render(AppFilePainter(name), size, QFileInfo(name).completeBaseName(), path),
                    asset.bitsPerPixel);
    }
}

// Pictures with Japanese words get an English version in en/ (the game looks
// there first in English), drawn by the same painter at the same size and depth.
void WriteStoredPictures(const QString& storedDir) {
    QString qrc =
        QStringLiteral("<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/stored\">\n");
    QStringList englishFiles;
    for (const assets::StoredPicture& picture : assets::StoredPictures()) {
        const QString id = QString::fromUtf8(picture.id);
        const QString fileName = id + QStringLiteral(".bmp");
        const QString path = QDir(storedDir).filePath(fileName);
        const QSize size(picture.width, picture.height);
        CheckSize(path, picture.width, picture.height);
        const auto found = StoredPainters().find(id);
        const StoredPainter* paint = found != StoredPainters().end() ? &found->second : nullptr;
        const auto in = [paint](Words words) -> Painter {
            if (!paint) return nullptr;
            return [paint, words](QSize s) { return (*paint)(s, words); };
        };
        WriteBitmap(path, Render(in(Words::Japanese), size, id, path), picture.bitsPerPixel);
        qrc += QStringLiteral("    <file>%1</file>\n").arg(fileName.toHtmlEscaped());
        if (JapaneseTexts().isEmpty()) continue;

        const QString englishName = QStringLiteral("en/") + fileName;
        const QString englishPath = QDir(storedDir).filePath(englishName);
        const QImage english = Render(in(Words::English), size, id, englishPath);
        if (!JapaneseTexts().isEmpty()) {
            QStringList left = JapaneseTexts();
            left.removeDuplicates();  // a caption's shadow is the same text again
            throw AssetError(englishPath, QStringLiteral("English version still draws %1")
                                              .arg(left.join(QStringLiteral(", "))));
        }
        WriteBitmap(englishPath, english, picture.bitsPerPixel);
        qrc += QStringLiteral("    <file>%1</file>\n").arg(englishName.toHtmlEscaped());
        englishFiles << fileName;
    }
    // A picture that lost its words must not leave an old English version behind.
    const QDir englishDir(QDir(storedDir).filePath(QStringLiteral("en")));
    for (const QString& old : englishDir.entryList({QStringLiteral("*.bmp")}, QDir::Files))
        if (!englishFiles.contains(old) && !QFile::remove(englishDir.filePath(old)))
            throw AssetError(englishDir.filePath(old), QStringLiteral("cannot remove"));
    qrc += QStringLiteral("</qresource>\n</RCC>\n");
    WriteBytes(QDir(storedDir).filePath(QStringLiteral("stored.qrc")), qrc.toUtf8());
}

// The sizes desktops look for in the hicolor theme.
constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

void WriteDesktopIcons(const QString& iconDir, const QString& iconName) {
    for (int px : kIconSizes) {
        const QString path =
            QDir(iconDir).filePath(QStringLiteral("%1x%1/apps/%2.png").arg(px).arg(iconName));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!PaintDesktopIcon(QSize(px, px)).save(&buffer, "PNG"))
            throw AssetError(path, QStringLiteral("cannot encode the icon"));
        WriteBytes(path, bytes);
    }
}

}  // namespace

// Qt's note that XDG_RUNTIME_DIR is unset says nothing about our files and only
// clutters the build log; everything else goes through unchanged.
QtMessageHandler previousHandler = nullptr;

void FilterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QStringLiteral("XDG_RUNTIME_DIR"))) return;
    if (previousHandler)
        previousHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace orv::assetgen

int main(int argc, char** argv) {
    using namespace orv::assetgen;
    previousHandler = qInstallMessageHandler(FilterMessages);
    // The build runs us headless; do not depend on a display if the caller forgot.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3 && args.size() != 5) {
        std::fprintf(stderr,
                     "usage: orvalis-assetgen <appDir> <storedDir> [<iconDir> <iconName>]\n");
        return 2;
    }
    const QString fontProblem = CheckFont();
    if (!fontProblem.isEmpty()) {
        std::fprintf(stderr, "orvalis-assetgen: error: %s\n", qPrintable(fontProblem));
        return 1;
    }
    try {
        WriteAppFiles(args[1]);
        WriteStoredPictures(args[2]);
        if (args.size() == 5) WriteDesktopIcons(args[3], args[4]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "orvalis-assetgen: error: %s\n", e.what());
        return 1;
    }
    return 0;
}
