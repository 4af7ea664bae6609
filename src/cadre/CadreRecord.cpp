#include "cadre/CadreRecord.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QSet>
#include <array>

#include "app/DataModule.h"
#include "db/Database.h"
#include "db/SqlText.h"
#include "text/MonthText.h"
#include "text/PersonName.h"
#include "text/Pinyin.h"
#include "units/Membership.h"

namespace cadre {

namespace {

const QString kTable = QStringLiteral("tb_cadre");
const QString kIdColumn = QStringLiteral("CadreID");
const QString kPhotoColumn = QStringLiteral("photo");
const QString kClassColumn = QStringLiteral("classid");

// A month text, the date column it gives and its save step.
struct MonthColumn {
    const char16_t* text;
    const char16_t* date;
    const char16_t* stage;
    const char16_t* message;
};

constexpr std::array<MonthColumn, 4> kMonthColumns = {{
    {u"csnyStr", u"csny", u"00001", u"错误的出生年月!"},
    {u"rdsjStr", u"rdsj", u"00002", u"错误的入党时间!"},
    {u"gzsjStr", u"gzsj", u"00003", u"错误的工作时间!"},
    {u"zwjbTimeStr", u"zwjbTime", u"00004", u"错误的任职级时间!"},
}};

// What a box of its own holds, checked before the steps of the save.
enum class Entry {
    MonthText,  // a month text stored as such
    MonthDate,  // a month typed as text, stored as the date of its first day
    DayDate     // a day typed as "yyyy-m-d", stored as that date
};

struct EntryColumn {
    const char16_t* column;
    Entry entry;
    const char16_t* message;
};

constexpr std::array<EntryColumn, 4> kEntryColumns = {{
    {u"allRzsjList", Entry::MonthText, u"错误的任现职时间!"},
    {u"zyzcTime", Entry::MonthDate, u"错误的取得时间!"},
    {u"A3801", Entry::DayDate, u"错误的转入日期!"},
    {u"A3817", Entry::DayDate, u"错误的转出日期!"},
}};

// The columns whose edit makes each highest-education column anew, in-service one first.
struct HighestColumn {
    const char16_t* target;
    const char16_t* inService;
    const char16_t* fullTime;
};

constexpr std::array<HighestColumn, 3> kHighestColumns = {{
    {u"gxl", u"zzxl", u"qrzxl"},
    {u"gxw", u"zzxw", u"qrzxw"},
    {u"gxlxx", u"zzxxzy", u"qrzxxzy"},
}};

QString str(const char16_t* s) {
    return QString::fromUtf16(s);
}

// The key of a column as CadreValues spell it: the table's own spelling (classid in lower case).
class ColumnNames {
  public:
    explicit ColumnNames(db::Database& db) {
        for (const QString& column : db.columns(kTable)) {
            spelling_.insert(column.toLower(), column);
        }
        spelling_.insert(kClassColumn, kClassColumn);
    }
    QString key(const QString& name) const { return spelling_.value(name.toLower(), name); }

