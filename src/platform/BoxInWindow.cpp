#include "platform/BoxInWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <vector>

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/GameWindow.h"
#include "platform/MessageBox.h"

namespace orv::ui {
namespace {

class BoxLayer;
// The layers open now, the newest (topmost) last.
std::vector<BoxLayer*> layers;

// Covers the whole window: it takes the clicks meant for the screen below
// and holds the box, in a frame with the box's title, in the middle.
class BoxLayer : public QWidget {
public:
    BoxLayer(GameWindow& window, const QString& title, const QString& kind)
        : QWidget(&window), window_(window) {
        setObjectName(QStringLiteral("BoxLayer"));
        frame_ = new QFrame(this);
        frame_->setFrameStyle(QFrame::Panel | QFrame::Raised);
        frame_->setLineWidth(2);
        frame_->setAutoFillBackground(true);
        auto* column = new QVBoxLayout(frame_);
        column->setContentsMargins(2, 2, 2, 2);
        column->setSpacing(0);
        column->setSizeConstraint(QLayout::SetFixedSize);
        auto* caption = new QLabel(title, frame_);
        caption->setObjectName(QStringLiteral("BoxTitle"));
        caption->setFont(GameFont(9, true));
        caption->setAlignment(Qt::AlignCenter);
        caption->setContentsMargins(8, 3, 8, 3);
        caption->setAutoFillBackground(true);
        caption->setBackgroundRole(QPalette::Highlight);
        caption->setForegroundRole(QPalette::HighlightedText);
        column->addWidget(caption);
        frame_->installEventFilter(this);
        connect(&window, &GameWindow::contentResized, this, [this] { cover(); });
        layers.push_back(this);
        window.BoxInsideOpened(kind);
        // Installed last, so it sees the player's input before anyone else.
        qApp->installEventFilter(this);
        cover();
    }
    ~BoxLayer() override {
        std::erase(layers, this);
        // Not when the window itself is going, taking its layers with it.
        if (GameWindow::Instance() == &window_) window_.BoxInsideClosed();
    }

    void Hold(QMessageBox* box) {
        static_cast<QVBoxLayout*>(frame_->layout())->addWidget(box);
        box_ = box;
    }

    // Over the whole window and above its content, the box in the middle and
    // holding the keyboard: a new screen behind the box may have taken both.
    void cover() {
        setGeometry(window_.rect());
        raise();
        centre();
        // On one of its buttons, as a box window has it: on the box itself,
        // Enter and Space would do nothing.
        QWidget* focus = QApplication::focusWidget();
        if (box_ && !(qobject_cast<QAbstractButton*>(focus) && box_->isAncestorOf(focus))) {
            QWidget* button = box_->focusWidget();
            if (!qobject_cast<QAbstractButton*>(button)) button = box_->defaultButton();
            (button ? button : box_.data())->setFocus(Qt::OtherFocusReason);
        }
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        centre();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == frame_ && event->type() == QEvent::Resize) centre();
        if (watched == frame_ || layers.empty() || layers.back() != this) return false;
        switch (event->type()) {
            case QEvent::Shortcut:
                // A menu entry's shortcut reaches the entry, not a widget.
                return !isAncestorOf(qobject_cast<QWidget*>(watched));
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
                // A lone Alt would wake the menu bar behind the box.
                if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Alt) return true;
                break;
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::Wheel:
                break;
            default:
                return false;
        }
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != &window_) return false;
        return widget != this && !isAncestorOf(widget);
    }

private:
    void centre() {
        frame_->move((width() - frame_->width()) / 2, (height() - frame_->height()) / 2);
    }

    GameWindow& window_;
    QFrame* frame_;
    QPointer<QMessageBox> box_;
};

}  // namespace

bool BoxesInsideWindow() {
    const QString platform = QGuiApplication::platformName();
    // Windows and macOS put a box where its program asks.
    if (platform == QLatin1String("windows") || platform == QLatin1String("cocoa")) return false;
    return platform != QLatin1String("xcb") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

int ExecBoxInWindow(GameWindow& window, QMessageBox::Icon icon, const QString& text,
                    const QString& title, QMessageBox::StandardButtons buttons,
                    const std::function<void(QMessageBox&)>& fill) {
    QPointer<QWidget> focusBefore = QApplication::focusWidget();
    const bool yesNo = buttons.testFlag(QMessageBox::Yes);
    QPointer<BoxLayer> layer = new BoxLayer(window, title, yesNo ? "YesNo" : "Ok");
    QPointer<QMessageBox> box = new QMessageBox(icon, title, text, buttons, layer);
    box->setWindowFlags(Qt::Widget);
    PrepareBox(*box);
    if (fill) fill(*box);
    // Placed by the frame around it, not centred on a parent as a window is.
    box->setAttribute(Qt::WA_Moved);
    layer->Hold(box);
    layer->show();
    layer->cover();
    QTimer::singleShot(0, box, [window = QPointer<GameWindow>(&window), layer] {
        if (!window || !layer) return;
        window->raise();
        window->activateWindow();
        layer->cover();
    });
    // exec() runs a nested event loop: the screens' timers keep ticking.
    const int answer = box->exec();
    delete layer.data();
    // The keyboard goes back where it was, or to the screen now shown.
    if (focusBefore && focusBefore->isVisible()) {
        focusBefore->setFocus(Qt::OtherFocusReason);
    } else if (Form* screen = window.Current()) {
        QWidget* inside = screen->focusWidget();
        (inside && inside->isVisible() ? inside : screen)->setFocus(Qt::OtherFocusReason);
    }
    return answer;
}

}  // namespace orv::ui
