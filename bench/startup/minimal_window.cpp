// The reference for start-up time and memory: the least a Qt Widgets program
// does to show a fixed-size window of the same size as corvane2's.

#include <QApplication>
#include <QWidget>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Vantorel: reference window"));
    window.setFixedSize(757, 573);
    window.show();
    return app.exec();
}
