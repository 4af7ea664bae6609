// cadre-sql FILE STATEMENT: runs one statement in the program's SQL dialect against a database
// file (created when missing) and prints the rows as tab-separated text under a header line.

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

#include "db/Database.h"
#include "db/SqlStatement.h"
#include "db/SqlTokenizer.h"

namespace {

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
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        err << "usage: cadre-sql FILE STATEMENT" << Qt::endl;
        return 2;
    }
    const QString file = args[1];
    const QString statement = args[2];
    db::Database database;
    if (!database.open(file, db::Database::OpenMode::CreateIfMissing)) {
        err << database.lastError() << Qt::endl;
        return 1;
    }
    const jet::Translation& t = database.translation(statement);
    const bool plainSelect = returnsRows(statement) && t.ok() && t.statements.size() == 1 &&
                             t.statements.front().intoTable.isEmpty();
    if (!plainSelect) {
        if (!database.exec(statement)) {
            err << database.lastError() << Qt::endl;
            return 1;
        }
        return 0;
    }
    std::unique_ptr<db::SqlStatement> stmt = database.prepare(statement);
    if (!stmt) {
        err << database.lastError() << Qt::endl;
        return 1;
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
        err << stmt->errorText() << QStringLiteral("\n语句：") << statement << Qt::endl;
        return 1;
    }
    return 0;
}
