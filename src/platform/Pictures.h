#pragma once
// Loading pictures. A picture the game needs and cannot load stops the game
// with an error box naming the file.
#include <QImage>
#include <QPixmap>
#include <string>

namespace orv::ui {

// A picture stored inside the program (":/stored/<id>.bmp").
QPixmap StoredPixmap(const char* id);

// A picture file of the application folder, e.g. "\img\Stage1-FG_E.bmp".
QImage LoadAppPicture(const std::string& relative);

}  // namespace orv::ui
