#include "platform/OutOfSight.h"

#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace orv::ui {

namespace {

constexpr const char* kOutOfSight = "orvalisOutOfSight";

class OutOfSightAccessible : public QAccessibleWidget {
public:
    explicit OutOfSightAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::StaticText) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        s.offscreen = true;
        return s;
    }
};

QAccessibleInterface* outOfSightFactory(const QString&, QObject* object) {
    if (object && object->isWidgetType() && object->property(kOutOfSight).toBool())
        return new OutOfSightAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

}  // namespace

void MarkOutOfSight(QWidget* w) {
    static const bool installed = [] {
        QAccessible::installFactory(outOfSightFactory);
        return true;
    }();
    (void)installed;
    w->setProperty(kOutOfSight, true);
}

}  // namespace orv::ui
