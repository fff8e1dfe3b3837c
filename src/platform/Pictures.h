#pragma once
// Loading pictures. A picture the game needs and cannot use stops the game
// with an error box naming the file and saying what is wrong with it.
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <string>

namespace orv::ui {

// A picture stored inside the program (":/stored/<id>.bmp"); in the English
// game its English version (":/stored/en/<id>.bmp") where it has one.
QPixmap StoredPixmap(const char* id);

// Reads the picture file at `path` into `image`. Returns what is wrong with it
// in words for the player - missing, a folder, not readable, empty, not a
// picture, truncated, or smaller than `atLeast` pixels - or an empty string
// when the picture is fit for use.
QString PictureProblem(const QString& path, QSize atLeast, QImage& image);

// A picture file of the application folder, e.g. "\img\Stage1-FG_E.bmp",
// that must be at least `atLeast` pixels (one per cell cut from it).
QImage LoadAppPicture(const std::string& relative, QSize atLeast = {1, 1});

}  // namespace orv::ui
