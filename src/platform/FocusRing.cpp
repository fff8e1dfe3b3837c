#include "platform/FocusRing.h"

#include <QApplication>
#include <QFocusEvent>
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
    qApp->installEventFilter(this);
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    const bool inside = widget && (widget == screen_ || screen_->isAncestorOf(widget));
    if (!inside) return false;
    switch (event->type()) {
        case QEvent::Show:
            // Each visit to the screen starts as the mouse player sees it.
            if (widget == screen_ && !event->spontaneous()) keyboard_ = false;
            break;
        case QEvent::MouseButtonPress:
            keyboard_ = false;
            hide();
            break;
        case QEvent::FocusIn: {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) keyboard_ = true;
            // Focus back from a box keeps the ring as it was.
            follow(widget);
            break;
        }
        default:
            break;
    }
    return false;
}

void FocusRing::follow(QWidget* now) {
    if (!keyboard_ || now == screen_) {
        hide();
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
