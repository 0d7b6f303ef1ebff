// Kelpset's real start-up (system check, family lock, main window with its common data),
// in the program folder given as the only argument; the program ends once the window is shown.
#include "app/ProgramFile.h"
#include "app/Startup.h"
#include "bench/startup/shown_clock.h"
#include "editor/TFormPGM.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2)
        return 2;
    setProgramFileOverride(std::string(argv[1]) + "/kelpset");
    return RunKelpset([](TFormPGM& window) {
        reportShownAndQuit(window);
        QApplication::exec();
    });
}
