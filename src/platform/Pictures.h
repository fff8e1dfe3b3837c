#pragma once
// Loading pictures. A picture the game needs and cannot use stops the game
// with an error box naming the file and saying what is wrong with it.
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <string>
#include <vector>

namespace orv::ui {

// A picture stored inside the program (":/stored/<id>.bmp"); in the English
// game its English version (":/stored/en/<id>.bmp") where it has one.
QPixmap StoredPixmap(const char* id);

// Reads the picture file at `path` into `image`. Returns what is wrong with it
// in words for the player - missing, a folder, not readable, empty, not a
// picture, truncated, or smaller than `atLeast` pixels - or an empty string
// when the picture is fit for use.
QString PictureProblem(const QString& path, QSize atLeast, QImage& image);

// The picture file at `path`, at least `atLeast` pixels (one per cell cut
// from it); one the game cannot use stops the game with its error box. A
// picture prepared ahead is handed out while its file is unchanged (same
// size, modification and change times) and read anew once it changed.
QImage LoadPicture(const QString& path, QSize atLeast = {1, 1});

// LoadPicture for a file of the application folder, e.g. "\img\Stage1-FG_E.bmp".
QImage LoadAppPicture(const std::string& relative, QSize atLeast = {1, 1});

// Reads a picture before its screen needs it and keeps it for LoadPicture.
// Quiet: a picture that cannot be used is not kept and comes back null, and
// is reported when its screen loads it.
QImage PreparePicture(const QString& path, QSize atLeast = {1, 1});

// `picture` cut into cols x rows equal cells, row by row, as PictureStrip
// cuts it, most often without copying: the cells share the picture's pixels.
std::vector<QImage> PictureCells(const QImage& picture, int cols, int rows);

}  // namespace orv::ui
