#pragma once
// The battle screen's event connector: raising a game event runs every
// handler of it, synchronously, before SetEvent_Connecter returns.
#include <QObject>
#include <string>

namespace orv::ui {

class EventLuncher : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    void SetEvent_Connecter(std::string& Name) { emit esGameCallBack(Name); }

signals:
    void esGameCallBack(std::string& Name);
};

}  // namespace orv::ui
