#include "platform/Form.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QShowEvent>
#include <QStyleOption>

#include "platform/Controls.h"
#include "platform/GameWindow.h"
#include "platform/MessageBox.h"
#include "platform/Pictures.h"
#include "platform/Twips.h"

namespace orv::ui {

// The area under a form's menu bar; it carries the form's background.
class ClientArea : public QWidget {
public:
    explicit ClientArea(Form* form) : QWidget(form), form_(form) {}

protected:
    void paintEvent(QPaintEvent*) override { form_->paintBackground(this); }

private:
    Form* form_;
};

// The menu bar's entries open no menus, and the style marks an entry only
// while its menu is open: an entry reached from the keyboard would not show.
// Drawn as pressed while the bar holds the keyboard (never under the mouse).
class MenuBarStyle : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (element == CE_MenuBarItem && widget && widget->hasFocus() &&
            (option->state & State_Selected)) {
            if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
                QStyleOptionMenuItem marked = *item;
                marked.state |= State_Sunken;
                QProxyStyle::drawControl(element, &marked, painter, widget);
                return;
            }
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

// Drops the player's input that reaches a screen after it was hidden: a click
// made just before the screen gave way to another may still be on its way to
// it. A screen out of sight takes no clicks and no keys; the boxes, which are
// no part of any screen, still do.
// Updated by the filter below, which sees every press of the game.
static bool lastPressWasKey = false;

class HiddenScreenInput : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
                lastPressWasKey = false;
                break;
            case QEvent::KeyPress:
                lastPressWasKey = true;
                break;
            default:
                break;
        }
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::Shortcut:
                break;
            default:
                return false;
        }
        auto* widget = qobject_cast<QWidget*>(watched);
        Form* form = nullptr;
        for (QWidget* w = widget; w && !form; w = w->parentWidget()) form = qobject_cast<Form*>(w);
        if (!form || form->isVisible()) return false;
        // A press that came before the screen gave way leaves no button
        // pressed for its return.
        if (auto* button = qobject_cast<QAbstractButton*>(widget);
            button && event->type() == QEvent::MouseButtonRelease)
            button->setDown(false);
        return true;
    }
};

bool LastPressWasKey() {
    return lastPressWasKey;
}

