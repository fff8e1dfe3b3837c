#include "platform/FocusRing.h"

#include <QApplication>
#include <QPainter>

namespace orv::ui {
namespace {

constexpr int kMargin = 3;  // pixels between the control and the ring
const QColor kRingDark(0x10, 0x10, 0x10);
const QColor kRingBright(0x00, 0xE0, 0xFF);

}  // namespace

FocusRing::FocusRing(QWidget* screen) : QWidget(screen), screen_(screen) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { follow(now); });
}

void FocusRing::follow(QWidget* now) {
    if (!now || now == screen_ || !screen_->isAncestorOf(now)) {
        // Focus that leaves for a box or another window comes back to the
        // same control; the ring stays where it was meanwhile.
        if (now && now->window() == screen_->window()) hide();
        return;
    }
    const QRect at(now->mapTo(screen_, QPoint(0, 0)), now->size());
    setGeometry(at.adjusted(-kMargin - 2, -kMargin - 2, kMargin + 2, kMargin + 2));
    show();
    raise();
}

void FocusRing::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QPen(kRingDark, 1));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setPen(QPen(kRingBright, 2));
    p.drawRect(rect().adjusted(1, 1, -2, -2));
}

}  // namespace orv::ui
