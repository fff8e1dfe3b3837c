#pragma once
// Builds the visible controls of a screen from its geometry table: buttons,
// check boxes, images, labels, picture boxes and lines. Grids, timers, menus
// and picture strips are the screen's own business.
#include <QFont>
#include <QHash>
#include <QString>
#include <QWidget>

#include "assets/Layouts.h"

class QTimer;

namespace orv::ui {

// "Name" for a plain control, "Name(2)" for an element of a control array.
QString ControlKey(const char* name, int index = -1);

class Controls {
public:
    Controls() = default;
    Controls(QWidget* parent, const assets::ScreenSpec& spec);

    QWidget* Get(const char* name, int index = -1) const;
    template <typename T>
    T* As(const char* name, int index = -1) const {
        return static_cast<T*>(Get(name, index));
    }
    const QHash<QString, QWidget*>& All() const { return widgets_; }

private:
    QHash<QString, QWidget*> widgets_;
};

// Gives a timer the interval of its table entry; returns whether the table
// has it enabled when the screen is created (the screen starts it).
bool TimerFromTable(QTimer& timer, const assets::ScreenSpec& spec, const char* name);

// The game's Japanese gothic face, with stand-ins for systems without it.
QFont GameFont(int points, bool bold);
// Its families, the game's own first.
QStringList GameFontFamilies();

// 0x00BBGGRR to a Qt colour.
QColor FromBgr(Long color);

}  // namespace orv::ui
