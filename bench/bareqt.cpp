// The baseline of the start-up benchmark: what every Qt program with a main
// window pays before it does any work of its own.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(800, 600);
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
