#pragma once

#include <QString>

namespace app {

struct StartupOptions {
    QString appDir;    // the data root; app::appDir() for the running program
    QString lockPath;  // the single-instance lock
};

// Starts the program: one copy per machine, the date conventions, the data module with the
// login, then the main window. Returns the exit code once the main window has closed, or at
// once when start-up could not go on (no window is left behind then).
int runProgram(const StartupOptions& options);

}  // namespace app
