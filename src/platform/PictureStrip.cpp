#include "platform/PictureStrip.h"

#include <string>

#include "core/Fatal.h"

namespace orv::ui {

void PictureStrip::SetRows(int rows) {
    if (rows < 1) FatalError("Invalid picture strip Rows value " + std::to_string(rows));
    rows_ = rows;
}

void PictureStrip::SetCols(int cols) {
    if (cols < 1) FatalError("Invalid picture strip Cols value " + std::to_string(cols));
    cols_ = cols;
}

QImage PictureStrip::GraphicCell(int index) const {
    if (picture_.isNull()) FatalError("Picture strip has no picture");
    if (index < 0 || index >= rows_ * cols_)
        FatalError("Picture strip cell " + std::to_string(index) + " out of range 0.." +
                   std::to_string(rows_ * cols_ - 1));
    // Equal cells; pixels left over at the right and bottom belong to none.
    const int w = picture_.width() / cols_;
    const int h = picture_.height() / rows_;
    if (w == 0 || h == 0)
        FatalError("Picture strip picture " + std::to_string(picture_.width()) + "x" +
                   std::to_string(picture_.height()) + " is too small for " +
                   std::to_string(cols_) + "x" + std::to_string(rows_) + " cells");
    return picture_.copy((index % cols_) * w, (index / cols_) * h, w, h);
}

}  // namespace orv::ui
