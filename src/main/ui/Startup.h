#pragma once

#include <QString>
#include <functional>

namespace mainwin {

struct StartupOptions {
    QString appDir;    // the data root; app::appDir() for the running program
    QString lockPath;  // the single-instance lock
    // Starts the program again after "数据库设置"; empty for this program's own executable.
    // It is called only once this copy has closed its window (saving the layout, running the
    // backup), closed the database and let go of the lock.
    std::function<void()> startAgain = {};
    // A check that the program starts: the main window closes as soon as it has shown, and a
    // database that asks for a login ends start-up instead, since nobody is there to answer.
    bool closeOnceShown = false;
};

// Starts the program: one copy per machine, the date conventions and Qt's own Chinese texts,
// the data module with the login, then the main window. Returns the exit code once the main
// window has closed, or at once when start-up could not go on (no window is left behind then).
int runProgram(const StartupOptions& options);

}  // namespace mainwin
