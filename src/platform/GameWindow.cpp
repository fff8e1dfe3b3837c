#include "platform/GameWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QWindow>

#include "assets/Layouts.h"
#include "platform/Form.h"
#include "platform/MessageBox.h"
#include "platform/Pictures.h"

namespace orv::ui {
namespace {

GameWindow* instance = nullptr;

// A screen has one size, so the window asks for no maximize button (X11
// window managers listen; Wayland title bars show one all the same).
constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
constexpr Qt::WindowStates kWholeScreen = Qt::WindowMaximized | Qt::WindowFullScreen;

}  // namespace

GameWindow::GameWindow() : QWidget(nullptr, kWindowFlags) {
    // On Wayland a maximized window must take the size the desktop gives it,
    // or the desktop cuts the program off: there the window may grow for a
    // moment, and it asks straight back to its screen's size.
    growable_ = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    setObjectName(QStringLiteral("GameWindow"));
    setWindowTitle(QString::fromUtf8(assets::kCaption));
    setWindowIcon(QIcon(StoredPixmap("App.Icon")));
    instance = this;
}

GameWindow::~GameWindow() {
    if (instance == this) instance = nullptr;
}

GameWindow* GameWindow::Instance() {
    return instance;
}

Form* GameWindow::Current() const {
    return qobject_cast<Form*>(current_.data());
}

QPoint GameWindow::ClientPos() const {
    return geometry().topLeft();
}

void GameWindow::MoveClientTo(QPoint pos) {
    // The client area's corner, not the frame's: a desktop that reports no
    // frame would otherwise creep the window by its frame on every move.
    setGeometry(QRect(pos, size()));
}

void GameWindow::Show(Form& form) {
    if (current_ != &form) {
        const QPoint wanted = form.Place();
        const QPoint here = ClientPos();
        QPointer<QWidget> last = current_;
        current_ = &form;
        if (last) {
            last->removeEventFilter(this);
            last->hide();
            // A screen out of the window stays where the window was.
            if (auto* left = qobject_cast<Form*>(last.data())) left->SetPlace(here);
        }
        form.installEventFilter(this);
        form.move(0, 0);
        holdSize(form.size());
        nameRole();
        // Every change of screen copies the place it leaves, so once the
        // window is up this moves nothing.
        if (!isVisible() || wanted != here) MoveClientTo(wanted);
    }
    // With the window up this runs the screen's activation; otherwise
    // showing the window does, just below.
    form.show();
    show();
    if (QWindow* handle = windowHandle()) {
        handle->installEventFilter(this);
        connect(handle, &QWindow::windowStateChanged, this, &GameWindow::stayUnmaximized,
                Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
    }
    raise();
    activateWindow();
    // A screen whose activation chose a control for the keyboard keeps it.
    QWidget* chosen = form.focusWidget();
    (chosen && chosen->isVisible() ? chosen : &form)->setFocus(Qt::OtherFocusReason);
    // Boxes open across the change come back over the new content.
    emit contentResized();
}

void GameWindow::BoxInsideOpened(const QString& kind) {
    boxesInside_.append(kind);
    nameRole();
}

void GameWindow::BoxInsideClosed() {
    if (!boxesInside_.isEmpty()) boxesInside_.removeLast();
    nameRole();
}

void GameWindow::nameRole() {
    // X11 only; elsewhere the role is not the platform's business.
    const QString screen = current_ ? current_->objectName() : QString();
    setWindowRole(boxesInside_.isEmpty() ? screen : screen + '+' + boxesInside_.last());
}

bool GameWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Close && OpenBoxCount() > 0) {
        // A second close while the quit question of the first is up: Qt
        // would take it as accepted without asking and end the game. Where
        // the box is a window of its own it blocks this already.
        event->ignore();
        return true;
    }
    if (watched == current_ && event->type() == QEvent::Resize) {
        // A menu bar that changes its height changes the screen's size.
        holdSize(current_->size());
    }
    return QWidget::eventFilter(watched, event);
}

void GameWindow::holdSize(QSize size) {
    if (!growable_) {
        setFixedSize(size);
        return;
    }
    setMinimumSize(size);
    // A maximized window keeps the desktop's size until it is given back.
    if (!wholeScreen()) resize(size);
}

bool GameWindow::wholeScreen() const {
    const QWindow* handle = windowHandle();
    return handle && (handle->windowStates() & kWholeScreen);
}

void GameWindow::stayUnmaximized() {
    // Queued behind the maximized frame: asked before that frame is up, the
    // desktop would not hear it.
    if (!wholeScreen()) return;
    unmaximizing_ = true;
    windowHandle()->setWindowStates(windowHandle()->windowStates() & ~kWholeScreen);
}

void GameWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // Pulled larger by the desktop: back to the screen's size. Out of a
    // maximized state the desktop itself gives the size back.
    if (growable_ && current_) {
        if (size() == current_->size())
            unmaximizing_ = false;
        else if (!wholeScreen() && !unmaximizing_)
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (current_) resize(current_->size());
                },
                Qt::QueuedConnection);
    }
    emit contentResized();
}

void GameWindow::closeEvent(QCloseEvent* event) {
    // The screen decides: it asks its question, or ends the game. Under an
    // open box the box is answered first, as under any modal box.
    event->ignore();
    if (OpenBoxCount() > 0) return;
    if (Form* form = Current()) form->Unload();
}

}  // namespace orv::ui
