#pragma once
// A graphical button: its stored picture and no caption. It sinks by one
// pixel while pressed, so it still feels like a button.
#include <QAbstractButton>
#include <QPixmap>

namespace orv::ui {

class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    PictureButton(const QPixmap& picture, QWidget* parent);
    QSize sizeHint() const override;
    const QPixmap& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

}  // namespace orv::ui
