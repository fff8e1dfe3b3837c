// Orvalis: start-up wiring only.
#include <QApplication>

#include "platform/Program.h"
#include "screens/GameApp.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvalis"));
    orv::ui::InstallErrorBox();

    orv::ui::GameApp game;
    game.Main();
    return QApplication::exec();
}
