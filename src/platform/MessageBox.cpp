#include "platform/MessageBox.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <utility>
#include <vector>

#include "platform/BoxInWindow.h"
#include "platform/Controls.h"
#include "platform/GameWindow.h"

namespace orv::ui {
namespace {

BoxResponder& responderSlot() {
    static BoxResponder responder;
    return responder;
}

int openBoxes = 0;

std::vector<std::function<void()>>& waitingTasks() {
    static std::vector<std::function<void()>> tasks;
    return tasks;
}

// Counts a box as open for as long as it lives on the stack.
class OpenBox {
public:
    OpenBox() { ++openBoxes; }
    ~OpenBox() {
        if (--openBoxes > 0) return;
        // A task may open a box of its own; it waits for the next round.
        std::vector<std::function<void()>> tasks = std::exchange(waitingTasks(), {});
        for (auto& task : tasks) task();
    }
    OpenBox(const OpenBox&) = delete;
    OpenBox& operator=(const OpenBox&) = delete;
};

// Runs the box and returns the button pressed; the box is gone afterwards.
int execBox(QWidget* parent, QMessageBox::Icon icon, const QString& text, const QString& title,
            QMessageBox::StandardButtons buttons, const BoxFill& fill = {}) {
    // The game window owns every box, whichever screen asked: a box open
    // across a change of screen stays over the window.
    QWidget* window = parent ? parent->window() : GameWindow::Instance();
    if (auto* game = qobject_cast<GameWindow*>(window); game && BoxesInsideWindow())
        return ExecBoxInWindow(*game, icon, text, title, buttons, fill);
    // On the heap: the box must never be a stack object that its parent's
    // destructor could try to delete.
    QPointer<QMessageBox> box = new QMessageBox(icon, title, text, buttons, window);
    PrepareBox(*box);
    if (fill) fill(*box);
    // A title bar with a close button only: minimizing a box would take the
    // whole game with it. The game's boxes come to the front even when
    // another window has the focus.
    box->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    QTimer::singleShot(0, box, [box] {
        box->raise();
        box->activateWindow();
    });
    // exec() runs a nested event loop: the screens' timers keep ticking.
    const int answer = box->exec();
    delete box.data();
    return answer;
}

}  // namespace

void PrepareBox(QMessageBox& box) {
    box.setFont(GameFont(9, false));
    // As wide as its title needs: a desktop cuts a longer title to "...".
    // The room beside the words holds the title bar's buttons (a window
    // manager may show minimize and maximize whatever the box asks for).
    constexpr int kTitleBarRoom = 120;
    const int titleNeeds =
        QFontMetrics(GameFont(9, true)).horizontalAdvance(box.windowTitle()) + kTitleBarRoom;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(titleNeeds, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    // Enter and Space take the first button (Yes, or OK), and the keyboard
    // starts on it, whichever way the box is shown.
    for (QMessageBox::StandardButton first : {QMessageBox::Yes, QMessageBox::Ok})
        if (box.button(first)) {
            box.setDefaultButton(first);
            break;
        }
}

void SetBoxResponder(BoxResponder responder) {
    responderSlot() = std::move(responder);
}

int OpenBoxCount() {
    return openBoxes;
}

void WhenNoBoxOpen(std::function<void()> task) {
    if (openBoxes == 0) {
        task();
        return;
    }
    waitingTasks().push_back(std::move(task));
}

BoxAnswer ShowBox(QWidget* parent, const QString& text, const QString& title, BoxButtons buttons) {
    OpenBox open;
    if (const BoxResponder responder = responderSlot()) return responder(text, title, buttons);
    const bool yesNo = buttons == BoxButtons::YesNo;
    const int answer = execBox(parent, QMessageBox::NoIcon, text, title,
                               yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
    if (!yesNo) return BoxAnswer::Ok;
    return answer == QMessageBox::Yes ? BoxAnswer::Yes : BoxAnswer::No;
}

int ShowRichBox(QWidget* parent, const QString& title, const BoxFill& fill) {
    OpenBox open;
    if (const BoxResponder responder = responderSlot()) {
        responder(QString(), title, BoxButtons::Ok);
        return QMessageBox::Ok;
    }
    return execBox(parent, QMessageBox::NoIcon, QString(), title, QMessageBox::Ok, fill);
}

void ShowErrorBox(const QString& text, const QString& title) {
    OpenBox open;
    execBox(nullptr, QMessageBox::Critical, text, title, QMessageBox::Ok);
}

}  // namespace orv::ui
