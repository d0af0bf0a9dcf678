// The floor under the program's first frame: a main window holding the kinds of controls the
// program's window is made of, with its texts, sizes and fonts, but nothing of the program (no
// drill, no translations, no pictures decoded, no accessibility, no layout to fit). It takes the
// program's style, which fetches the menu bar's overflow arrow only when drawn. scripts/bench
// runs it against the bare window in every start-up case.

#include "form/deferred_icons.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

int main(int, char *argv[]) {
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    UseDeferredIconStyle();
    QMainWindow window;
    auto *surface = new QWidget(&window);
    window.setCentralWidget(surface);
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("File"));
    file->addAction(QStringLiteral("Reset"));
    file->addSeparator();
    file->addAction(QStringLiteral("Exit"));
    QMenu *tools = window.menuBar()->addMenu(QStringLiteral("Tools"));
    tools->addAction(QStringLiteral("Randomize"))->setCheckable(true);
    tools->addSeparator();
    tools->addAction(QStringLiteral("Range 0-9"))->setCheckable(true);
    tools->addAction(QStringLiteral("Range 0-12"))->setCheckable(true);
    window.menuBar()->addMenu(QStringLiteral("Help"))->addAction(QStringLiteral("About..."));

    const auto place = [surface](QWidget *w, int x, int y, int width, int height) {
        w->setParent(surface);
        w->setGeometry(x / 15, y / 15, width / 15, height / 15);
        return w;
    };
    QPixmap card(214, 277);
    card.fill(Qt::white);
    place(new QLabel, 360, 360, 3210, 4155)->setProperty("pixmap", card);
    QFont big(QStringLiteral("Liberation Sans"));
    big.setPixelSize(48);
    big.setBold(true);
    for (const auto &[text, x, y] :
         {std::tuple("12", 720, 600), std::tuple("12", 1200, 1560), std::tuple("144", 480, 2880)})
        place(new QLabel(QString::fromLatin1(text)), x, y, 1935, 855)->setFont(big);
    place(new QFrame, 480, 2655, 2190, 75)->setProperty("frameShape", QFrame::HLine);
    auto *group = new QButtonGroup(surface);
    const char *operations[] = {"addition", "subtraction", "multiplication", "division"};
    for (int i = 0; i < 4; ++i)
        group->addButton(
            static_cast<QRadioButton *>(place(new QRadioButton(QString::fromLatin1(operations[i])),
                                              4200, 1320 + 520 * i, 1815, 495)));
    group->buttons().first()->setChecked(true);
    for (int i = 0; i < 4; ++i)
        place(new QPushButton(QString::number(20 + i)), 360 + 1200 * i, 5280, 855, 495);
    place(new QPushButton(QStringLiteral("Next Card")), 4080, 3840, 1215, 495);
    for (const auto &[text, x] : {std::pair("Correct: 0", 480), std::pair("Incorrect: 0", 2040),
                                  std::pair("Range 0-9", 3600)})
        place(new QLabel(QString::fromLatin1(text)), x, 6000, 1215, 255);
    surface->setFixedSize(395, 423);
    window.show();
    return QApplication::exec();
}
