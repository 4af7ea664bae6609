#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// One run of a program of the package: its exit code and what it wrote.
struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs `program` with `arguments` in `environment` and waits for it to end (a minute at most;
// a program still running then is killed and gives exit code -1).
inline ProgramRun runProgram(
    const QString& program, const QStringList& arguments,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(environment);
    p.start(program, arguments);
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}
