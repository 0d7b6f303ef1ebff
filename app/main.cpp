// Kelpset: reads a diving watch's settings, lets its owner edit them and writes them back.
#include "app/Startup.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return RunKelpset();
}
