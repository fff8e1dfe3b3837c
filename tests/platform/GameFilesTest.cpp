// Where the game's files are: beside the executable when it was run from its
// own folder, under the prefix's share/ and the player's own settings folder
// when it was installed.
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/GameFiles.h"

using namespace orv::ui;

class GameFilesTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir root;

    QString folder(const QString& relative) {
        const QString path = root.filePath(relative);
        QDir().mkpath(path);
        return QDir::cleanPath(path);
    }

private slots:
    void aFolderWithItsPicturesOrSoundsIsPortable() {
        // Even with one of the two gone, or spelled in capitals by another system.
        for (const char* beside :
             {"whole/img", "whole/snd", "pictures-only/img", "sounds-only/SND"})
            folder(QString::fromUtf8(beside));
        for (const char* name : {"whole", "pictures-only", "sounds-only"}) {
            const QString exe = folder(QString::fromUtf8(name));
            const GameFiles files = LocateGameFiles(exe, "/home/player", "/home/player/.cfg");
            QCOMPARE(files.layout, Layout::Portable);
            QCOMPARE(files.dataFolder, exe);
            QCOMPARE(files.settingsFolder, exe);
        }
    }

    void anInstalledGameKeepsItsDataUnderShareAndSettingsPerPlayer() {
        const QString prefix = folder("usr");
        const QString games = folder("usr/games");
        const QString data = folder("usr/share/games/orvalis/img");

        GameFiles files = LocateGameFiles(games, "/home/player", "/home/player/.cfg");
        QCOMPARE(files.layout, Layout::Installed);
        QCOMPARE(files.dataFolder, prefix + "/share/games/orvalis");
        QCOMPARE(files.settingsFolder, QStringLiteral("/home/player/.cfg/orvalis"));

        // Without XDG_CONFIG_HOME, or with a relative one (which does not count).
        for (const char* xdg : {"", "relative/cfg"}) {
            files = LocateGameFiles(games, "/home/player", QString::fromUtf8(xdg));
            QCOMPARE(files.settingsFolder, QStringLiteral("/home/player/.config/orvalis"));
            QVERIFY(files.settingsProblem.isEmpty());
        }

        // No home at all: no settings folder, and a reason for the warning.
        files = LocateGameFiles(games, "", "");
        QVERIFY(files.settingsFolder.isEmpty());
        QVERIFY(!files.settingsProblem.isEmpty());
        QCOMPARE(files.dataFolder, prefix + "/share/games/orvalis");
        QVERIFY(QFileInfo(data).isDir());

        // A data folder that went missing is still looked for in its place,
        // so the error names the file where it belongs.
        files = LocateGameFiles(folder("empty/games"), "/home/player", "");
        QCOMPARE(files.layout, Layout::Installed);
        QCOMPARE(files.dataFolder, QDir::cleanPath(root.filePath("empty/share/games/orvalis")));
    }

    void namesResolveWithBackslashesAndAnyCase() {
        const QString base = folder("resolve/IMG");
        QFile f(base + "/Chara-0.BMP");
        QVERIFY(f.open(QIODevice::WriteOnly));
        const QString in = QDir::cleanPath(root.filePath("resolve"));
        QCOMPARE(ResolveIn(in, "\\img\\chara-0.bmp"),
                 QDir::toNativeSeparators(base + "/Chara-0.BMP"));
        QCOMPARE(ResolveIn(in, "\\img\\Chara-9.bmp"),
                 QDir::toNativeSeparators(base + "/Chara-9.bmp"));
    }
};

QTEST_MAIN(GameFilesTest)
#include "GameFilesTest.moc"
