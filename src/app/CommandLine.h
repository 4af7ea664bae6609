#pragma once

#include <QList>
#include <QString>
#include <optional>
#include <utility>

namespace app {

// The command-line conventions that the program and every tool of the package share:
// "--help" prints the usage on standard output, "--version" the name and version; a command line
// that is not understood is refused on standard error with the usage; errors go to standard error.

// The exit codes of every program of the package.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // the work failed; the reason is on standard error
inline constexpr int kExitUsage = 2;    // the command line was not understood

// What a program tells about its command line.
struct ProgramUsage {
    QString name;      // "cadre-sql"
    QString synopsis;  // the arguments after the name: "FILE STATEMENT"
    QString summary;   // one sentence on what the program does
    // Each argument or option with what it means: {"--out FILE", "要写出的数据库文件"}.
    QList<std::pair<QString, QString>> options;
};

// "cadre-sql 0.1": the name with the version of the package.
QString versionText(const QString& programName);

// The usage as "--help" prints it: the synopsis line, the summary, the options with the two
// standard ones in a column, and the exit codes.
QString usageText(const ProgramUsage& usage);

// Answers "--help" or "--version" when one of `arguments` (without the program's own name) is
// one of them: prints the answer on standard output and gives kExitOk. Gives nullopt when
// neither was asked, and prints nothing then.
std::optional<int> answerHelpOrVersion(const QStringList& arguments, const ProgramUsage& usage);

// Refuses a command line: "<name>: <reason>" and the usage on standard error; gives kExitUsage.
int refuseCommandLine(const ProgramUsage& usage, const QString& reason);

// Writes a failure as "<name>: <message>" on standard error; gives kExitFailure.
int reportFailure(const QString& programName, const QString& message);

}  // namespace app
