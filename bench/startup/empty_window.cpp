// The yardstick: an empty main window, shown, and the program ends.
#include "bench/startup/shown_clock.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.show();
    reportShownAndQuit(window);
    return app.exec();
}
