#pragma once
// Helpers shared by the screen benchmarks: resident memory, waiting on the
// event loop, and noticing paints.
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <QPaintEvent>
#include <functional>

namespace orv::bench {

inline long ResidentKb() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// Runs the event loop until `done`. The benchmarks run outside exec(), where
// nothing deletes a screen that was left; do it here, as the game's own loop does.
inline void WaitFor(const std::function<bool()>& done) {
    while (!done()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// Notes a paint of the watched widget, or of one rectangle of it when set.
class PaintWatch : public QObject {
public:
    QRect area;
    bool painted = false;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint &&
            (area.isNull() || static_cast<QPaintEvent*>(e)->rect().intersects(area)))
            painted = true;
        return false;
    }
};

}  // namespace orv::bench
