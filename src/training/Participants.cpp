#include "training/Participants.h"

#include "db/Database.h"
#include "db/SqlText.h"

namespace training {

namespace {

QString attendanceColumn(Attendance column) {
    switch (column) {
        case Attendance::Leave:
            return QStringLiteral("qj");
        case Attendance::Absence:
            return QStringLiteral("qx");
        case Attendance::Paper:
            return QStringLiteral("lwcj");
        case Attendance::Credits:
            return QStringLiteral("xf");
        case Attendance::Opinion:
            return QStringLiteral("yj");
        case Attendance::Note:
            return QStringLiteral("note");
    }
    return {};
}

Result<int> nextOrder(db::Database& db, int classId) {
    const Result<QVariant> last =
        db.scalar(QStringLiteral("select max(ord) as x from tb_pxCadre where pxid=?"), {classId});
    if (!last) {
        return last.failure();
    }
    return last->toInt() + 1;
}

Result<bool> isInClass(db::Database& db, int classId, int cadreId) {
    const Result<QVariant> found = db.scalar(
        QStringLiteral("select ID from tb_pxCadre where CadreID=? and pxid=?"), {cadreId, classId});
    if (!found) {
        return found.failure();
    }
    return found->isValid();
}

// Appends the cadre at `order`; false when the cadre is gone or the insert failed.
Result<bool> appendCadre(db::Database& db, int classId, int cadreId, int order,
                         bool withEducation) {
    const auto cadre = db.query(
        QStringLiteral("select xm,xrz,zzxl,zzxxzy from tb_cadre where CadreID=?"), {cadreId});
    if (!cadre) {
        return Failure{{}, db.lastError()};
    }
    if (cadre->rows.empty()) {
        return false;
    }
    const QVariant education = withEducation ? cadre->value(0, QStringLiteral("zzxl")) : QVariant();
    const QVariant major = withEducation ? cadre->value(0, QStringLiteral("zzxxzy")) : QVariant();
    if (!db.exec(QStringLiteral("insert into tb_pxCadre (pxid,CadreID,ord,xrz,CName,gxl,gxlxx) "
                                "values (?,?,?,?,?,?,?)"),
                 {classId, cadreId, order, cadre->value(0, QStringLiteral("xrz")),
                  cadre->value(0, QStringLiteral("xm")), education, major})) {
        return Failure{{}, db.lastError()};
    }
    return true;
}

}  // namespace

Result<std::vector<Participant>> listParticipants(db::Database& db, int classId) {
    const auto rows =
        db.query(QStringLiteral("select * from tb_pxCadre where pxid=? order by ord"), {classId});
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    std::vector<Participant> list;
    list.reserve(rows->rows.size());
    const auto text = [&](size_t i, const char* column) {
        return rows->value(i, QString::fromLatin1(column)).toString();
    };
    for (size_t i = 0; i < rows->rows.size(); ++i) {
        Participant p;
        p.id = rows->value(i, QStringLiteral("ID")).toInt();
        p.classId = classId;
        p.cadreId = rows->value(i, QStringLiteral("CadreID")).toInt();
        p.order = rows->value(i, QStringLiteral("ord")).toInt();
        p.name = text(i, "CName");
        p.post = text(i, "xrz");
        p.leave = text(i, "qj");
        p.absence = text(i, "qx");
        p.paper = text(i, "lwcj");
        p.credits = text(i, "xf");
        p.opinion = text(i, "yj");
        p.note = text(i, "note");
        list.push_back(p);
    }
    return list;
}

Result<int> addParticipants(db::Database& db, int classId, const QList<int>& cadreIds) {
    db::Transaction transaction(db);
    Result<int> order = nextOrder(db, classId);
    if (!order) {
        return order.failure();
    }
    int added = 0;
    for (const int cadreId : cadreIds) {
        const Result<bool> there = isInClass(db, classId, cadreId);
        if (!there) {
            return there.failure();
        }
        if (*there) {
            continue;
        }
        const Result<bool> appended = appendCadre(db, classId, cadreId, *order + added, true);
        if (!appended) {
            return appended.failure();
        }
        added += *appended ? 1 : 0;
    }
    if (!transaction.commit()) {
        return Failure{{}, db.lastError()};
    }
    return added;
}

Result<void> joinClass(db::Database& db, int classId, int cadreId) {
    const Result<bool> there = isInClass(db, classId, cadreId);
    if (!there) {
        return there.failure();
    }
    if (*there) {
        return Failure{kAlreadyInClass, {}};
    }
    const Result<int> order = nextOrder(db, classId);
    if (!order) {
        return order.failure();
    }
    const Result<bool> appended = appendCadre(db, classId, cadreId, *order, false);
    if (!appended) {
        return appended.failure();
    }
    if (!*appended) {
        return Failure{kCadreGone, {}};
    }
    return {};
}

Result<void> removeParticipant(db::Database& db, int participantId) {
    const auto row =
        db.query(QStringLiteral("select pxid,ord from tb_pxCadre where ID=?"), {participantId});
    if (!row) {
        return Failure{{}, db.lastError()};
    }
    if (row->rows.empty()) {
        return {};
    }
    const int classId = row->value(0, QStringLiteral("pxid")).toInt();
    const int order = row->value(0, QStringLiteral("ord")).toInt();
    db::Transaction transaction(db);
    if (!db.exec(sql::Fragments().SqlDeleteHead + QStringLiteral("from tb_pxCadre where ID=?"),
                 {participantId}) ||
        !db.exec(QStringLiteral("update tb_pxCadre set ord=ord-1 where ord>? and pxid=?"),
                 {order, classId}) ||
        !transaction.commit()) {
        return Failure{{}, db.lastError()};
    }
    return {};
}

Result<void> removeCadreFromClasses(db::Database& db, int cadreId) {
    const auto rows =
        db.query(QStringLiteral("select ID from tb_pxCadre where CadreID=?"), {cadreId});
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    db::Transaction transaction(db);
    for (int row = 0; row < static_cast<int>(rows->rows.size()); ++row) {
        const Result<void> removed =
            removeParticipant(db, rows->value(row, QStringLiteral("ID")).toInt());
        if (!removed) {
            return removed;
        }
    }
    if (!transaction.commit()) {
        return Failure{{}, db.lastError()};
    }
    return {};
}

Result<void> moveParticipant(db::Database& db, int participantId, int step) {
    const auto row =
        db.query(QStringLiteral("select pxid,ord from tb_pxCadre where ID=?"), {participantId});
    if (!row) {
        return Failure{{}, db.lastError()};
    }
    if (row->rows.empty()) {
        return {};
    }
    const int classId = row->value(0, QStringLiteral("pxid")).toInt();
    const int order = row->value(0, QStringLiteral("ord")).toInt();
    const Result<QVariant> neighbour =
        db.scalar(QStringLiteral("select ID from tb_pxCadre where pxid=? and ord=?"),
                  {classId, order + step});
    if (!neighbour) {
        return neighbour.failure();
    }
    if (!neighbour->isValid()) {
        return {};
    }
    db::Transaction transaction(db);
    if (!db.exec(QStringLiteral("update tb_pxCadre set ord=? where ID=?"),
                 {order + step, participantId}) ||
        !db.exec(QStringLiteral("update tb_pxCadre set ord=? where ID=?"),
                 {order, neighbour->toInt()}) ||
        !transaction.commit()) {
        return Failure{{}, db.lastError()};
    }
    return {};
}

Result<void> setAttendance(db::Database& db, int participantId, Attendance column,
                           const QString& value) {
    if (!db.exec(QStringLiteral("update tb_pxCadre set ") + attendanceColumn(column) +
                     QStringLiteral("=? where ID=?"),
                 {value, participantId})) {
        return Failure{{}, db.lastError()};
    }
    return {};
}

QString removeQuestion(const QString& name) {
    return QStringLiteral("确实从培训班中删除干部 ") + name + u'?';
}

}  // namespace training
