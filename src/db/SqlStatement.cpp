#include "db/SqlStatement.h"

#include <sqlite3.h>

#include <QByteArray>
#include <QDate>
#include <QDateTime>

#include "db/JetDate.h"

namespace db {

namespace {

QString fromUtf8(const char* text) {
    return text == nullptr ? QString() : QString::fromUtf8(text);
}

}  // namespace

jet::ColumnKind kindOfDeclaredType(const QString& declaredType) {
    const QString t = declaredType.toUpper();
    if (t.contains(QStringLiteral("DATE")) || t.contains(QStringLiteral("TIME"))) {
        return jet::ColumnKind::Date;
    }
    if (t.startsWith(QStringLiteral("BIT")) || t.startsWith(QStringLiteral("BOOL"))) {
        return jet::ColumnKind::Boolean;
    }
    return jet::ColumnKind::Other;
}

bool toStorage(const QVariant& value, jet::ColumnKind kind, QVariant& stored) {
    if (value.isNull()) {
        stored = QVariant();
        return true;
    }
    const int type = value.typeId();
    if (kind == jet::ColumnKind::Date) {
        if (type == QMetaType::QDate) {
            stored = jet::toSerial(value.toDate());
        } else if (type == QMetaType::QDateTime) {
            stored = jet::toSerial(value.toDateTime());
        } else if (type == QMetaType::QString) {
            const QString text = value.toString().trimmed();
            if (text.isEmpty()) {
                stored = QVariant();
                return true;
            }
            const std::optional<QDateTime> parsed = jet::parseDateText(text);
            if (!parsed) {
                return false;
            }
            stored = jet::toSerial(*parsed);
        } else if (value.canConvert<double>()) {
            stored = value.toDouble();
        } else {
            return false;
        }
        return true;
    }
    if (kind == jet::ColumnKind::Boolean) {
        if (type == QMetaType::QString) {
            const QString text = value.toString().trimmed().toLower();
            if (text == u"true" || text == u"-1" || text == u"1" || text == u"yes") {
                stored = 1;
            } else if (text == u"false" || text == u"0" || text == u"no" || text.isEmpty()) {
                stored = 0;
            } else {
                return false;
            }
            return true;
        }
        stored = value.toBool() ? 1 : 0;
        return true;
    }
    if (type == QMetaType::QDate) {
        stored = jet::toSerial(value.toDate());
    } else if (type == QMetaType::QDateTime) {
        stored = jet::toSerial(value.toDateTime());
    } else if (type == QMetaType::Bool) {
        stored = value.toBool() ? 1 : 0;
    } else {
        stored = value;
    }
    return true;
}

QVariant fromStorage(const QVariant& stored, jet::ColumnKind kind) {
    if (stored.isNull()) {
        return {};
    }
    const int type = stored.typeId();
    const bool numeric =
        type == QMetaType::Double || type == QMetaType::LongLong || type == QMetaType::Int;
    if (kind == jet::ColumnKind::Date && numeric) {
        const double serial = stored.toDouble();
        if (jet::isWholeDay(serial)) {
            return jet::dateFromSerial(serial);
        }
        return jet::dateTimeFromSerial(serial);
    }
    if (kind == jet::ColumnKind::Boolean && numeric) {
        return stored.toDouble() != 0;
    }
    return stored;
}

QString displayText(const QVariant& v) {
    switch (v.typeId()) {
        case QMetaType::QDate:
            return v.toDate().toString(QStringLiteral("yyyy-MM-dd"));
        case QMetaType::QDateTime:
            return v.toDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        case QMetaType::Bool:
            return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
        case QMetaType::Double:
            return QString::number(v.toDouble(), 'g', 15);
        default:
            return v.toString();
    }
}

SqlStatement::~SqlStatement() {
    sqlite3_finalize(stmt_);
}

bool SqlStatement::bind(const QVariantList& params) {
    for (int i = 0; i < params.size(); ++i) {
        if (!bindValue(i + 1, params[i])) {
            return false;
        }
    }
    return true;
}

bool SqlStatement::bindValue(int index, const QVariant& value) {
    QVariant v;
    toStorage(value, jet::ColumnKind::Other, v);
    int rc = SQLITE_OK;
    if (v.isNull()) {
        rc = sqlite3_bind_null(stmt_, index);
    } else {
        switch (v.typeId()) {
            case QMetaType::Int:
            case QMetaType::UInt:
            case QMetaType::LongLong:
            case QMetaType::ULongLong:
            case QMetaType::Short:
            case QMetaType::UShort:
                rc = sqlite3_bind_int64(stmt_, index, v.toLongLong());
                break;
            case QMetaType::Double:
            case QMetaType::Float:
                rc = sqlite3_bind_double(stmt_, index, v.toDouble());
                break;
            case QMetaType::QByteArray: {
                const QByteArray bytes = v.toByteArray();
                rc = sqlite3_bind_blob64(stmt_, index, bytes.constData(),
                                         static_cast<sqlite3_uint64>(bytes.size()),
                                         SQLITE_TRANSIENT);
                break;
            }
            default: {
                const QString text = v.toString();
                rc = sqlite3_bind_text16(stmt_, index, text.utf16(),
                                         static_cast<int>(text.size() * 2), SQLITE_TRANSIENT);
            }
        }
    }
    return rc == SQLITE_OK;
}

SqlStatement::Step SqlStatement::step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) {
        return Step::Row;
    }
    if (rc == SQLITE_DONE) {
        return Step::Done;
    }
    return Step::Error;
}

void SqlStatement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

int SqlStatement::columnCount() const {
    return sqlite3_column_count(stmt_);
}

QString SqlStatement::columnName(int i) const {
    return fromUtf8(sqlite3_column_name(stmt_, i));
}

QString SqlStatement::declaredType(int i) const {
    return fromUtf8(sqlite3_column_decltype(stmt_, i));
}

jet::ColumnKind SqlStatement::columnKind(int i) const {
    if (kinds_.empty()) {
        const int n = columnCount();
        kinds_.reserve(static_cast<size_t>(n));
        for (int c = 0; c < n; ++c) {
            kinds_.push_back(kindOfDeclaredType(declaredType(c)));
        }
    }
    return kinds_[static_cast<size_t>(i)];
}

QString SqlStatement::originTable(int i) const {
    return fromUtf8(sqlite3_column_table_name(stmt_, i));
}

QString SqlStatement::originColumn(int i) const {
    return fromUtf8(sqlite3_column_origin_name(stmt_, i));
}

QVariant SqlStatement::value(int i) const {
    switch (sqlite3_column_type(stmt_, i)) {
        case SQLITE_NULL:
            return {};
        case SQLITE_INTEGER: {
            const qint64 v = sqlite3_column_int64(stmt_, i);
            const QVariant raw =
                (v >= INT_MIN && v <= INT_MAX) ? QVariant(static_cast<int>(v)) : QVariant(v);
            return fromStorage(raw, columnKind(i));
        }
        case SQLITE_FLOAT:
            return fromStorage(sqlite3_column_double(stmt_, i), columnKind(i));
        case SQLITE_BLOB: {
            const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt_, i));
            return QByteArray(data, sqlite3_column_bytes(stmt_, i));
        }
        default: {
            // Text is returned as stored, whatever the column's kind. SQLite keeps it as UTF-8;
            // decoding it here is cheaper than asking for UTF-16.
            const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, i));
            return QString::fromUtf8(data, sqlite3_column_bytes(stmt_, i));
        }
    }
}

QString SqlStatement::errorText() const {
    return QString::fromUtf8(sqlite3_errmsg(db_));
}

}  // namespace db
