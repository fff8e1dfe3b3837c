#include "app/Answers.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace orv::app {

Answers OpenAnswers() {
    Answers answers;
#if defined(_WIN32)
    // A program for the desktop gets no console of its own: it speaks to
    // the one it was started from, or into a file its output was sent to.
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    if (output && output != INVALID_HANDLE_VALUE && GetFileType(output) != FILE_TYPE_UNKNOWN)
        return answers;
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::freopen("CONOUT$", "w", stdout);
        std::freopen("CONOUT$", "w", stderr);
        return answers;
    }
    if (std::FILE* scratch = std::tmpfile()) answers = {scratch, scratch, true};
#endif
    return answers;
}

void ShowAnswers(const Answers& answers, int status, int& argc, char** argv) {
    if (!answers.inABox) return;
    QByteArray said;
    std::rewind(answers.out);
    char chunk[512];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, answers.out)) > 0;)
        said.append(chunk, qsizetype(n));
    QApplication app(argc, argv);
    QMessageBox box(status == 0 ? QMessageBox::Information : QMessageBox::Warning,
                    QStringLiteral("Orvalis"), QString::fromUtf8(said).trimmed());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace orv::app
