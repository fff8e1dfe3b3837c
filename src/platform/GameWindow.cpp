#include "platform/GameWindow.h"

#include <QCloseEvent>
#include <QIcon>

#include "assets/Layouts.h"
#include "platform/Form.h"
#include "platform/MessageBox.h"
#include "platform/Pictures.h"

namespace orv::ui {
namespace {

GameWindow* instance = nullptr;

}  // namespace

GameWindow::GameWindow() : QWidget(nullptr, Qt::Window) {
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
        setFixedSize(form.size());
        // X11 only; elsewhere the role is not the platform's business.
        setWindowRole(form.objectName());
        // Every change of screen copies the place it leaves, so once the
        // window is up this moves nothing.
        if (!isVisible() || wanted != here) MoveClientTo(wanted);
    }
    // With the window up this runs the screen's activation; otherwise
    // showing the window does, just below.
    form.show();
    show();
    raise();
    activateWindow();
    // A screen whose activation chose a control for the keyboard keeps it.
    QWidget* chosen = form.focusWidget();
    (chosen && chosen->isVisible() ? chosen : &form)->setFocus(Qt::OtherFocusReason);
    // Boxes open across the change come back over the new content.
    emit contentResized();
}

bool GameWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == current_ && event->type() == QEvent::Resize) {
        // A menu bar that changes its height changes the screen's size.
        setFixedSize(current_->size());
    }
    return QWidget::eventFilter(watched, event);
}

void GameWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
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
