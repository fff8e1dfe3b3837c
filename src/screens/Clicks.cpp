#include "screens/Clicks.h"

#include <QMouseEvent>
#include <QObject>
#include <QWidget>

namespace orv::ui {
namespace {

class ClickFilter : public QObject {
public:
    ClickFilter(QWidget* widget, std::function<void()> handler)
        : QObject(widget), widget_(widget), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != widget_) return false;
        if (event->type() != QEvent::MouseButtonPress &&
            event->type() != QEvent::MouseButtonRelease &&
            event->type() != QEvent::MouseButtonDblClick)
            return false;
        const auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() != Qt::LeftButton) return false;
        if (event->type() == QEvent::MouseButtonRelease) {
            const bool click = pressed_ && widget_->rect().contains(me->position().toPoint());
            pressed_ = false;
            if (click) handler_();
        } else {
            // The second press of a double click is no click of its own.
            pressed_ = event->type() == QEvent::MouseButtonPress;
        }
        return true;
    }

private:
    QWidget* widget_;
    std::function<void()> handler_;
    bool pressed_ = false;
};

}  // namespace

void OnClick(QWidget* widget, std::function<void()> handler) {
    widget->installEventFilter(new ClickFilter(widget, std::move(handler)));
}

}  // namespace orv::ui
