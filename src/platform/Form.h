#pragma once
// A screen of the game with the life cycle the game is built around: load
// once when created, activate each time it is shown, unload with a chance to
// cancel (the user closing the window, or code). The screens take turns as
// the content of the one game window; Top and Left, in twips, are where the
// window's client area stands while the screen is shown, and where it is to
// stand when it is shown next.
//
// Unloading is the form's own business, not the window system's: the unload
// from code must work even while the user's close of the same window is still
// asking its question. An unloaded form is hidden at once; one marked
// Qt::WA_DeleteOnClose is deleted once no box is open any more, so a box's
// event loop never outlives the form it was opened from.
//
// A form may carry a menu bar. Its controls then live on a client widget under
// the bar, and the window grows by the bar's height so the client area keeps
// the size of the screen's table.
#include <QPixmap>
#include <QWidget>
#include <functional>

#include "assets/Layouts.h"

class QAction;
class QMenuBar;

namespace orv::ui {

class GameWindow;

// Whether the player's latest press was a key rather than a mouse button. The
// marks only keyboard play needs - a cursor cell, a focus ring - are for the
// keyboard player; the mouse player sees the screens as they were designed.
bool LastPressWasKey();

class Form : public QWidget {
    Q_OBJECT
public:
    // A screen of `window`; without one (tests) the form is a window itself.
    explicit Form(const assets::ScreenSpec& spec, GameWindow* window = nullptr);
    ~Form() override;

    const assets::ScreenSpec& Spec() const { return spec_; }

    int Top() const;
    int Left() const;
    void SetTop(int twips);
    void SetLeft(int twips);
    // The same in logical pixels.
    QPoint Place() const;
    void SetPlace(QPoint pos);

    // Shows the form (runs Form_Activate) as the game window's content, and
    // gives it the focus.
    void ShowForm();
    // Unloads the form through Form_Unload; returns false when it was
    // cancelled. A form unloaded already stays unloaded (returns true).
    bool Unload();
    bool IsUnloaded() const { return unloaded_; }

    // Where the controls go: the widget under the menu bar, or the form itself
    // while it has none. Ask for the menu bar before building controls.
    QWidget* Client() const;
    // The form's menu bar, created on first use.
    QMenuBar* MenuBar();
    // A top-level menu-bar entry that acts on a click, without a drop-down.
    QAction* MenuBarAction(const QString& caption, std::function<void()> onClick);

signals:
    void unloaded();

protected:
    virtual void Form_Activate() {}
    // Set cancel to keep the form open.
    virtual void Form_Unload(bool& cancel) { (void)cancel; }

    void SetBackground(const QPixmap& picture);

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class ClientArea;
    GameWindow* host() const;
    bool shownInWindow() const;
    void paintBackground(QWidget* surface);
    void layoutClient();
    void finishUnload();

    const assets::ScreenSpec& spec_;
    QPixmap background_;
    QMenuBar* menuBar_ = nullptr;
    QWidget* client_ = nullptr;
    QPoint place_;
    bool unloaded_ = false;
};

}  // namespace orv::ui
