#include "cadre/IncomingValues.h"

#include <QByteArray>
#include <QDate>
#include <QRegularExpression>
#include <memory>
#include <utility>

#include "cadre/Photo.h"
#include "db/Database.h"
#include "text/MonthText.h"

namespace cadre {

namespace {

const QString kFamilyTable = QStringLiteral("tb_family");
const QString kCadreTable = QStringLiteral("tb_cadre");

struct Caption {
    const char16_t* column;
    const char16_t* caption;
};

// The columns of the cadre's record that imports fill, with the captions the editor gives them.
constexpr Caption kCadreCaptions[] = {
    {u"xm", u"姓名"},
    {u"xb", u"性别"},
    {u"csnyStr", u"出生年月"},
    {u"mz", u"民族"},
    {u"jgsheng", u"籍贯"},
    {u"cssheng", u"出生地"},
    {u"zzmm", u"政治面貌"},
    {u"rdsjStr", u"入党时间"},
    {u"gzsjStr", u"参加工作时间"},
    {u"jkzk", u"健康状况"},
    {u"xrz", u"现任职务"},
    {u"nrz", u"拟任职务"},
    {u"nmz", u"拟免职务"},
    {u"zyjszw", u"专业技术职务"},
    {u"zytc", u"熟悉专业有何专长"},
    {u"qrzxl", u"全日制学历"},
    {u"qrzxw", u"全日制学位"},
    {u"qrzxxzy", u"全日制毕业院校及专业"},
    {u"zzxl", u"在职学历"},
    {u"zzxw", u"在职学位"},
    {u"zzxxzy", u"在职毕业院校及专业"},
    {u"zwjb", u"职务级别"},
    {u"zwjbTimeStr", u"任职级时间"},
    {u"rybz", u"人员类别"},
    {u"zjh", u"身份证号"},
    {u"tel", u"联系电话"},
    {u"address", u"通讯地址"},
    {u"gzjl", u"简历"},
    {u"jcNote", u"奖惩情况"},
    {u"khNote", u"年度考核结果"},
    {u"rmNote", u"任免理由"},
    {u"photo", u"照片"},
};

constexpr Caption kFamilyCaptions[] = {
    {u"cw", u"称谓"},       {u"xm", u"姓名"},           {u"cssjStr", u"出生年月"},
    {u"zzmm", u"政治面貌"}, {u"dw", u"工作单位及职务"},
};

// Month texts are the text columns named after the date they stand for with "Str" (and the
// number of a second such date).
bool isMonthTextColumn(const QString& column) {
    static const QRegularExpression pattern(QStringLiteral("str[0-9]?$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern.match(column).hasMatch();
}

// `text` without control characters; a memo keeps its line breaks.
QString withoutControls(const QString& text, bool keepLineBreaks) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const bool lineBreak = c == u'\n' || c == u'\r';
        if (c.category() != QChar::Other_Control || (keepLineBreaks && lineBreak)) {
            out.append(c);
        }
    }
    return out;
}

// `text` cut to `size` characters, never between the halves of a surrogate pair.
QString cutTo(const QString& text, int size) {
    qsizetype end = size;
    if (end > 0 && text[end - 1].isHighSurrogate()) {
        --end;
    }
    return text.left(end);
}

}  // namespace

IncomingValues::IncomingValues(db::Database& db) : db_(db) {}

QString IncomingValues::caption(const QString& table, const QString& column) {
    const bool family = table.compare(kFamilyTable, Qt::CaseInsensitive) == 0;
    const bool cadre = table.compare(kCadreTable, Qt::CaseInsensitive) == 0;
    const auto find = [&column](const auto& captions) -> QString {
        for (const Caption& c : captions) {
            if (column.compare(QString::fromUtf16(c.column), Qt::CaseInsensitive) == 0) {
                return QString::fromUtf16(c.caption);
            }
        }
        return column;
    };
    if (family) {
        return find(kFamilyCaptions);
    }
    return cadre ? find(kCadreCaptions) : column;
}

IncomingValues::Rule IncomingValues::rule(const QString& table, const QString& column) {
    const QString key = table.toLower();
    auto it = rules_.find(key);
    if (it == rules_.end()) {
        QHash<QString, Rule> rules;
        static const QRegularExpression sized(QStringLiteral("^TEXT\\s*\\(\\s*([0-9]+)\\s*\\)$"),
                                              QRegularExpression::CaseInsensitiveOption);
        const std::unique_ptr<db::SqlStatement> columns =
            db_.prepare(QStringLiteral("select * from ") + table + QStringLiteral(" where 1=0"));
        for (int i = 0; columns && i < columns->columnCount(); ++i) {
            const QString name = columns->columnName(i);
            const QString type = columns->declaredType(i).trimmed();
            Rule rule;
            if (const QRegularExpressionMatch m = sized.match(type); m.hasMatch()) {
                rule = {isMonthTextColumn(name) ? Kind::Month : Kind::Text, m.captured(1).toInt()};
            } else if (type.compare(QStringLiteral("TEXT"), Qt::CaseInsensitive) == 0) {
                rule = {Kind::Memo, 0};
            } else if (type.compare(QStringLiteral("BLOB"), Qt::CaseInsensitive) == 0 &&
                       name.compare(QStringLiteral("photo"), Qt::CaseInsensitive) == 0) {
                rule = {Kind::Picture, 0};
            }
            rules.insert(name.toLower(), rule);
        }
        it = rules_.insert(key, rules);
    }
    return it->value(column.toLower());
}

bool IncomingValues::checks(const QString& table, const QString& column) {
    return rule(table, column).kind != Kind::Unchecked;
}

CheckedValue IncomingValues::check(const QString& table, const QString& column,
                                   const QVariant& value, const QString& label) {
    CheckedValue out{value, false, {}};
    const Rule rule = this->rule(table, column);
    if (rule.kind == Kind::Unchecked || value.isNull()) {
        return out;
    }
    const QString named = label.isEmpty() ? caption(table, column) : label;
    if (rule.kind == Kind::Picture) {
        const QByteArray bytes = value.toByteArray();
        if (bytes.isEmpty()) {
            out.value = QVariant();
        } else if (decodePhoto(bytes).isNull()) {
            out = {QVariant(), true, {kIncomingBadPicture.arg(named)}};
        }
        return out;
    }
    if (value.typeId() != QMetaType::QString) {
        return out;
    }
    const QString came = value.toString();
    QString text = withoutControls(came, rule.kind == Kind::Memo);
    if (text != came) {
        out.notes << kIncomingControlsRemoved.arg(named);
        if (text.isEmpty()) {
            out.value = QVariant();
            out.refused = true;
            return out;
        }
    }
    if (rule.kind == Kind::Month && !text.trimmed().isEmpty()) {
        const QDate month = text::parseImportedMonth(text.trimmed());
        if (!month.isValid() || month.year() < 1900) {
            out.notes << kIncomingBadMonth.arg(named, text);
            out.value = QVariant();
            out.refused = true;
            return out;
        }
        text = month.toString(QStringLiteral("yyyy.MM"));
    }
    if (rule.size > 0 && text.size() > rule.size) {
        text = cutTo(text, rule.size);
        out.notes << kIncomingTextCut.arg(named).arg(rule.size);
    }
    out.value = text;
    return out;
}

QStringList IncomingValues::checkCadre(CadreValues& values, const QString& prefix) {
    return checkRow(kCadreTable, values, prefix);
}

QStringList IncomingValues::checkRow(const QString& table, QVariantMap& values,
                                     const QString& prefix) {
    QStringList notes;
    for (auto it = values.begin(); it != values.end();) {
        CheckedValue checked =
            check(table, it.key(), it.value(), prefix + caption(table, it.key()));
        notes << checked.notes;
        if (checked.refused) {
            it = values.erase(it);
        } else {
            it.value() = checked.value;
            ++it;
        }
    }
    return notes;
}

QStringList IncomingValues::checkFamilyMember(FamilyMember& member, const QString& prefix) {
    QStringList notes;
    const std::pair<const char16_t*, QString*> texts[] = {
        {u"cw", &member.relation}, {u"xm", &member.name},      {u"cssjStr", &member.birthMonth},
        {u"zzmm", &member.party},  {u"dw", &member.workplace},
    };
    for (const auto& [column, value] : texts) {
        const QString name = QString::fromUtf16(column);
        const CheckedValue checked =
            check(kFamilyTable, name, *value, prefix + caption(kFamilyTable, name));
        notes << checked.notes;
        *value = checked.value.toString();
    }
    return notes;
}

}  // namespace cadre
