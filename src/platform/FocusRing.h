#pragma once
// A ring drawn around whichever control of a screen has the keyboard's focus,
// once the player moves the focus with a key. The game's buttons are pictures
// and its option boxes have no caption, so neither shows its focus by itself;
// the ring does, for the keyboard player only: it comes with Tab, Shift+Tab
// or an arrow key, and goes with a click or a new visit to the screen.
#include <QWidget>

namespace orv::ui {

class FocusRing : public QWidget {
    Q_OBJECT
public:
    // Follows the focus among the children of `screen`.
    explicit FocusRing(QWidget* screen);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(QWidget* now);

    QWidget* screen_;
    bool keyboard_ = false;  // the focus was last moved by a key
};

}  // namespace orv::ui
