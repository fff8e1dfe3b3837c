#pragma once
// The game's one top-level window. The screens are its content in turn: a
// change of screen swaps the content and gives the window the new screen's
// size, so the next screen stands exactly where the last one stood on every
// desktop - also on Wayland, where a program cannot place its windows.
//
// The window carries the caption, the icon and, as its role, the name of the
// screen it shows (the desktop's tools and the end-to-end tests tell the
// screens apart by it). Closing the window is closing the screen it shows.
#include <QPointer>
#include <QStringList>
#include <QWidget>

namespace orv::ui {

class Form;

class GameWindow : public QWidget {
    Q_OBJECT
public:
    GameWindow();
    ~GameWindow() override;

    // The game's window while there is one (boxes and error boxes open over it).
    static GameWindow* Instance();

    // Makes `form` the content: the last one is hidden first, so two screens
    // never show at once. The window keeps its place once it is on screen;
    // only the first screen, or one placed elsewhere on purpose, moves it.
    void Show(Form& form);
    Form* Current() const;

    // A box drawn inside the window opens or closes. Its kind ("YesNo" or
    // "Ok") follows the screen's name in the role, so that the desktop's
    // tools learn of a box they cannot see as a window ("ACD_Main+YesNo").
    void BoxInsideOpened(const QString& kind);
    void BoxInsideClosed();

    // Where the client area stands, in logical pixels.
    QPoint ClientPos() const;
    void MoveClientTo(QPoint pos);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

signals:
    // The content changed size or the window did: boxes inside it re-centre.
    void contentResized();

private:
    void holdSize(QSize size);
    void stayUnmaximized();
    bool wholeScreen() const;

    void nameRole();

    QStringList boxesInside_;  // the kinds of the boxes drawn inside, the top one last
    bool growable_ = false;
    bool unmaximizing_ = false;

    // Not a QPointer<Form>: the window still hears from a screen that is
    // half destroyed, no longer a Form.
    QPointer<QWidget> current_;
};

}  // namespace orv::ui
