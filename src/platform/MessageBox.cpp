#include "platform/MessageBox.h"

#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <utility>
#include <vector>

#include "platform/Controls.h"

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

BoxAnswer execBox(QWidget* parent, const QString& text, const QString& title, BoxButtons buttons) {
    const bool yesNo = buttons == BoxButtons::YesNo;
    // On the heap: the box must never be a stack object that its parent's
    // destructor could try to delete.
    QPointer<QMessageBox> box =
        new QMessageBox(QMessageBox::NoIcon, title, text,
                        yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    box->setFont(GameFont(9, false));
    // The game's boxes come to the front even when another window has the focus.
    box->setWindowFlag(Qt::WindowStaysOnTopHint);
    QTimer::singleShot(0, box, [box] {
        box->raise();
        box->activateWindow();
    });
    // exec() runs a nested event loop: the screens' timers keep ticking.
    const int answer = box->exec();
    delete box.data();
    if (!yesNo) return BoxAnswer::Ok;
    return answer == QMessageBox::Yes ? BoxAnswer::Yes : BoxAnswer::No;
}

}  // namespace

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
    return execBox(parent, text, title, buttons);
}

}  // namespace orv::ui
