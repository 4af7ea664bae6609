#include "units/UnitNatures.h"

#include "db/Database.h"

namespace units {

PostSet postSetOf(const QStringList& posts) {
    PostSet set;
    for (const QString& post : posts) {
        set.zwj += post + u',';
    }
    set.zwjdesc = posts.join(u'\n');
    return set;
}

QStringList postsOfSet(const QString& zwj) {
    QStringList posts;
    for (const QString& part : zwj.split(u',', Qt::SkipEmptyParts)) {
        if (!part.trimmed().isEmpty()) {
            posts.append(part.trimmed());
        }
    }
    return posts;
}

namespace {

// The texts of the first column of `sql`, in order.
Result<QStringList> firstColumn(db::Database& db, const QString& sql) {
    const std::optional<db::QueryResult> rows = db.query(sql);
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    QStringList texts;
    for (const QVariantList& row : rows->rows) {
        texts << db::displayText(row.value(0));
    }
    return texts;
}

}  // namespace

Result<QStringList> natureNames(db::Database& db) {
    return firstColumn(db, QStringLiteral("select xz from tb_dep_xz"));
}

Result<QStringList> postTitles(db::Database& db) {
    return firstColumn(db, QStringLiteral("select zwmc from tb_zw"));
}

Result<QStringList> naturePosts(db::Database& db, const QString& name) {
    const Result<QVariant> set =
        db.scalar(QStringLiteral("select zwj from tb_dep_xz where xz=?"), {name});
    if (!set) {
        return set.failure();
    }
    return postsOfSet(set->toString());
}

Result<void> saveNature(db::Database& db, const QString& originalName, const QString& name,
                        const QStringList& posts) {
    const QString newName = name.trimmed();
    if (newName.isEmpty()) {
        return Failure{kEmptyNatureName, {}};
    }
    const bool adding = originalName.isEmpty();
    // Names compare as every list compares them (without regard to case).
    if (adding || newName.compare(originalName, Qt::CaseInsensitive) != 0) {
        const Result<QVariant> same =
            db.scalar(QStringLiteral("select count(*) from tb_dep_xz where xz=?"), {newName});
        if (!same) {
            return same.failure();
        }
        if (same->toInt() > 0) {
            return Failure{kNatureExists, {}};
        }
    }
    const PostSet set = postSetOf(posts);
    const bool written =
        adding ? db.exec(QStringLiteral("insert into tb_dep_xz (xz,zwj,zwjdesc) values (?,?,?)"),
                         {newName, set.zwj, set.zwjdesc})
               : db.exec(QStringLiteral("update tb_dep_xz set xz=?,zwj=?,zwjdesc=? where xz=?"),
                         {newName, set.zwj, set.zwjdesc, originalName});
    if (!written) {
        return Failure{{}, db.lastError()};
    }
    return {};
}

}  // namespace units
