// Starts the calculator: its one window, until the user closes it.
#include "window/look.h"
#include "window/main_window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    lens::useOneLook();
    // Ties the window to its desktop entry (and so its icon) where Wayland matches them by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.lenscalc.LensCalculator"));
    lens::MainWindow window;
    window.show();
    return app.exec();
}
