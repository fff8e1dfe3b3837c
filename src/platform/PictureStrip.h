#pragma once
// A picture cut into equal cells (Rows x Cols), handing out any cell by its
// index row * Cols + column. Never shown itself.
#include <QImage>

namespace orv::ui {

class PictureStrip {
public:
    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    void SetRows(int rows);
    void SetCols(int cols);

    void SetPicture(const QImage& picture) { picture_ = picture; }
    const QImage& Picture() const { return picture_; }

    // Cell `index` as a picture of its own. An index outside 0..Rows*Cols-1
    // or a strip without a picture stops the game.
    QImage GraphicCell(int index) const;

private:
    int rows_ = 1;
    int cols_ = 1;
    QImage picture_;
};

}  // namespace orv::ui
