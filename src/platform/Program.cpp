#include "platform/Program.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

#include "core/Fatal.h"

namespace orv::ui {

void InstallErrorBox() {
    SetFatalHandler([](const std::string& message) {
        if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Orvalis: error"),
                        QString::fromStdString(message), QMessageBox::Ok);
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
        box.exec();
    });
}

void EndProgram(int status) {
    std::fflush(nullptr);
    // Quit without unwinding: no handler of a screen may run after this.
    std::_Exit(status);
}

}  // namespace orv::ui
