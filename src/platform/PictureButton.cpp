#include "platform/PictureButton.h"

#include <QPainter>

namespace orv::ui {

PictureButton::PictureButton(const QPixmap& picture, QWidget* parent)
    : QAbstractButton(parent), picture_(picture) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

QSize PictureButton::sizeHint() const { return picture_.size(); }

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Button));
    const int shift = isDown() ? 1 : 0;
    // Centre the picture in the button's rectangle, as a picture button does.
    const int x = (width() - picture_.width()) / 2 + shift;
    const int y = (height() - picture_.height()) / 2 + shift;
    p.drawPixmap(x, y, picture_);
}

}  // namespace orv::ui
