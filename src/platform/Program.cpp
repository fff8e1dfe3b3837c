#include "platform/Program.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "core/Fatal.h"
#include "platform/MessageBox.h"

namespace orv::ui {

void ChooseWindowSystem() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return;
    // Qt itself goes by the session type, which not every desktop sets; and
    // a Wayland desktop without Qt's Wayland plugin still has X11 to offer.
    if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "wayland;xcb");
    else
        qputenv("QT_QPA_PLATFORM", "xcb");
}

void InstallErrorBox() {
    SetFatalHandler([](const std::string& message) {
        if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
        ShowErrorBox(QString::fromStdString(message), QStringLiteral("Orvalis: error"));
    });
}

void EndProgram(int status) {
    std::fflush(nullptr);
    // Quit without unwinding: no handler of a screen may run after this.
    std::_Exit(status);
}

}  // namespace orv::ui
