#pragma once
// The keys a bonus viewer answers: those that move on as its click does, and
// Escape, which leaves.
#include <Qt>

namespace orv::ui {

inline bool IsViewerKey(int key) {
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Escape:
            return true;
        default:
            return false;
    }
}

}  // namespace orv::ui
