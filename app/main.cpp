// Starts the calculator: its one window, until the user closes it.
#include "window/main_window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    lens::MainWindow window;
    window.show();
    return app.exec();
}
