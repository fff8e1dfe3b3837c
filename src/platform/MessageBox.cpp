#include "platform/MessageBox.h"

#include <QMessageBox>
#include <QTimer>
#include <utility>

#include "platform/Controls.h"

namespace orv::ui {
namespace {

BoxResponder& responderSlot() {
    static BoxResponder responder;
    return responder;
}

}  // namespace

void SetBoxResponder(BoxResponder responder) {
    responderSlot() = std::move(responder);
}

BoxAnswer ShowBox(QWidget* parent, const QString& text, const QString& title, BoxButtons buttons) {
    if (const BoxResponder& responder = responderSlot()) return responder(text, title, buttons);

    const bool yesNo = buttons == BoxButtons::YesNo;
    QMessageBox box(QMessageBox::NoIcon, title, text,
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    box.setFont(GameFont(9, false));
    // The game's boxes come to the front even when another window has the focus.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    QTimer::singleShot(0, &box, [&box] {
        box.raise();
        box.activateWindow();
    });
    // exec() runs a nested event loop: the screens' timers keep ticking.
    const int answer = box.exec();
    if (!yesNo) return BoxAnswer::Ok;
    return answer == QMessageBox::Yes ? BoxAnswer::Yes : BoxAnswer::No;
}

}  // namespace orv::ui
