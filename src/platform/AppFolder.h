#pragma once
// The application folder (the executable's folder) and the game's relative
// file names ("\img\Chara-0.bmp") resolved in it.
#include <QString>
#include <string>

namespace orv::ui {

QString AppFolder();

// Resolves a relative name with a leading backslash inside the application
// folder with native separators. When the exact name is missing, a
// case-insensitive match in the same folder is used, so an asset set copied
// from another system still loads. Returns the exact path when nothing matches.
QString ResolveAppPath(const std::string& relative);

}  // namespace orv::ui
