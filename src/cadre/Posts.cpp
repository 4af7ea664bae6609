#include "cadre/Posts.h"

#include <QDate>
#include <QVariant>

#include "app/DataModule.h"
#include "cadre/OrderedRows.h"
#include "cadre/PostEnding.h"
#include "db/Database.h"
#include "db/SqlText.h"
#include "text/MonthText.h"
#include "units/Membership.h"

namespace cadre {

QString currentPostsListStatement(int cadreId) {
    return QStringLiteral(
               "select a.*,b.name from tb_cadre_zw as a left outer join tb_department "
               "as b on a.dwid=b.id where a.status=1 and a.ZwCadreID=") +
           QString::number(cadreId) + QStringLiteral(" order by a.zwOrder");
}

QString formerPostsListStatement(int cadreId) {
    return QStringLiteral("select * from tb_cadre_zw where status=2 and ZwCadreID=") +
           QString::number(cadreId) + QStringLiteral(" order by zwOrder");
}

namespace {

// A database failure: the database's error is shown.
Failure databaseFailure(const db::Database& db) {
    return Failure{{}, db.lastError()};
}

Failure refused(const QString& message) {
    return Failure{message, {}};
}

// A typed text as stored: trimmed, and null when nothing is left.
QVariant textOrNull(const QString& text) {
    const QString trimmed = text.trimmed();
    return trimmed.isEmpty() ? QVariant() : QVariant(trimmed);
}

// The date of a month entry, null for an empty one.
QVariant entryDate(const text::MonthEntry& month) {
    return month.date.isValid() ? QVariant(month.date) : QVariant();
}

bool refresh(TDataM& dm, int cadreId, const CadreRecordWriter& writeRecord) {
    return (writeRecord ? RefreshCurrentPosts(dm, cadreId, 0, writeRecord)
                        : RefreshCurrentPosts(dm, cadreId, 0))
        .ok();
}

Result<int> nextOrder(TDataM& dm, int cadreId, int status) {
    return status == kCurrentPost ? dm.NextCurrentPostOrder(cadreId)
                                  : dm.NextFormerPostOrder(cadreId);
}

// The unit a post is saved in: its ID (0 for a historical unit) and the text the post keeps.
struct PostUnit {
    int id = 0;
    QString text;
};

// The unit of `input`, or the refusal: an empty box, a picked unit that is not a real unit of
// the tree, a blank unit text.
Result<PostUnit> postUnit(db::Database& db, const PostInput& input) {
    PostUnit unit;
    if (input.historicalUnit) {
        if (input.unitText.isEmpty()) {
            return refused(kPostUnitNotSet);
        }
        unit.text = input.unitText.trimmed();
    } else {
        if (input.unitId == 0) {
            // A box that shows a unit while none is picked holds the stored text of a post
            // whose unit has left the tree.
            return refused(input.unitText.isEmpty() ? kPostUnitNotSet : kPostUnitNotReal);
        }
        const auto row =
            db.query(QStringLiteral("select name, isDep from tb_department where ID=") +
                     QString::number(input.unitId));
        if (!row) {
            return databaseFailure(db);
        }
        if (row->rows.empty() || !row->rows[0][1].toBool()) {
            return refused(kPostUnitNotReal);
        }
        unit.id = input.unitId;
        unit.text = row->rows[0][0].toString().trimmed();
    }
    if (unit.text.isEmpty()) {
        return refused(kSelectPostUnit);
    }
    return unit;
}

}  // namespace

Result<PostInput> readPost(db::Database& db, int cadreId, int zwId) {
    const auto row =
        db.query(QStringLiteral("select * from tb_cadre_zw where ZwCadreID=") +
                 QString::number(cadreId) + QStringLiteral(" and ZwID=") + QString::number(zwId));
    if (!row) {
        return databaseFailure(db);
    }
    if (row->rows.empty()) {
        return Failure{kPostGone, {}};
    }
    const auto text = [&row](const char* column) {
        return row->value(0, QString::fromLatin1(column)).toString();
    };
    PostInput post;
    post.cadreId = cadreId;
    post.zwId = zwId;
    post.unitId = row->value(0, QStringLiteral("dwID")).toInt();
    post.historicalUnit = post.unitId == 0;
    post.unitText = text("dw");
    post.postName = text("zwmc");
    post.current = row->value(0, QStringLiteral("status")).toInt() != kFormerPost;
    post.appointedMonth = text("rzsjstr");
    post.removedMonth = text("mzsjstr");
    post.appointmentNumber = text("rzwh");
    post.appointmentDocument = text("rzw");
    post.appointmentReason = text("rzyy");
    post.removalNumber = text("mzwh");
    post.removalDocument = text("mzw");
    post.removalReason = text("mzyy");
    return post;
}

Result<int> savePost(TDataM& dm, const PostInput& input, const CadreRecordWriter& writeRecord) {
    db::Database& db = dm.db();
    const Result<PostUnit> unit = postUnit(db, input);
    if (!unit) {
        return unit.failure();
    }
    if (input.postName.trimmed().isEmpty()) {
        return refused(kEnterPostName);
    }
    const std::optional<text::MonthEntry> appointed = text::readMonthEntry(input.appointedMonth);
    if (!appointed) {
        return refused(kBadAppointedMonth);
    }
    const std::optional<text::MonthEntry> removed = text::readMonthEntry(input.removedMonth);
    if (!removed) {
        return refused(kBadRemovalMonth);
    }
    if (appointed->date.isValid() && removed->date.isValid() && removed->date < appointed->date) {
        return refused(kRemovalBeforeAppointment);
    }

    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return databaseFailure(db);
    }
    const int status = input.current ? kCurrentPost : kFormerPost;
    int zwId = input.zwId;
    Result<int> order = 0;
    if (zwId == 0) {
        order = nextOrder(dm, input.cadreId, status);
    } else {
        const auto stored = db.query(
            QStringLiteral("select status, zwOrder from tb_cadre_zw where ZwCadreID=") +
            QString::number(input.cadreId) + QStringLiteral(" and ZwID=") + QString::number(zwId));
        if (!stored) {
            return databaseFailure(db);
        }
        if (stored->rows.empty()) {
            return refused(kPostGone);
        }
        // A post that changes lists goes last in its new list, so that the orders of each list
        // stay distinct and the list can be reordered.
        order = stored->rows[0][0].toInt() == status ? stored->rows[0][1].toInt()
                                                     : nextOrder(dm, input.cadreId, status);
    }
    if (!order) {
        return databaseFailure(db);
    }
    const QVariantList values = {unit->id,
                                 *order,
                                 status,
                                 unit->text,
                                 input.postName.trimmed(),
                                 textOrNull(appointed->text),
                                 entryDate(*appointed),
                                 textOrNull(removed->text),
                                 entryDate(*removed),
                                 textOrNull(input.appointmentNumber),
                                 textOrNull(input.appointmentDocument),
                                 textOrNull(input.appointmentReason),
                                 textOrNull(input.removalNumber),
                                 textOrNull(input.removalDocument),
                                 textOrNull(input.removalReason)};
    if (zwId == 0) {
        if (!db.exec(QStringLiteral("insert into tb_cadre_zw (dwID,zwOrder,status,dw,zwmc,rzsjstr,"
                                    "rzsj,mzsjstr,mzsj,rzwh,rzw,rzyy,mzwh,mzw,mzyy,ZwCadreID,zs,"
                                    "emptyNode) values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,True,"
                                    "False)"),
                     values + QVariantList{input.cadreId})) {
            return databaseFailure(db);
        }
        zwId = static_cast<int>(db.lastInsertId());
    } else if (!db.exec(QStringLiteral("update tb_cadre_zw set dwID=?,zwOrder=?,status=?,dw=?,"
                                       "zwmc=?,rzsjstr=?,rzsj=?,mzsjstr=?,mzsj=?,rzwh=?,rzw=?,"
                                       "rzyy=?,mzwh=?,mzw=?,mzyy=? where ZwID=") +
                            QString::number(zwId),
                        values)) {
        return databaseFailure(db);
    }
    if (!refresh(dm, input.cadreId, writeRecord) || !transaction.commit()) {
        return databaseFailure(db);
    }
    return zwId;
}

