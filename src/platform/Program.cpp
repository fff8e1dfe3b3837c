#include "platform/Program.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <cstdio>
#include <cstdlib>

#include "core/Fatal.h"
#include "platform/Controls.h"
#include "platform/GameFiles.h"
#include "platform/MessageBox.h"

namespace orv::ui {

void ChooseWindowSystem() {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return;  // one window system there, and Qt knows it
#endif
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return;
    // Qt itself goes by the session type, which not every desktop sets; and
    // a Wayland desktop without Qt's Wayland plugin still has X11 to offer.
    if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "wayland;xcb");
    else
        qputenv("QT_QPA_PLATFORM", "xcb");
}

void UseFontsBesideTheGame() {
    for (const QString& family : GameFontFamilies())
        if (QFontDatabase::hasFamily(family)) return;
    const QDir fonts(Files().dataFolder + QStringLiteral("/fonts"));
    for (const QString& file : fonts.entryList({QStringLiteral("*.ttf"), QStringLiteral("*.otf")}))
        QFontDatabase::addApplicationFont(fonts.filePath(file));
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