  private:
    QHash<QString, QString> spelling_;
};

bool isBlank(const QVariant& v) {
    if (!v.isValid() || v.isNull()) {
        return true;
    }
    return v.typeId() == QMetaType::QString && v.toString().isEmpty();
}

bool isDateType(const QVariant& v) {
    return v.typeId() == QMetaType::QDate || v.typeId() == QMetaType::QDateTime;
}

bool isNumberType(const QVariant& v) {
    switch (v.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Double:
        case QMetaType::Float:
            return true;
        default:
            return false;
    }
}

// Whether an edited value stands for the stored one: blank texts and null are alike, dates,
// yes/no values and numbers compare by value whatever type the control gave them.
bool sameValue(const QVariant& a, const QVariant& b) {
    const bool blankA = isBlank(a);
    const bool blankB = isBlank(b);
    if (blankA || blankB) {
        return blankA == blankB;
    }
    if (isDateType(a) || isDateType(b)) {
        return a.toDateTime() == b.toDateTime();
    }
    if (a.typeId() == QMetaType::Bool || b.typeId() == QMetaType::Bool) {
        return a.toBool() == b.toBool();
    }
    if (isNumberType(a) || isNumberType(b)) {
        bool okA = false;
        bool okB = false;
        const double x = a.toDouble(&okA);
        const double y = b.toDouble(&okB);
        if (okA && okB) {
            return x == y;
        }
    }
    return a.toString() == b.toString();
}

QVariant textValue(const QString& value) {
    return value.isEmpty() ? QVariant() : QVariant(value);
}

QVariant dateValue(const QDate& date) {
    return date.isValid() ? QVariant(date) : QVariant();
}

QString text(const CadreValues& row, const QString& column) {
    return row.value(column).toString();
}

// The text without trailing blanks and control characters.
QString withoutTrailingBlanks(const QString& value) {
    qsizetype end = value.size();
    while (end > 0 && value[end - 1] <= u' ') {
        --end;
    }
    return value.left(end);
}

// The stored row keyed as CadreValues spell it; kCadreMissing when there is no such cadre.
Result<CadreValues> storedRow(db::Database& db, int cadreId, const ColumnNames& names) {
    const auto result = db.query(QStringLiteral("select * from tb_Cadre where CadreID=") +
                                 QString::number(cadreId));
    if (!result) {
        return Failure{{}, db.lastError()};
    }
    if (result->rows.empty()) {
        return Failure{kCadreMissing, {}};
    }
    CadreValues values;
    const QVariantList& row = result->rows[0];
    for (int i = 0; i < result->columns.size(); ++i) {
        const QString key = names.key(result->columns[i]);
        if (key.compare(kPhotoColumn, Qt::CaseInsensitive) != 0) {
            values.insert(key, row[i]);
        }
    }
    return values;
}

// The row of a save in progress, with the stage it has reached.
class SaveRun {
  public:
    SaveRun(TDataM& dm, int cadreId)
        : dm_(dm), names_(dm.db()), isNew_(cadreId == 0), cadreId_(cadreId) {}

    Result<SavedCadre> run(const CadreValues& edited, int unitForNewCadre) {
        db::Database& db = dm_.db();
        if (!isNew_) {
            const Result<CadreValues> row = storedRow(db, cadreId_, names_);
            if (!row) {
                return row.failure();
            }
            stored_ = *row;
        }
        row_ = stored_;
        bool edits = isNew_;
        for (auto it = edited.cbegin(); it != edited.cend(); ++it) {
            const QString key = names_.key(it.key());
            if (key.compare(kIdColumn, Qt::CaseInsensitive) == 0) {
                continue;
            }
            row_.insert(key, it.value());
            if (!sameValue(it.value(), stored_.value(key))) {
                edits = true;
                touched_.insert(key.toLower());
            }
        }
        if (!edits) {
            return SavedCadre{false, cadreId_, {}};
        }
        if (text(row_, QStringLiteral("xm")).trimmed().isEmpty()) {
            return refuse(kNameRequired);
        }
        for (const EntryColumn& entry : kEntryColumns) {
            if (touched(str(entry.column)) && !readEntry(entry)) {
                return refuse(str(entry.message));
            }
        }

        stage_ = str(kMonthColumns[0].stage);
        db::Transaction transaction(db);
        if (!transaction.isActive()) {
            return refuse({});
        }
        for (const MonthColumn& month : kMonthColumns) {
            stage_ = str(month.stage);
            if (touched(str(month.text)) && !setMonthDate(month)) {
                return refuse(str(month.message));
            }
        }
        stage_ = QStringLiteral("00005");
        const QString name = text(row_, QStringLiteral("xm"));
        if (touched(QStringLiteral("xm"))) {
            row_.insert(names_.key(QStringLiteral("py")),
                        text::pinyinInitials(name, text::LetterCase::Upper));
        }
        trimTrailingBlanks(QStringLiteral("qrzxxzy"));

        stage_ = QStringLiteral("00006");
        trimTrailingBlanks(QStringLiteral("zzxxzy"));
        for (const HighestColumn& highest : kHighestColumns) {
            takeHighest(highest);
        }

        stage_ = QStringLiteral("00007");
        if (isBlank(row_.value(kClassColumn))) {
            row_.insert(kClassColumn, 0);
        }
        const QString orderKey = names_.key(QStringLiteral("gbOrd"));
        if (row_.value(orderKey).toInt() == 0) {
            const Result<int> order = dm_.NextCadreOrder();
            if (!order) {
                return refuse({});
            }
            row_.insert(orderKey, *order);
        }
        if (touched(QStringLiteral("xm"))) {
            row_.insert(QStringLiteral("xm"), text::normalizeName(name));
        }

        // "00008": the month texts were given their two-digit months when they were read.
        stage_ = QStringLiteral("00008");
        if (!(isNew_ ? insertRow() : updateRow())) {
            return refuse({});
        }

        // "00009": the picker lists that a new birthplace or native place joins belong to the
        // window; nothing of them is stored.
        stage_ = QStringLiteral("00010");
        if (isNew_ && unitForNewCadre != 0 && !joinUnit(unitForNewCadre)) {
            return refuse({});
        }
        if (!transaction.commit()) {
            return refuse({});
        }
        // The save is done; a row that cannot be read back leaves the values empty.
        const Result<CadreValues> saved = storedRow(db, cadreId_, names_);
        return SavedCadre{true, cadreId_, saved ? *saved : CadreValues()};
    }

