// The least a Qt Widgets program does to put a window up: a main window with one label, at the
// size given in ZF_BENCH_SIZE (WIDTHxHEIGHT), the program's.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int, char *argv[]) {
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Zembrofact"), &window));
    const QStringList size = qEnvironmentVariable("ZF_BENCH_SIZE").split(u'x');
    if (size.size() == 2)
        window.setFixedSize(size[0].toInt(), size[1].toInt());
    window.show();
    return QApplication::exec();
}
