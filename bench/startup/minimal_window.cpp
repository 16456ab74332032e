// The references for start-up time and memory: the least a Qt Widgets program
// does to show a fixed-size window of corvane2's size. minimal_window shows
// one line of text in the default font, as every window that says anything
// must; bare_window shows none, so it never loads the font database.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Vantorel: reference window"));
    window.setFixedSize(757, 573);
#ifndef BARE_WINDOW
    QLabel caption(QStringLiteral("0"), &window);
#endif
    window.show();
    return app.exec();
}
