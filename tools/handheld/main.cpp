// cadre-handheld: builds the database of a handheld device from the working database, as the
// instruction file PDA.ini says (see src/exchange/HandheldInstructions.h). The password comes
// as the first line of standard input; the device database is encrypted with it (SQLCipher,
// format 3). Progress goes to standard output, errors to standard error with exit status 1.
// The program links SQLCipher and no other SQLite, which is why it is a program of its own.

#include <sqlcipher/sqlite3.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QTextStream>
#include <QUrl>
#include <QUuid>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "app/CommandLine.h"
#include "exchange/HandheldInstructions.h"

namespace {

using namespace handheld;

struct Instructions {
    QString method;
    QString units;
    int content = 0;
    QString output;
    int delTimes = 0;
    QString source;
};

void fail(const QString& message) {
    QTextStream(stderr) << message << Qt::endl;
}

bool readInstructions(const QString& file, Instructions& out) {
    if (!QFileInfo(file).isFile()) {
        fail(QStringLiteral("找不到导出说明文件：") + file);
        return false;
    }
    QSettings ini(file, QSettings::IniFormat);
    ini.beginGroup(kSection);
    out.method = ini.value(kMethodKey).toString().trimmed().toUpper();
    out.units = ini.value(kUnitsKey).toString().trimmed();
    out.content = ini.value(kContentKey).toString().toInt();
    out.output = ini.value(kOutputKey).toString().trimmed();
    out.delTimes = ini.value(kDelTimesKey).toString().toInt();
    out.source = ini.value(kSourceKey).toString().trimmed();
    if (out.method != kMethodAll && out.method != kMethodPart) {
        fail(QStringLiteral("导出说明文件中的导出方式无效：") + out.method);
        return false;
    }
    static const QRegularExpression unitList(QStringLiteral("^\\(\\d+(,\\d+)*\\)$"));
    if (out.method == kMethodPart && !unitList.match(out.units).hasMatch()) {
        fail(QStringLiteral("导出说明文件中的单位列表无效：") + out.units);
        return false;
    }
    if (out.content <= 0 || out.content > (Basic | Photos | Family | Assessments)) {
        fail(QStringLiteral("导出说明文件中的导出内容无效。"));
        return false;
    }
    if (out.output.isEmpty() || !QFileInfo(out.source).isFile() ||
        QFileInfo(out.output).absoluteFilePath() == QFileInfo(out.source).absoluteFilePath()) {
        fail(QStringLiteral("导出说明文件中的数据库位置无效。"));
        return false;
    }
    return true;
}

QString quoted(const QString& text) {
    return u'\'' + QString(text).replace(u'\'', QStringLiteral("''")) + u'\'';
}

class Builder {
  public:
    ~Builder() { sqlite3_close(db_); }

    // Creates the encrypted device database `target` and attaches the working database
    // `source`, unencrypted and read-only, as "src".
    bool open(const QString& target, const QString& password, const QString& source) {
        if (sqlite3_open_v2(target.toUtf8().constData(), &db_,
                            SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_URI,
                            nullptr) != SQLITE_OK) {
            return error(QStringLiteral("无法创建设备数据库：") + target);
        }
        const QUrl sourceUrl = QUrl::fromLocalFile(QFileInfo(source).absoluteFilePath());
        return exec(QStringLiteral("PRAGMA key = ") + quoted(password)) &&
               exec(QStringLiteral("attach database ") +
                    quoted(sourceUrl.toString(QUrl::FullyEncoded) + QStringLiteral("?mode=ro")) +
                    QStringLiteral(" as src key ''")) &&
               exec(QStringLiteral("select count(*) from src.sqlite_master"));
    }

    bool exec(const QString& sql) {
        char* message = nullptr;
        if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK) {
            const QString text = QString::fromUtf8(message != nullptr ? message : "");
            sqlite3_free(message);
            return error(text);
        }
        return true;
    }

    bool error(const QString& message) {
        fail(message);
        return false;
    }

  private:
    sqlite3* db_ = nullptr;
};

struct Step {
    QString what;
    QString sql;
};

