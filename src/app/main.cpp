// Orvalis: start-up wiring only.
#include <QApplication>
#include <QStringList>
#include <optional>

#include "platform/Program.h"
#include "screens/GameApp.h"

int main(int argc, char** argv) {
    // Whole scale factors keep the pixel art crisp on high-DPI screens.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    orv::ui::ChooseWindowSystem();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvalis"));
    // Ties the windows to the installed menu entry (and its icon) on desktops
    // that match them by name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvalis.Orvalis"));
    orv::ui::InstallErrorBox();

    // "--seed N" replays the same battles; the game itself seeds from the clock.
    std::optional<std::uint32_t> seed;
    const QStringList args = QApplication::arguments();
    const qsizetype at = args.indexOf(QStringLiteral("--seed"));
    if (at >= 0 && at + 1 < args.size()) {
        bool ok = false;
        const uint value = args.at(at + 1).toUInt(&ok);
        if (ok) seed = value;
    }

    orv::ui::GameApp game(seed);
    game.Main();
    return QApplication::exec();
}
