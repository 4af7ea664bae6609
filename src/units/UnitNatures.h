#pragma once

#include <QString>
#include <QStringList>

#include "db/Result.h"

namespace db {
class Database;
}

// Unit natures (tb_dep_xz): a name and the usual post set of units of that nature, kept twice:
// zwj holds every post name followed by ",", zwjdesc the names one per line.
namespace units {

struct PostSet {
    QString zwj;
    QString zwjdesc;
};

// The two stored forms of `posts`, in the given order.
PostSet postSetOf(const QStringList& posts);
// The post names of a stored zwj text.
QStringList postsOfSet(const QString& zwj);

// The names of the unit natures in the order they were stored.
Result<QStringList> natureNames(db::Database& db);
// Every post title of the list of post titles (tb_zw), in its order.
Result<QStringList> postTitles(db::Database& db);

// The post set of nature `name`; empty when it has none or does not exist.
Result<QStringList> naturePosts(db::Database& db, const QString& name);

// Writes nature `name` with `posts`: a new row when `originalName` is empty, else the row of
// `originalName` (renamed when the name changed). Refused with a message when the name is empty
// or names another existing nature.
Result<void> saveNature(db::Database& db, const QString& originalName, const QString& name,
                        const QStringList& posts);

inline const QString kEmptyNatureName = QStringLiteral("单位性质名称不能为空.");
inline const QString kNatureExists = QStringLiteral("该单位性质已存在.");

}  // namespace units