int run(const QString& instructionFile, const QString& password) {
    Instructions in;
    if (!readInstructions(instructionFile, in)) {
        return 1;
    }
    if (password.isEmpty()) {
        fail(QStringLiteral("没有得到设备数据库的口令。"));
        return 1;
    }
    const QString partial = QFileInfo(in.output).absoluteDir().filePath(
        QStringLiteral("~PD") + QUuid::createUuid().toString(QUuid::Id128).left(12) +
        QStringLiteral(".tmp"));
    const QString chosen = in.method == kMethodAll
                               ? QStringLiteral("select CadreID from src.tb_cadre")
                               : QStringLiteral(
                                     "select ZwCadreID from src.tb_cadre_node "
                                     "where dwID in ") +
                                     in.units;
    const QString cadres = QStringLiteral(" where CadreID in (") + chosen + u')';
    std::vector<Step> steps;
    steps.push_back({QStringLiteral("干部"),
                     (in.content & Basic) != 0
                         ? QStringLiteral("create table main.tb_cadre as select * from "
                                          "src.tb_cadre") +
                               cadres
                         : QStringLiteral("create table main.tb_cadre as select CadreID,xm,xb,"
                                          "gbOrd from src.tb_cadre") +
                               cadres});
    if ((in.content & Basic) != 0) {
        steps.push_back({QStringLiteral("单位"),
                         QStringLiteral("create table main.tb_department as select ID,parentID,"
                                        "Name,dwjc,dwOrder,dwlevel,dwIndex,isDep from "
                                        "src.tb_department")});
        steps.push_back({QStringLiteral("单位成员"),
                         QStringLiteral("create table main.tb_cadre_node as select * from "
                                        "src.tb_cadre_node where ZwCadreID in (") +
                             chosen + u')'});
        steps.push_back({QStringLiteral("任职"),
                         QStringLiteral("create table main.tb_cadre_zw as select * from "
                                        "src.tb_cadre_zw where ZwCadreID in (") +
                             chosen + u')'});
        // Photos go into a table of their own, and only when they are asked for.
        steps.push_back(
            {QStringLiteral("去除照片"), QStringLiteral("update main.tb_cadre set photo=null")});
    }
    if ((in.content & Photos) != 0) {
        steps.push_back({QStringLiteral("照片"),
                         QStringLiteral("create table main.tb_photo as select CadreID,photo from "
                                        "src.tb_cadre") +
                             cadres + QStringLiteral(" and photo is not null")});
    }
    if ((in.content & Family) != 0) {
        steps.push_back({QStringLiteral("家庭成员"),
                         QStringLiteral("create table main.tb_family as select * from "
                                        "src.tb_family where CadreID in (") +
                             chosen + u')'});
    }
    if ((in.content & Assessments) != 0) {
        steps.push_back({QStringLiteral("考察考核"),
                         QStringLiteral("create table main.tb_kc as select * from src.tb_kc "
                                        "where cid in (") +
                             chosen + u')'});
    }
    steps.push_back({QStringLiteral("设置"),
                     QStringLiteral("create table main.") + kSettingsTable +
                         QStringLiteral(" (name text primary key, value text); insert into main.") +
                         kSettingsTable + QStringLiteral(" values ('DelTimes',") +
                         quoted(QString::number(in.delTimes)) + QStringLiteral("),('CONTENT',") +
                         quoted(QString::number(in.content)) + QStringLiteral("),('Method',") +
                         quoted(in.method) + u')'});

    QTextStream out(stdout);
    const auto cleanUp = [&] { QFile::remove(partial); };
    {
        Builder builder;
        if (!builder.open(partial, password, in.source) || !builder.exec(QStringLiteral("begin"))) {
            cleanUp();
            return 1;
        }
        int done = 0;
        for (const Step& step : steps) {
            out << kProgressPrefix << ++done << u'/' << steps.size() << u' ' << step.what
                << Qt::endl;
            if (!builder.exec(step.sql)) {
                cleanUp();
                return 1;
            }
        }
        if (!builder.exec(QStringLiteral("commit"))) {
            cleanUp();
            return 1;
        }
    }
    std::error_code moved;
    std::filesystem::rename(std::filesystem::path(partial.toStdU16String()),
                            std::filesystem::path(in.output.toStdU16String()), moved);
    if (moved) {
        cleanUp();
        fail(QStringLiteral("无法写入设备数据库：") + in.output + u' ' +
             QString::fromStdString(moved.message()));
        return 1;
    }
    out << QStringLiteral("完成 ") << in.output << Qt::endl;
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    const app::ProgramUsage usage{
        QStringLiteral("cadre-handheld"),
        QStringLiteral("[说明文件]"),
        QStringLiteral("按说明文件（PDA.ini）生成加密的掌上电脑数据库；口令从标准输入读入一行。"),
        {{QStringLiteral("说明文件"), QStringLiteral("默认为程序所在目录的 PDA.ini")}}};
    if (const std::optional<int> answered = app::answerHelpOrVersion(arguments, usage)) {
        return *answered;
    }
    if (arguments.size() > 1) {
        return app::refuseCommandLine(usage, QStringLiteral("参数过多"));
    }
    if (!arguments.isEmpty() && arguments[0].startsWith(u'-')) {
        return app::refuseCommandLine(usage, QStringLiteral("不认识的参数 ") + arguments[0]);
    }
    const QString instructions =
        !arguments.isEmpty()
            ? arguments[0]
            : QDir(QCoreApplication::applicationDirPath()).filePath(kInstructionFile);
    QTextStream in(stdin);
    const QString password = in.readLine();
    return run(instructions, password);
}