Result<void> deletePost(TDataM& dm, int cadreId, int zwId, bool refreshAfter,
                        const CadreRecordWriter& writeRecord) {
    db::Database& db = dm.db();
    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return databaseFailure(db);
    }
    // The cadre's condition keeps a stale row id from deleting another cadre's post.
    if (!db.exec(sql::Fragments().SqlDeleteHead + QStringLiteral("from tb_cadre_zw where ZwID=") +
                 QString::number(zwId) + QStringLiteral(" and ZwCadreID=") +
                 QString::number(cadreId)) ||
        (refreshAfter && !refresh(dm, cadreId, writeRecord)) || !transaction.commit()) {
        return databaseFailure(db);
    }
    return {};
}

Result<void> movePost(TDataM& dm, int cadreId, int zwId, int step,
                      const CadreRecordWriter& writeRecord) {
    db::Database& db = dm.db();
    const QString cadre = QString::number(cadreId);
    const auto post = db.query(QStringLiteral("select status from tb_cadre_zw where ZwID=") +
                               QString::number(zwId) + QStringLiteral(" and ZwCadreID=") + cadre);
    if (!post) {
        return databaseFailure(db);
    }
    if (post->rows.empty()) {
        return Failure{kPostGone, {}};
    }
    const int status = post->rows[0][0].toInt();
    // The list as the posts page shows it.
    const auto list =
        db.query(QStringLiteral("select ZwID, zwOrder from tb_cadre_zw where status=") +
                 QString::number(status) + QStringLiteral(" and ZwCadreID=") + cadre +
                 QStringLiteral(" order by zwOrder, ZwID"));
    if (!list) {
        return databaseFailure(db);
    }
    const auto& rows = list->rows;
    const int count = static_cast<int>(rows.size());
    int at = 0;
    while (at < count && rows[at][0].toInt() != zwId) {
        ++at;
    }
    const int neighbour = at + (step < 0 ? -1 : 1);
    if (step == 0 || at == count || neighbour < 0 || neighbour >= count) {
        return {};
    }
    const QString a = QString::number(rows[at][1].toInt());
    const QString b = QString::number(rows[neighbour][1].toInt());
    const QString idA = QString::number(zwId);
    const QString idB = QString::number(rows[neighbour][0].toInt());

    db::Transaction transaction(db);
    if (!transaction.isActive() ||
        !db.exec(QStringLiteral("update tb_cadre_zw set zwOrder=") + b +
                 QStringLiteral(" where zwOrder=") + a + QStringLiteral(" and ZwID=") + idA) ||
        !db.exec(QStringLiteral("update tb_cadre_zw set zwOrder=") + a +
                 QStringLiteral(" where zwOrder=") + b + QStringLiteral(" and ZwID=") + idB) ||
        (status == kCurrentPost && !refresh(dm, cadreId, writeRecord)) || !transaction.commit()) {
        return databaseFailure(db);
    }
    return {};
}

Result<void> removeMembership(TDataM& dm, int cadreId, int unitId,
                              const CadreRecordWriter& writeRecord) {
    db::Database& db = dm.db();
    const QString cadre = QString::number(cadreId);
    const QString unit = QString::number(unitId);
    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return databaseFailure(db);
    }
    const Result<void> ended = endCurrentPosts(
        dm, QStringLiteral("ZwCadreID=") + cadre + QStringLiteral(" and dwID=") + unit,
        text::MonthEntry{}, 0, writeRecord);
    if (!ended) {
        return ended;
    }
    if (const Result<void> removed = units::removeMember(dm, cadreId, unitId); !removed) {
        return removed;
    }
    if (!transaction.commit()) {
        return databaseFailure(db);
    }
    return {};
}

Result<int> renumberPostOrders(db::Database& db) {
    return renumberOrders(db, QStringLiteral("tb_cadre_zw"), QStringLiteral("ZwID"),
                          {QStringLiteral("ZwCadreID"), QStringLiteral("status")},
                          QStringLiteral("zwOrder"));
}

}  // namespace cadre
