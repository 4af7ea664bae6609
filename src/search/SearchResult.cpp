#include "search/SearchResult.h"

#include <QRegularExpression>
#include <memory>

#include "db/Database.h"
#include "db/SqlText.h"

namespace search {

namespace {

const sql::Fragments kSql;

// Runs `statement` or reports the database's error.
Result<void> run(db::Database& db, const QString& statement, const QVariantList& params = {}) {
    if (!db.exec(statement, params)) {
        return Failure{{}, db.lastError()};
    }
    return {};
}

}  // namespace

QString sortNumber(int n, int count) {
    const int width = std::max(5, static_cast<int>(QString::number(count).size()));
    return QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0'));
}

Result<int> resultCount(db::Database& db) {
    const Result<QVariant> count = db.scalar(QStringLiteral("select count(*) from tb_tcid"));
    if (!count) {
        return count.failure();
    }
    return count->toInt();
}

Result<void> assignSortKeys(db::Database& db) {
    db::Transaction transaction(db);
    const Result<QVariant> largest = db.scalar(
        QStringLiteral("select top 1 tords from tb_tcid where tords>'' order by tords desc"));
    if (!largest) {
        return largest.failure();
    }
    const QString prefix = largest->isValid() ? largest->toString() + u'-' : QString();
    const QString keyless =
        QStringLiteral(" where (isnull(tords") + kSql.NullTail + QStringLiteral(" or tords='')");
    const auto span =
        db.query(QStringLiteral("select count(*),min(tord),max(tord) from tb_tcid") + keyless);
    if (!span) {
        return Failure{{}, db.lastError()};
    }
    const qint64 count = span->rows.front().value(0).toLongLong();
    const qint64 first = span->rows.front().value(1).toLongLong();
    const qint64 last = span->rows.front().value(2).toLongLong();
    if (count == 0) {
        return {};
    }
    const int width = static_cast<int>(sortNumber(1, static_cast<int>(count)).size());
    if (last - first + 1 == count) {
        // The rows of one batch follow each other in insertion order: the running number is
        // the distance from the first, and one statement writes every key.
        if (!db.exec(QStringLiteral("update tb_tcid set tords=") + sql::quoted(prefix) +
                     QStringLiteral(" & Right(") + sql::quoted(QString(width, u'0')) +
                     QStringLiteral(" & (tord-") + QString::number(first) + QStringLiteral("+1),") +
                     QString::number(width) + u')' + keyless)) {
            return Failure{{}, db.lastError()};
        }
    } else {
        const auto rows = db.query(QStringLiteral("select tord from tb_tcid") + keyless +
                                   QStringLiteral(" order by tord"));
        if (!rows) {
            return Failure{{}, db.lastError()};
        }
        const std::unique_ptr<db::SqlStatement> update =
            db.prepare(QStringLiteral("update tb_tcid set tords=? where tord=?"));
        if (!update) {
            return Failure{{}, db.lastError()};
        }
        for (size_t i = 0; i < rows->rows.size(); ++i) {
            update->reset();
            if (!update->bind(
                    {QString(prefix + sortNumber(static_cast<int>(i) + 1, static_cast<int>(count))),
                     rows->rows[i].value(0)}) ||
                update->step() == db::SqlStatement::Step::Error) {
                return Failure{{}, update->errorText()};
            }
        }
    }
    if (!transaction.commit()) {
        return Failure{{}, db.lastError()};
    }
    return {};
}

Result<int> runSearch(db::Database& db, SearchMode mode, const QString& where) {
    db::Transaction transaction(db);
    if (mode == SearchMode::Narrow) {
        if (!where.isEmpty()) {
            if (auto done = run(db, kSql.SqlDeleteHead +
                                        QStringLiteral(" from tb_tcid where tcid not in (select "
                                                       "cadreid from tb_cadre ") +
                                        where + u')');
                !done) {
                return done.failure();
            }
        }
    } else {
        if (mode == SearchMode::Replace) {
            if (auto done = clearResult(db); !done) {
                return done.failure();
            }
        }
        const QString notYet =
            where.isEmpty()
                ? QStringLiteral(" where cadreid not in (select tcid from tb_tcid)")
                : where + QStringLiteral(" and (cadreid not in (select tcid from tb_tcid))");
        if (auto done = run(db, QStringLiteral("insert into tb_tcid (tcid) select cadreid as tcid "
                                               "from tb_cadre ") +
                                    notYet + QStringLiteral(" order by gbord"));
            !done) {
            return done.failure();
        }
        if (auto keys = assignSortKeys(db); !keys) {
            return keys.failure();
        }
    }
    const Result<int> count = resultCount(db);
    if (!count) {
        return count;
    }
    if (!transaction.commit()) {
        return Failure{{}, db.lastError()};
    }
    return count;
}

Result<int> addCadres(db::Database& db, const QList<int>& cadreIds) {
    db::Transaction transaction(db);
    int added = 0;
    for (const int id : cadreIds) {
        const Result<QVariant> present =
            db.scalar(QStringLiteral("select count(*) from tb_tcid where tcid=?"), {id});
        if (!present) {
            return present.failure();
        }
        if (present->toInt() > 0) {
            continue;
        }
        if (auto done = run(db, QStringLiteral("insert into tb_tcid (tcid) values (?)"), {id});
            !done) {
            return done.failure();
        }
        ++added;
    }
    if (auto keys = assignSortKeys(db); !keys) {
        return keys.failure();
    }
    if (!transaction.commit()) {
        return Failure{{}, db.lastError()};
    }
    return added;
}

Result<void> removeCadres(db::Database& db, const QList<int>& cadreIds) {
    if (cadreIds.isEmpty()) {
        return {};
    }
    QStringList ids;
    for (const int id : cadreIds) {
        ids << QString::number(id);
    }
    return run(db, kSql.SqlDeleteHead + QStringLiteral(" from tb_tcid where tcid in (") +
                       ids.join(u',') + u')');
}

Result<void> clearResult(db::Database& db) {
    return run(db, kSql.SqlDeleteHead + QStringLiteral(" from tb_tcid"));
}

db::PagedRows::Query resultQuery(const QDate& ageToday, bool withUnit) {
    db::PagedRows::Query query;
    query.columns =
        QStringLiteral(
            "tcid,Classid,gbOrd,other,CadreID,xm,xb,csny,rdsj,gzsj,mz,zzmm,jgsheng,cssheng,zwjb,"
            "zwjbTime,zwjbTimeStr,csnyStr,rdsjStr,gzsjStr,py,allZwList,allRzsjList,gxw,gxl,gxlxx,"
            "ctype,zydj,zyzcTime,rybz,ZwLock,fggz,qrzxw,zzxw,jkzk,zyjszw,zytc,qrzxl,zzxl,qrzxxzy,"
            "zzxxzy,gzjl,xrz,nrz,nmz,jcNote,khNote,rmNote,res5,res6,res7,res8,address,tel,tel2,"
            "zjType,zjh,tords,") +
        sql::Fragments::forDay(ageToday).SqlAgeColumn;
    if (withUnit) {
        query.columns += QStringLiteral(
            ",(select top 1 d.name from tb_cadre_node as y inner join tb_department as d on "
            "y.dwID=d.ID where y.ZwCadreID=a.tcid order by d.dwIndex desc,y.zwOrder desc) as name");
    }
    query.from =
        QStringLiteral("from tb_tcid as a left outer join tb_Cadre as b on b.cadreid=a.tcid");
    query.keys = {QStringLiteral("tcid"), QStringLiteral("CadreID")};
    query.order = QStringLiteral("tords,tord");
    return query;
}

QString listedWhere(const QString& lookup) {
    return lookup.isEmpty() ? QString() : QStringLiteral(" where (") + lookup + u')';
}

QString searchLogLine(int count, int before) {
    return QStringLiteral("当前结果共%1人，本次查询符合再查询条件%2人")
        .arg(count)
        .arg(count - before);
}

QString addedLogLine(int added, int count) {
    return QStringLiteral("选择加入%1人，当前共%2人").arg(added).arg(count);
}

QStringList removedLogLines(const QStringList& names) {
    return {QStringLiteral("----------------------"),
            QStringLiteral("删除") + names.join(u',') + QStringLiteral("等") +
                QString::number(names.size()) + QStringLiteral("人")};
}

QString resultHeading(int count) {
    return QStringLiteral("查询结果 （共%1人）").arg(count);
}

Result<QStringList> cadresNamed(db::Database& db, const QString& name) {
    QString wanted = name;
    wanted.remove(u' ');
    if (wanted.isEmpty()) {
        return QStringList();
    }
    // Stored two-character names hold blanks between the characters: the candidates share the
    // first character, and blanks are ignored in comparing.
    const auto rows =
        db.query(QStringLiteral("select xm,classid,xrz from tb_cadre where xm like ") +
                 sql::likePattern({}, wanted.left(1), QStringLiteral("%")) +
                 QStringLiteral(" order by gbOrd"));
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    static const QStringList libraries = {QStringLiteral("在职"), QStringLiteral("离退"),
                                          QStringLiteral("调出")};
    QStringList found;
    for (size_t i = 0; i < rows->rows.size(); ++i) {
        QString stored = rows->value(i, QStringLiteral("xm")).toString();
        stored.remove(u' ');
        if (stored != wanted) {
            continue;
        }
        const int library = rows->value(i, QStringLiteral("classid")).toInt();
        found << rows->value(i, QStringLiteral("xm")).toString() + QStringLiteral("（") +
                     libraries.value(library, QString::number(library)) + QStringLiteral("，") +
                     rows->value(i, QStringLiteral("xrz")).toString() + QStringLiteral("）");
    }
    return found;
}

QString existenceAnswer(const QString& name, const QStringList& found) {
    if (found.isEmpty()) {
        return QStringLiteral("干部“") + name.trimmed() + QStringLiteral("”不存在。");
    }
    return QStringLiteral("干部“") + name.trimmed() +
           QStringLiteral("”已存在，共%1人：\n").arg(found.size()) + found.join(u'\n');
}

bool cadreMatches(const QString& name, const QString& py, const QString& typed) {
    QString wanted = typed;
    wanted.remove(u' ');
    if (wanted.isEmpty()) {
        return false;
    }
    static const QRegularExpression letters(QStringLiteral("^[A-Za-z]+$"));
    if (letters.match(wanted).hasMatch()) {
        return py.startsWith(wanted, Qt::CaseInsensitive);
    }
    QString stored = name;
    stored.remove(u' ');
    return stored.contains(wanted);
}

}  // namespace search
