// cadre-migrate OLD NEW: reads an Access working database or backup of the program's earlier era
// into a new database of our format, upgraded to the current schema, and reports per table what
// came across and what was left out. For support staff moving a department's data by hand.

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include "app/AppPaths.h"
#include "app/CommandLine.h"
#include "app/Progress.h"
#include "exchange/AccessImport.h"
#include "exchange/AccessReader.h"

namespace {

const QString kTemplateOption = QStringLiteral("--template");

app::ProgramUsage usage() {
    return {QStringLiteral("cadre-migrate"),
            QStringLiteral("[--template EMPTY] OLD NEW"),
            QStringLiteral(
                "将早期版本的Access工作数据库或备份文件 OLD（.mdb/.accdb）导入为本程序格式的新"
                "数据库 NEW，并升级到当前版本；逐表报告导入的行数和未导入的数据表、列。"),
            {{QStringLiteral("OLD"), QStringLiteral("Access数据库文件")},
             {QStringLiteral("NEW"), QStringLiteral("要写出的新数据库文件（不得已存在）")},
             {QStringLiteral("--template EMPTY"),
              QStringLiteral("空白数据库模板，默认为安装目录中的 Db/Empty.db")}}};
}

// The wait texts of the import, one line each on standard error.
class ProgressLines final : public app::Progress {
  public:
    void start(const QString& text, int) override { write(text); }
    void setText(const QString& text) override { write(text); }
    void step() override {}
    void finish() override {}

  private:
    void write(const QString& text) { err_ << text << Qt::endl; }
    QTextStream err_{stderr};
};

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (const auto answered = app::answerHelpOrVersion(args, usage())) {
        return *answered;
    }
    QString templateFile = app::installedTemplates(QCoreApplication::applicationDirPath()) +
                           QStringLiteral("Db/Empty.db");
    if (const qsizetype at = args.indexOf(kTemplateOption); at >= 0) {
        if (at + 1 >= args.size()) {
            return app::refuseCommandLine(usage(), QStringLiteral("--template 之后缺少模板文件"));
        }
        templateFile = args[at + 1];
        args.remove(at, 2);
    }
    if (args.size() != 2) {
        return app::refuseCommandLine(
            usage(),
            QStringLiteral("需要两个参数，得到 %1 个：%2").arg(args.size()).arg(args.join(u' ')));
    }
    const QString name = usage().name;
    const QString& oldFile = args[0];
    const QString& newFile = args[1];
    if (QFileInfo::exists(newFile)) {
        return app::reportFailure(
            name, QStringLiteral("目标文件已存在，未作导入：") + QDir::toNativeSeparators(newFile));
    }
    if (!QFileInfo(templateFile).isFile()) {
        return app::reportFailure(name, QStringLiteral("找不到空白数据库模板：") +
                                            QDir::toNativeSeparators(templateFile));
    }
    ProgressLines lines;
    app::setProgress(&lines);
    const Result<std::unique_ptr<exchange::AccessFile>> source =
        exchange::AccessFile::open(oldFile);
    if (!source) {
        return app::reportFailure(name, source.errorText());
    }
    const Result<exchange::AccessImportReport> report =
        exchange::importTables(**source, templateFile, newFile);
    app::setProgress(nullptr);
    if (!report) {
        return app::reportFailure(name, report.errorText());
    }
    QTextStream(stdout) << report->text() << Qt::endl;
    return app::kExitOk;
}
