#pragma once
// Where the game's files are. This is the one place that decides; pictures,
// sounds and the settings file are all looked up through it.
//
// Portable: img/ and snd/ sit beside the executable (the build tree, an
// unpacked archive, a folder copied from elsewhere). Pictures, sounds and
// Pelmo.ini all live in that folder.
//
// Installed: the executable under <prefix>/games finds its pictures and sounds
// under <prefix>/share/games/orvalis, whatever the prefix, and keeps the
// settings file per user under $XDG_CONFIG_HOME/orvalis (by default
// ~/.config/orvalis). It never writes into its own folders.
#include <QString>
#include <string>

namespace orv::ui {

enum class Layout { Portable, Installed };

struct GameFiles {
    Layout layout = Layout::Portable;
    QString dataFolder;       // holds img/ and snd/
    QString settingsFolder;   // holds Pelmo.ini; empty when the user has no place for it
    QString settingsProblem;  // why there is none, in words for a warning
};

// Decides from the executable's folder and the user's HOME and
// XDG_CONFIG_HOME (empty when unset).
GameFiles LocateGameFiles(const QString& exeFolder, const QString& home,
                          const QString& xdgConfigHome);

// The files of this run, decided at the first call.
const GameFiles& Files();

// Resolves a relative name with a leading backslash ("\img\Chara-0.bmp")
// inside a folder, with native separators. When the exact name is missing, a
// case-insensitive match in the same folder is used, so an asset set copied
// from another system still loads. Returns the exact path when nothing matches.
QString ResolveIn(const QString& folder, const std::string& relative);

// A picture or sound of the game, e.g. "\snd\MainBGM.wav".
QString ResolveAppPath(const std::string& relative);

// The settings file, looked up anew each time so a file that appears or is
// renamed is found; empty when the user has no place for it.
QString SettingsFilePath();

}  // namespace orv::ui
