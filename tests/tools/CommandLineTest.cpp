#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "ProgramRun.h"
#include "support/QtPrinters.h"

namespace {

struct Program {
    QString name;
    QString path;
};

std::vector<Program> programs() {
    std::vector<Program> list{
        {QStringLiteral("cadre"), QStringLiteral(CADRE_PROGRAM_PATH)},
        {QStringLiteral("cadre-sql"), QStringLiteral(CADRE_SQL_PATH)},
        {QStringLiteral("cadre-migrate"), QStringLiteral(CADRE_MIGRATE_PATH)},
        {QStringLiteral("cadre-handheld"), QStringLiteral(CADRE_HANDHELD_PATH)}};
#ifdef CADRE_GENERATE_PATH
    list.push_back({QStringLiteral("cadre-generate"), QStringLiteral(CADRE_GENERATE_PATH)});
#endif
    return list;
}

// No display at all: help and version must not need one.
QProcessEnvironment withoutDisplay() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    return environment;
}

TEST(CommandLine, EveryProgramAnswersHelpAndVersionOnStandardOutput) {
    for (const Program& program : programs()) {
        SCOPED_TRACE(program.name.toStdString());
        const ProgramRun help =
            runProgram(program.path, {QStringLiteral("--help")}, withoutDisplay());
        EXPECT_EQ(help.exitCode, 0) << help.err;
        EXPECT_TRUE(help.out.startsWith(QStringLiteral("用法：") + program.name + u' ') ||
                    help.out.startsWith(QStringLiteral("用法：") + program.name + u'\n'))
            << help.out;
        EXPECT_TRUE(help.out.contains(QStringLiteral("--version"))) << help.out;
        EXPECT_TRUE(help.err.isEmpty()) << help.err;

        const ProgramRun version =
            runProgram(program.path, {QStringLiteral("--version")}, withoutDisplay());
        EXPECT_EQ(version.exitCode, 0) << version.err;
        EXPECT_EQ(version.out, program.name + u' ' + QStringLiteral(CADRE_VERSION) + u'\n');
        EXPECT_TRUE(version.err.isEmpty()) << version.err;
    }
}

TEST(CommandLine, EveryProgramRefusesAnUnknownOptionWithItsUsageOnStandardError) {
    for (const Program& program : programs()) {
        SCOPED_TRACE(program.name.toStdString());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        const ProgramRun run =
            runProgram(program.path, {QStringLiteral("--no-such-option")}, environment);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.out.isEmpty()) << run.out;
        EXPECT_TRUE(run.err.contains(program.name + QStringLiteral(": "))) << run.err;
        EXPECT_TRUE(run.err.contains(QStringLiteral("--no-such-option"))) << run.err;
        EXPECT_TRUE(run.err.contains(QStringLiteral("用法：") + program.name)) << run.err;
    }
}

// A failure of the work itself: exit code 1 and the reason, after the program's name, on
// standard error.
TEST(CommandLine, AFailureIsReportedOnStandardErrorWithExitCodeOne) {
    QTemporaryDir dir;
    std::vector<std::pair<QString, QStringList>> failing{
        {QStringLiteral(CADRE_SQL_PATH),
         {dir.filePath(QStringLiteral("x.db")), QStringLiteral("select from where")}},
        {QStringLiteral(CADRE_SQL_PATH),
         {dir.filePath(QStringLiteral("no/such/folder/x.db")), QStringLiteral("select 1")}},
        // An Access file without the program's tables, and a file that is no Access file.
        {QStringLiteral(CADRE_MIGRATE_PATH),
         {QStringLiteral(CADRE_ACCESS_FIXTURES "/nwind.mdb"),
          dir.filePath(QStringLiteral("n.db"))}},
        {QStringLiteral(CADRE_MIGRATE_PATH),
         {QStringLiteral(CADRE_ACCESS_FIXTURES "/README.md"),
          dir.filePath(QStringLiteral("r.db"))}},
    };
#ifdef CADRE_GENERATE_PATH
    failing.push_back({QStringLiteral(CADRE_GENERATE_PATH),
                       {QStringLiteral("--cadres"), QStringLiteral("10"), QStringLiteral("--out"),
                        dir.filePath(QStringLiteral("g.db")), QStringLiteral("--template"),
                        dir.filePath(QStringLiteral("missing.db"))}});
#endif
    for (const auto& [path, arguments] : failing) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const ProgramRun run = runProgram(path, arguments);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.out.isEmpty()) << run.out;
        EXPECT_TRUE(run.err.startsWith(QFileInfo(path).fileName() + QStringLiteral(": ")))
            << run.err;
    }
    // The migration wrote nothing.
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("n.db"))));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("r.db"))));
}

}  // namespace
