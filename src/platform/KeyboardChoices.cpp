#include "platform/KeyboardChoices.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace orv::ui {
namespace {

class ChoiceKeys : public QObject {
public:
    ChoiceKeys(const QList<QAbstractButton*>& choices, QObject* parent)
        : QObject(parent), choices_(choices) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        auto* button = static_cast<QAbstractButton*>(watched);
        switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Up:
            case Qt::Key_Left:
                return step(button, -1);
            case Qt::Key_Down:
            case Qt::Key_Right:
                return step(button, +1);
            case Qt::Key_Return:
            case Qt::Key_Enter:
                button->click();
                return true;
            default:
                return false;
        }
    }

private:
    // The next choice in sight, round the ends.
    bool step(QAbstractButton* from, int direction) {
        const qsizetype n = choices_.size();
        const qsizetype at = choices_.indexOf(from);
        for (qsizetype i = 1; i < n; ++i) {
            QAbstractButton* next = choices_[((at + direction * i) % n + n) % n];
            if (!next->isHidden() && next->isEnabled()) {
                next->setFocus(direction > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
                return true;
            }
        }
        return true;
    }

    QList<QAbstractButton*> choices_;
};

}  // namespace

void MakeKeyboardChoices(const QList<QAbstractButton*>& choices) {
    if (choices.isEmpty()) return;
    auto* keys = new ChoiceKeys(choices, choices.first());
    for (qsizetype i = 0; i < choices.size(); ++i) {
        choices[i]->setFocusPolicy(Qt::TabFocus);
        choices[i]->installEventFilter(keys);
        if (i > 0) QWidget::setTabOrder(choices[i - 1], choices[i]);
    }
}

}  // namespace orv::ui