  private:
    // Refuses the save: the specific message (if any), then the stage's error report once a
    // stage has been reached. Nothing has been committed at this point, so a new record has
    // no ID yet.
    Failure refuse(const QString& message) const {
        QStringList messages;
        if (!message.isEmpty()) {
            messages << message;
        }
        if (!stage_.isEmpty()) {
            messages << kSaveFailed + stage_;
        }
        return Failure{messages.join(u'\n'), {}};
    }

    // Whether `column` was edited; every column of a new record counts as edited.
    bool touched(const QString& column) const {
        return isNew_ || touched_.contains(column.toLower());
    }

    // The date of a month text. A blank text clears the text and the date; a text that is not
    // a month of the entry pattern, or a month before 1900, is refused. A stored date within the
    // month named is kept, so that an exact day known from elsewhere survives the month text.
    bool setMonthDate(const MonthColumn& month) {
        const QString textKey = names_.key(str(month.text));
        const std::optional<text::MonthEntry> entry = text::readMonthEntry(text(row_, textKey));
        if (!entry) {
            return false;
        }
        const QString dateKey = names_.key(str(month.date));
        const QDate stored = stored_.value(dateKey).toDate();
        const bool sameMonth = stored.isValid() && entry->date.isValid() &&
                               stored.year() == entry->date.year() &&
                               stored.month() == entry->date.month();
        row_.insert(textKey, textValue(entry->text));
        row_.insert(dateKey, sameMonth ? stored_.value(dateKey) : dateValue(entry->date));
        return true;
    }

    // Reads the value typed into a box of its own. Values that are not texts (a date handed
    // over as a date) are taken as they are; a blank text clears the column.
    bool readEntry(const EntryColumn& entry) {
        const QString key = names_.key(str(entry.column));
        const QVariant value = row_.value(key);
        if (value.typeId() != QMetaType::QString) {
            return true;
        }
        if (entry.entry == Entry::DayDate) {
            const QString typed = value.toString().trimmed();
            const QDate date = QDate::fromString(typed, QStringLiteral("yyyy-M-d"));
            if (!typed.isEmpty() && (!date.isValid() || date.year() < 1900)) {
                return false;
            }
            row_.insert(key, dateValue(date));
            return true;
        }
        const std::optional<text::MonthEntry> month = text::readMonthEntry(value.toString());
        if (!month) {
            return false;
        }
        row_.insert(
            key, entry.entry == Entry::MonthText ? textValue(month->text) : dateValue(month->date));
        return true;
    }

