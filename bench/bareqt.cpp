// The baseline of the start-up benchmarks: what every Qt program with a main
// window pays before it does any work of its own. Without arguments it makes a
// hidden main window and ends; with --show it shows the window and runs until
// it is ended.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

#include <cstring>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(800, 600);
    if (argc > 1 && std::strcmp(argv[1], "--show") == 0)
        window.show();
    else
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
