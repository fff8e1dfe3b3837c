#include "platform/GameFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace orv::ui {
namespace {

constexpr const char* kSettingsFile = "\\Pelmo.ini";

bool holdsFolder(const QString& parent, const char* name) {
    return QFileInfo(ResolveIn(parent, std::string("\\") + name)).isDir();
}

}  // namespace

GameFiles LocateGameFiles(const QString& exeFolder, const QString& home,
                          const QString& xdgConfigHome) {
    GameFiles files;
    // A portable folder missing one of the two still counts as portable, so
    // its error names the file beside the executable.
    if (holdsFolder(exeFolder, "img") || holdsFolder(exeFolder, "snd")) {
        files.layout = Layout::Portable;
        files.dataFolder = QDir::cleanPath(exeFolder);
        files.settingsFolder = files.dataFolder;
        return files;
    }
    files.layout = Layout::Installed;
    files.dataFolder =
        QDir::cleanPath(exeFolder + QLatin1Char('/') + QStringLiteral(ORVALIS_DATA_FROM_GAMES));
    // Only an absolute XDG_CONFIG_HOME counts; a relative one is ignored.
    if (QDir::isAbsolutePath(xdgConfigHome)) {
        files.settingsFolder = QDir::cleanPath(xdgConfigHome + QStringLiteral("/orvalis"));
    } else if (QDir::isAbsolutePath(home)) {
        files.settingsFolder = QDir::cleanPath(home + QStringLiteral("/.config/orvalis"));
    } else {
        files.settingsProblem = QStringLiteral("neither HOME nor XDG_CONFIG_HOME names a folder");
    }
    return files;
}

const GameFiles& Files() {
    static const GameFiles files = LocateGameFiles(
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath(),
        qEnvironmentVariable("HOME"), qEnvironmentVariable("XDG_CONFIG_HOME"));
    return files;
}

QString ResolveIn(const QString& folder, const std::string& relative) {
    QString rel = QString::fromStdString(relative);
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (rel.startsWith(QLatin1Char('/'))) rel.remove(0, 1);

    QString path = folder;
    const QStringList parts = rel.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const QString exact = path + QLatin1Char('/') + part;
        if (QFileInfo::exists(exact)) {
            path = exact;
            continue;
        }
        // Look for the same name in another case.
        QString found;
        const QStringList entries = QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        for (const QString& e : entries) {
            if (e.compare(part, Qt::CaseInsensitive) == 0) {
                found = e;
                break;
            }
        }
        path += QLatin1Char('/') + (found.isEmpty() ? part : found);
    }
    return QDir::toNativeSeparators(path);
}

QString ResolveAppPath(const std::string& relative) {
    return ResolveIn(Files().dataFolder, relative);
}

QString SettingsFilePath() {
    const GameFiles& files = Files();
    if (files.settingsFolder.isEmpty()) return {};
    return ResolveIn(files.settingsFolder, kSettingsFile);
}

}  // namespace orv::ui