    void trimTrailingBlanks(const QString& column) {
        if (touched(column) && !isBlank(row_.value(column))) {
            row_.insert(column, withoutTrailingBlanks(text(row_, column)));
        }
    }

    // The highest education: the in-service entry when it is given, else the full-time one;
    // made anew when either of them was edited.
    void takeHighest(const HighestColumn& highest) {
        if (!touched(str(highest.inService)) && !touched(str(highest.fullTime))) {
            return;
        }
        const QString inService = str(highest.inService);
        const QVariant chosen = text(row_, inService).isEmpty() ? row_.value(str(highest.fullTime))
                                                                : row_.value(inService);
        row_.insert(str(highest.target), chosen);
    }

    bool updateRow() {
        QStringList assignments;
        QVariantList params;
        for (auto it = row_.cbegin(); it != row_.cend(); ++it) {
            if (it.key().compare(kIdColumn, Qt::CaseInsensitive) != 0 &&
                !sameValue(it.value(), stored_.value(it.key()))) {
                assignments << it.key() + QStringLiteral("=?");
                params << it.value();
            }
        }
        if (assignments.isEmpty()) {
            return true;
        }
        params << cadreId_;
        return dm_.db().exec(QStringLiteral("update tb_cadre set ") + assignments.join(u',') +
                                 QStringLiteral(" where CadreID=?"),
                             params);
    }

    bool insertRow() {
        QStringList columns;
        QStringList marks;
        QVariantList params;
        for (auto it = row_.cbegin(); it != row_.cend(); ++it) {
            if (it.key().compare(kIdColumn, Qt::CaseInsensitive) != 0 && !isBlank(it.value())) {
                columns << it.key();
                marks << QStringLiteral("?");
                params << it.value();
            }
        }
        db::Database& db = dm_.db();
        if (!db.exec(QStringLiteral("insert into tb_cadre (") + columns.join(u',') +
                         QStringLiteral(") values (") + marks.join(u',') + u')',
                     params)) {
            return false;
        }
        cadreId_ = static_cast<int>(db.lastInsertId());
        return cadreId_ != 0;
    }

    // Makes the new cadre a member of `unitId`, last in its order and bound to it, unless it is
    // one already.
    bool joinUnit(int unitId) {
        return units::ensureMember(dm_, cadreId_, unitId, {true, true}).ok();
    }

