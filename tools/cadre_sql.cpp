// cadre-sql FILE STATEMENT: runs one statement in the program's SQL dialect against a database
// file (created when missing) and prints the rows as tab-separated text under a header line.

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

#include "app/CommandLine.h"
#include "db/Database.h"
#include "db/SqlStatement.h"
#include "db/SqlTokenizer.h"

namespace {

app::ProgramUsage usage() {
    return {QStringLiteral("cadre-sql"),
            QStringLiteral("FILE STATEMENT"),
            QStringLiteral("在数据库文件 FILE 上执行一条本程序 SQL 方言的语句（文件不存在时新建），"
                           "查询结果以制表符分隔的文本输出，首行为列名。"),
            {{QStringLiteral("FILE"), QStringLiteral("数据库文件")},
             {QStringLiteral("STATEMENT"), QStringLiteral("一条语句")}}};
}

// One value on one line: tabs and line breaks inside it are written as \t and \n.
QString cell(const QVariant& value) {
    QString text = db::displayText(value);
    text.replace(u'\\', QStringLiteral("\\\\"));
    text.replace(u'\t', QStringLiteral("\\t"));
    text.replace(u'\n', QStringLiteral("\\n"));
    text.replace(u'\r', QStringLiteral("\\r"));
    return text;
}

bool returnsRows(const QString& statement) {
    const jet::TokenizeResult tr = jet::tokenize(statement);
    for (const jet::Token& t : tr.tokens) {
        if (t.kind == jet::TokenKind::Space || t.isSymbol(u"(")) {
            continue;
        }
        return t.isWord(u"select");
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (const auto answered = app::answerHelpOrVersion(args, usage())) {
        return *answered;
    }
    if (args.size() != 2) {
        return app::refuseCommandLine(
            usage(),
            QStringLiteral("需要两个参数，得到 %1 个：%2").arg(args.size()).arg(args.join(u' ')));
    }
    const QString& file = args[0];
    const QString& statement = args[1];
    const QString name = usage().name;
    db::Database database;
    if (!database.open(file, db::Database::OpenMode::CreateIfMissing)) {
        return app::reportFailure(name, database.lastError());
    }
    const jet::Translation& t = database.translation(statement);
    const bool plainSelect = returnsRows(statement) && t.ok() && t.statements.size() == 1 &&
                             t.statements.front().intoTable.isEmpty();
    if (!plainSelect) {
        if (!database.exec(statement)) {
            return app::reportFailure(name, database.lastError());
        }
        return app::kExitOk;
    }
    std::unique_ptr<db::SqlStatement> stmt = database.prepare(statement);
    if (!stmt) {
        return app::reportFailure(name, database.lastError());
    }
    QStringList header;
    for (int i = 0; i < stmt->columnCount(); ++i) {
        header << stmt->columnName(i);
    }
    out << header.join(u'\t') << '\n';
    db::SqlStatement::Step step;
    while ((step = stmt->step()) == db::SqlStatement::Step::Row) {
        QStringList row;
        for (int i = 0; i < stmt->columnCount(); ++i) {
            row << cell(stmt->value(i));
        }
        out << row.join(u'\t') << '\n';
    }
    out.flush();
    if (step == db::SqlStatement::Step::Error) {
        return app::reportFailure(name, stmt->errorText() + QStringLiteral("\n语句：") + statement);
    }
    return app::kExitOk;
}
