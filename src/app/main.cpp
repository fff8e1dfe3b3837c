// Orvalis: start-up wiring and the command line only.
#include <QApplication>
#include <cstdio>

#include "app/Answers.h"
#include "app/CommandLine.h"
#include "platform/Language.h"
#include "platform/Program.h"
#include "screens/GameApp.h"

int main(int argc, char** argv) {
    // Before any window: --help and --version need no display at all.
    const orv::app::Answers answers = orv::app::OpenAnswers();
    const orv::app::CommandLine line =
        orv::app::ReadCommandLine(argc, argv, answers.out, answers.err);
    if (line.exitStatus) {
        orv::app::ShowAnswers(answers, *line.exitStatus, argc, argv);
        return *line.exitStatus;
    }
    if (!orv::app::DisplayToOpen(stderr)) return 1;

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
    orv::ui::UseFontsBesideTheGame();
    using orv::ui::Language;
    orv::ui::UseLanguage(line.language == "en"   ? Language::English
                         : line.language == "ja" ? Language::Japanese
                                                 : orv::ui::LanguageOfLocale());

    orv::ui::GameApp game(line.seed);
    game.Main();
    return QApplication::exec();
}
