// The program's start: the system check, the family's single-instance lock, the main window
// and its event loop.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>

class TFormPGM;

enum class StartRefusal { None, OldSystem, AnotherRunning };

// The refusal message in the user's language; empty for None.
QString RefusalText(StartRefusal refusal, uint32_t locale);

// Checks, takes the family lock, creates and shows the main window and runs the event loop
// (runLoop; QApplication::exec when empty), holding the lock until the window is gone.
// A refusal shows its message and touches nothing else. Returns 0 on every path.
int RunKelpset(const std::function<void(TFormPGM&)>& runLoop = {});
