#include "platform/AppFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace orv::ui {

QString AppFolder() {
    if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

QString ResolveAppPath(const std::string& relative) {
    QString rel = QString::fromStdString(relative);
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (rel.startsWith(QLatin1Char('/'))) rel.remove(0, 1);

    QString path = AppFolder();
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

}  // namespace orv::ui
