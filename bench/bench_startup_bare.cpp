// The least a Qt Widgets program does to put a window up: a main window with one label.

#include "first_frame.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int, char *argv[]) {
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QMainWindow window;
    auto *label = new QLabel(QStringLiteral("Zembrofact"), &window);
    window.setCentralWidget(label);
    FirstFrame::Probe probe(label);
    window.show();
    return QApplication::exec();
}
