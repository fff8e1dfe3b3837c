// Orvalis: start-up wiring only.
#include <QApplication>

#include "platform/Program.h"
#include "screens/GameApp.h"

int main(int argc, char** argv) {
    // Whole scale factors keep the pixel art crisp on high-DPI screens.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvalis"));
    orv::ui::InstallErrorBox();

    orv::ui::GameApp game;
    game.Main();
    return QApplication::exec();
}