Form::Form(const assets::ScreenSpec& spec, GameWindow* window)
    : QWidget(window), spec_(spec), place_(Px(spec.left), Px(spec.top)) {
    setObjectName(QString::fromUtf8(spec.name));
    // Shown by the window, not by being created.
    if (window) hide();
    setWindowTitle(QString::fromUtf8(assets::kCaption));
    setFixedSize(Px(spec.clientWidth), Px(spec.clientHeight));
    if (spec.backColor != assets::kNoColor) {
        QPalette pal = palette();
        pal.setColor(QPalette::Window, FromBgr(spec.backColor));
        setPalette(pal);
        setAutoFillBackground(true);
    }
    if (spec.background) background_ = StoredPixmap(spec.background);
    static HiddenScreenInput* filter = nullptr;
    if (!filter && QCoreApplication::instance()) {
        filter = new HiddenScreenInput(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(filter);
    }
}

Form::~Form() = default;

GameWindow* Form::host() const {
    return qobject_cast<GameWindow*>(parentWidget());
}

bool Form::shownInWindow() const {
    const GameWindow* window = host();
    return window && window->Current() == this;
}

QPoint Form::Place() const {
    return shownInWindow() ? host()->ClientPos() : place_;
}

void Form::SetPlace(QPoint pos) {
    place_ = pos;
    if (shownInWindow()) host()->MoveClientTo(pos);
}

int Form::Top() const {
    return Twips(Place().y());
}
int Form::Left() const {
    return Twips(Place().x());
}
void Form::SetTop(int twips) {
    SetPlace({Place().x(), Px(twips)});
}
void Form::SetLeft(int twips) {
    SetPlace({Px(twips), Place().y()});
}

void Form::ShowForm() {
    if (GameWindow* window = host()) {
        window->Show(*this);
        return;
    }
    show();
    raise();
    activateWindow();
    if (!focusWidget()) setFocus(Qt::OtherFocusReason);
}

bool Form::Unload() {
    if (unloaded_) return true;
    bool cancel = false;
    Form_Unload(cancel);
    // The handler's question may have let the form be unloaded behind it.
    if (unloaded_) return true;
    if (cancel) return false;
    finishUnload();
    return true;
}

void Form::finishUnload() {
    unloaded_ = true;
    hide();
    emit unloaded();
    if (testAttribute(Qt::WA_DeleteOnClose))
        WhenNoBoxOpen([form = QPointer<Form>(this)] {
            if (form) form->deleteLater();
        });
}

QWidget* Form::Client() const {
    return client_ ? client_ : const_cast<Form*>(this);
}

QMenuBar* Form::MenuBar() {
    if (menuBar_) return menuBar_;
    menuBar_ = new QMenuBar(this);
    // A global (desktop) menu bar would leave the window short of its bar.
    menuBar_->setNativeMenuBar(false);
    auto* style = new MenuBarStyle;
    style->setParent(menuBar_);
    menuBar_->setStyle(style);
    menuBar_->setFont(GameFont(9, false));
    menuBar_->installEventFilter(this);
    client_ = new ClientArea(this);
    client_->setObjectName(QStringLiteral("Client"));
    client_->setAutoFillBackground(autoFillBackground());
    layoutClient();
    return menuBar_;
}

QAction* Form::MenuBarAction(const QString& caption, std::function<void()> onClick) {
    QMenuBar* bar = MenuBar();
    auto* action = new QAction(caption, bar);
    action->setObjectName(caption);
    connect(action, &QAction::triggered, this, [this, onClick = std::move(onClick)] {
        // An entry chosen from the keyboard: the bar hands the keys back to
        // the screen first, or a box opened by the entry would give them
        // back to the bar, which keeps Escape for itself.
        if (window()->focusWidget() == menuBar_) {
            menuBar_->clearFocus();
            setFocus(Qt::MenuBarFocusReason);
        }
        onClick();
    });
    bar->addAction(action);
    layoutClient();
    return action;
}

void Form::layoutClient() {
    if (!menuBar_) return;
    const int w = Px(spec_.clientWidth);
    const int h = Px(spec_.clientHeight);
    int barHeight = menuBar_->heightForWidth(w);
    if (barHeight <= 0) barHeight = menuBar_->sizeHint().height();
    setFixedSize(w, barHeight + h);
    menuBar_->setGeometry(0, 0, w, barHeight);
    client_->setGeometry(0, barHeight, w, h);
}

void Form::SetBackground(const QPixmap& picture) {
    background_ = picture;
    Client()->update();
}

void Form::paintBackground(QWidget* surface) {
    if (background_.isNull()) return;
    QPainter p(surface);
    // The client area can be a pixel wider than its picture; keep that seam dark.
    p.fillRect(surface->rect(), Qt::black);
    p.drawPixmap(0, 0, background_);
}

bool Form::eventFilter(QObject* watched, QEvent* event) {
    if (watched == menuBar_ &&
        (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange))
        layoutClient();
    return QWidget::eventFilter(watched, event);
}

void Form::showEvent(QShowEvent* event) {
    layoutClient();
    QWidget::showEvent(event);
    // Coming back from another application or from minimized is not a new
    // activation of the screen; only showing it from the game is.
    if (!event->spontaneous()) Form_Activate();
}

void Form::closeEvent(QCloseEvent* event) {
    // The window system's own close would hide or delete the window on its
    // terms; the unload does both when it is through.
    event->ignore();
    Unload();
}

void Form::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // Under a menu bar the client widget paints the picture.
    if (!client_) paintBackground(this);
}

}  // namespace orv::ui
