#include "platform/Program.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "core/Fatal.h"
#include "platform/MessageBox.h"

namespace orv::ui {

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