    TDataM& dm_;
    ColumnNames names_;
    const bool isNew_;
    CadreValues stored_;
    CadreValues row_;
    QSet<QString> touched_;  // the edited columns, in lower case
    QString stage_;
    int cadreId_ = 0;
};

// The deputy ranks and the principal rank of the level below, tried in this order.
struct RankStep {
    const char16_t* deputy;
    const char16_t* lower;
};

constexpr std::array<RankStep, 13> kRankSteps = {{
    {u"省部级副职", u"厅局级正职"},
    {u"厅局级副职", u"县处级正职"},
    {u"县处级副职", u"乡科级正职"},
    {u"乡科级副职", u"科员"},
    {u"副省", u"正厅"},
    {u"副部", u"正厅"},
    {u"副厅", u"正处"},
    {u"副局", u"正处"},
    {u"副市", u"正处"},
    {u"副处", u"正科"},
    {u"副县", u"正科"},
    {u"副区", u"正科"},
    {u"副科", u"科员"},
}};

}  // namespace

Result<CadreValues> readCadre(db::Database& db, int cadreId) {
    return storedRow(db, cadreId, ColumnNames(db));
}

CadreValues newCadreDefaults(db::Database& db, int library) {
    const ColumnNames names(db);
    // A new record starts unlocked when the setting cannot be read.
    const Result<QVariant> lockSetting =
        db.scalar(QStringLiteral("select count(*) from tb_conf where GID='ZWLOCK' and ItemV='1'"));
    const bool locked = lockSetting && lockSetting->toInt() > 0;
    return {{names.key(QStringLiteral("ZwLock")), locked},
            {kClassColumn, library},
            {names.key(QStringLiteral("gbOrd")), 0}};
}

Result<SavedCadre> saveCadre(TDataM& dm, int cadreId, const CadreValues& edited,
                             int unitForNewCadre) {
    return SaveRun(dm, cadreId).run(edited, unitForNewCadre);
}

QString nextLowerRank(const QString& rank, const QStringList& rankList) {
    if (rank.isEmpty() || rankList.isEmpty() || rank == rankList.first()) {
        return {};
    }
    QString lower;
    if (rank.contains(u'正')) {
        lower = rank;
        lower.replace(u'正', u'副');
    } else if (rank.contains(u'副')) {
        for (const RankStep& step : kRankSteps) {
            if (rank.contains(str(step.deputy))) {
                lower = str(step.lower);
                break;
            }
        }
    }
    return !lower.isEmpty() && rankList.contains(lower) ? lower : QString();
}

QString cadreLibraryStatement(int classId, const QString& searchText) {
    const QString head = QStringLiteral("select CadreID,xm,xb,csnyStr,gbOrd from tb_cadre where ");
    const QString library = classId == 0 ? QStringLiteral("(classid=0)")
                                         : QStringLiteral("classid=") + QString::number(classId);
    QString filter;
    if (text::isAsciiAlphanumeric(searchText)) {
        filter = QStringLiteral(" and (py like ") + sql::quoted(searchText + u'%') + u')';
    } else if (text::isTwoDoubleByteCharacters(searchText)) {
        filter = QStringLiteral(" and (xm like ") +
                 sql::quoted(searchText.left(1) + u'%' + searchText.mid(1) + u'%') + u')';
    } else if (!searchText.isEmpty()) {
        filter = QStringLiteral(" and (xm like ") + sql::quoted(searchText + u'%') + u')';
    }
    return head + library + filter + QStringLiteral(" order by gbOrd");
}

Result<int> moveInGlobalOrder(TDataM& dm, int cadreId, int targetPosition) {
    db::Database& db = dm.db();
    db::Transaction transaction(db);
    if (!transaction.isActive()) {
        return Failure{{}, db.lastError()};
    }
    const QString id = QString::number(cadreId);
    const auto current = db.query(QStringLiteral("select gbOrd from tb_cadre where CadreID=") + id);
    if (!current) {
        return Failure{{}, db.lastError()};
    }
    if (current->rows.empty()) {
        return Failure{kCadreMissing, {}};
    }
    if (targetPosition < 1) {
        return Failure{kNoCadreAtPosition, {}};
    }
    const auto top = db.query(QStringLiteral("select top ") + QString::number(targetPosition) +
                              QStringLiteral(" CadreID,gbOrd from tb_cadre order by gbOrd"));
    if (!top) {
        return Failure{{}, db.lastError()};
    }
    if (top->rows.size() < static_cast<size_t>(targetPosition)) {
        return Failure{kNoCadreAtPosition, {}};
    }
    const QVariantList& target = top->rows[static_cast<size_t>(targetPosition) - 1];
    const int a = current->rows[0][0].toInt();
    const int b = target[1].toInt();
    if (target[0].toInt() == cadreId) {
        return a;
    }
    const QString from = QString::number(a);
    const QString to = QString::number(b);
    const QString shift = b > a
                              ? QStringLiteral("update tb_cadre set gbOrd=gbOrd-1 where (gbOrd<=") +
                                    to + QStringLiteral(") and (gbOrd>") + from + u')'
                              : QStringLiteral("update tb_cadre set gbOrd=gbOrd+1 where (gbOrd>=") +
                                    to + QStringLiteral(") and (gbOrd<") + from + u')';
    // The moved cadre is found by its old order and its ID; the shift leaves its row alone.
    if (!db.exec(shift) ||
        !db.exec(QStringLiteral("update tb_cadre set gbOrd=") + to +
                 QStringLiteral(" where gbOrd=") + from + QStringLiteral(" and CadreID=") + id) ||
        !transaction.commit()) {
        return Failure{{}, db.lastError()};
    }
    return b;
}

}  // namespace cadre
