// The smallest Qt 6 window, for comparing start-up time and memory.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget w;
    w.setWindowTitle(QStringLiteral("minimal"));
    w.resize(801, 601);
    w.show();
    return QApplication::exec();
}
