#pragma once
// A ring drawn around whichever control of a screen has the keyboard's focus.
// The game's buttons are pictures and its option boxes have no caption, so
// neither shows its focus by itself; the ring does, without touching how
// they look or how the mouse works on them.
#include <QWidget>

namespace orv::ui {

class FocusRing : public QWidget {
    Q_OBJECT
public:
    // Follows the focus among the children of `screen`.
    explicit FocusRing(QWidget* screen);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void follow(QWidget* now);

    QWidget* screen_;
};

}  // namespace orv::ui
