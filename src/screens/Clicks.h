#pragma once
// Images and bare form backgrounds have no click of their own. A left press
// and its release over the same widget make one, as they always have.
#include <functional>

class QWidget;

namespace orv::ui {

// Runs the handler on each click of the widget. The click is the widget's
// own: it does not travel on to the widget's parent.
void OnClick(QWidget* widget, std::function<void()> handler);

}  // namespace orv::ui
