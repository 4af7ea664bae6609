#include "cadre/CadreReports.h"

#include <QDate>

#include "cadre/CodeSets.h"
#include "db/Database.h"

namespace cadre {

namespace {

const ReportTable kMajorEvents{
    QStringLiteral("A54"),
    QStringLiteral("A54id"),
    QStringLiteral("TZdsxForm"),
    QStringLiteral("重大事项登记表"),
    QStringLiteral("个人重大事项报告登记表"),
    QStringLiteral("确认删除记录? 报告类型:"),
    QStringLiteral("A5404"),
    QStringLiteral("GBSXR"),
    QStringLiteral("GBSXW"),
    {{QStringLiteral("A5404"), QStringLiteral("报告类别"), FieldType::Pick, {}},
     {QStringLiteral("A5401"), QStringLiteral("报告时间"), FieldType::Date, {}},
     {QStringLiteral("A5411"), QStringLiteral("是否按时报告"), FieldType::Flag, {}},
     {QStringLiteral("A5407"), QStringLiteral("报告内容"), FieldType::Memo, {}}}};

const ReportTable kAudits{
    QStringLiteral("A55"),
    QStringLiteral("A55id"),
    QStringLiteral("TJjsjForm"),
    QStringLiteral("经济责任审计"),
    QStringLiteral("经济责任审计情况登记表"),
    QStringLiteral("确认删除记录? 审计文号:"),
    QStringLiteral("A5501"),
    QStringLiteral("GBZDR"),
    QStringLiteral("GBZDW"),
    {{QStringLiteral("A5501"), QStringLiteral("审计文号"), FieldType::Line, {}},
     {QStringLiteral("A5504"), QStringLiteral("审计时间"), FieldType::Date, {}},
     {QStringLiteral("A55Z01"), QStringLiteral("审计时期"), FieldType::Line, {}},
     {QStringLiteral("A55Z02"), QStringLiteral("审计职务"), FieldType::Line, {}},
     {QStringLiteral("A5507"), QStringLiteral("审计结论"), FieldType::Memo, {}},
     {QStringLiteral("A5511"), QStringLiteral("本人意见"), FieldType::Memo, {}},
     {QStringLiteral("A5514"), QStringLiteral("党组（党委）意见"), FieldType::Memo, {}}}};

const ReportTable kOpinions{
    QStringLiteral("A56"),
    QStringLiteral("A56id"),
    QStringLiteral("TQzyjForm"),
    QStringLiteral("群众反映意见"),
    QStringLiteral("群众反映情况记录"),
    QStringLiteral("确认删除记录? 反映日期:"),
    QStringLiteral("A5601"),
    QStringLiteral("GBQZR"),
    QStringLiteral("GBQZW"),
    {{QStringLiteral("A5601"), QStringLiteral("反映时间"), FieldType::Date, {}},
     {QStringLiteral("A56X2"), QStringLiteral("反应途径"), FieldType::Pick, kReportWayCodes},
     {QStringLiteral("A5604"), QStringLiteral("反应意见"), FieldType::Memo, {}},
     {QStringLiteral("A56X1"), QStringLiteral("领导批示"), FieldType::Memo, {}},
     {QStringLiteral("A56X3"), QStringLiteral("办理方式"), FieldType::CodePick, kHandlingCodes},
     {QStringLiteral("A5611"), QStringLiteral("属实情况"), FieldType::Pick, kTruthCodes},
     {QStringLiteral("A5621"), QStringLiteral("处理结果"), FieldType::Memo, {}}}};

QVariant stored(const ReportField& field, const QVariant& value) {
    if (field.type == FieldType::Flag) {
        return value.toBool();
    }
    if (field.type == FieldType::Date) {
        const QDate date = value.toDate();
        return date.isValid() ? QVariant(date) : QVariant();
    }
    const QString text = value.toString().trimmed();
    return text.isEmpty() ? QVariant() : QVariant(text);
}

}  // namespace

const ReportTable& reportTable(ReportKind kind) {
    switch (kind) {
        case ReportKind::MajorEvent:
            return kMajorEvents;
        case ReportKind::Audit:
            return kAudits;
        case ReportKind::Opinion:
            break;
    }
    return kOpinions;
}

QString reportHeading(ReportKind kind, const QString& cadreName) {
    const QString heading = reportTable(kind).heading;
    return cadreName.trimmed().isEmpty() ? heading : cadreName + QStringLiteral(" 同志") + heading;
}

QString reportListStatement(ReportKind kind, int cadreId) {
    const ReportTable& t = reportTable(kind);
    return QStringLiteral("select * from ") + t.table + QStringLiteral(" where cid=") +
           QString::number(cadreId) + QStringLiteral(" order by ") + t.idColumn;
}

Result<QVariantMap> readReport(db::Database& db, ReportKind kind, int cadreId, int id) {
    const ReportTable& t = reportTable(kind);
    const auto rows =
        db.query(QStringLiteral("select * from ") + t.table + QStringLiteral(" where cid=? and ") +
                     t.idColumn + QStringLiteral("=?"),
                 {cadreId, id});
    if (!rows) {
        return Failure{{}, db.lastError()};
    }
    QVariantMap values;
    if (!rows->rows.empty()) {
        for (const ReportField& field : t.fields) {
            values.insert(field.column, rows->value(0, field.column));
        }
    }
    return values;
}

Result<int> saveReport(db::Database& db, ReportKind kind, int cadreId, int id,
                       const QVariantMap& values) {
    const ReportTable& t = reportTable(kind);
    if (kind == ReportKind::MajorEvent &&
        values.value(QStringLiteral("A5404")).toString().trimmed().isEmpty()) {
        return Failure{kChooseReportCategory, {}};
    }
    QStringList columns;
    QVariantList params;
    for (const ReportField& field : t.fields) {
        columns << field.column;
        params << stored(field, values.value(field.column));
    }
    params << cadreId;
    if (id == 0) {
        const QString marks = QStringLiteral("?,").repeated(columns.size()) + u'?';
        if (!db.exec(QStringLiteral("insert into ") + t.table + u'(' + columns.join(u',') +
                         QStringLiteral(",cid) values (") + marks + u')',
                     params)) {
            return Failure{{}, db.lastError()};
        }
        return static_cast<int>(db.lastInsertId());
    }
    params << id;
    if (!db.exec(QStringLiteral("update ") + t.table + QStringLiteral(" set ") +
                     columns.join(QStringLiteral("=?,")) + QStringLiteral("=? where cid=? and ") +
                     t.idColumn + QStringLiteral("=?"),
                 params)) {
        return Failure{{}, db.lastError()};
    }
    if (db.changes() == 0) {
        return Failure{QStringLiteral("该记录已不存在。"), {}};
    }
    return id;
}

Result<void> deleteReport(db::Database& db, ReportKind kind, int cadreId, int id) {
    const ReportTable& t = reportTable(kind);
    if (!db.exec(QStringLiteral("delete from ") + t.table + QStringLiteral(" where cid=? and ") +
                     t.idColumn + QStringLiteral("=?"),
                 {cadreId, id})) {
        return Failure{{}, db.lastError()};
    }
    return {};
}

const QStringList& majorEventCategories() {
    static const QStringList categories = {
        QStringLiteral("本人婚姻变化情况"),
        QStringLiteral("本人持有因私出入境证件情况"),
        QStringLiteral("本人因私出国（境）情况"),
        QStringLiteral("子女与外国人、港澳台居民通婚及配偶子女移居国（境）外情况"),
        QStringLiteral("配偶、子女经商办企业情况"),
        QStringLiteral("配偶、子女在外资企业任职情况"),
        QStringLiteral("本人、配偶、子女获得房产情况"),
        QStringLiteral("配偶、子女被追究刑事责任情况")};
    return categories;
}

QString majorEventForm(int index) {
    static const QList<QStringList> forms = {
        {QStringLiteral("婚姻状况:"), QStringLiteral("配偶称谓:"), QStringLiteral("配偶姓名:"),
         QStringLiteral("出生年月:"), QStringLiteral("工作单位及职务:")},
        {QStringLiteral("证件名称:"), QStringLiteral("编号:"), QStringLiteral("有效期:")},
        {QStringLiteral("出国时间:"), QStringLiteral("逗留天数:"), QStringLiteral("目的地:"),
         QStringLiteral("出访事由:")},
        {QStringLiteral("亲属称谓:"), QStringLiteral("出国（境）时间:"),
         QStringLiteral("定居/求学地:"), QStringLiteral("学校名称:")},
        {QStringLiteral("亲属称谓:"), QStringLiteral("姓名:"), QStringLiteral("经商办企业形式:"),
         QStringLiteral("企业名称:"), QStringLiteral("经营范围:"), QStringLiteral("注册登记机关:"),
         QStringLiteral("营业执照号:")},
        {QStringLiteral("亲属称谓:"), QStringLiteral("公司名称及职务:")},
        {QStringLiteral("获得人:"), QStringLiteral("获得方式:"), QStringLiteral("获得时间:")},
        {QStringLiteral("亲属称谓:"), QStringLiteral("刑事责任类别:"), QStringLiteral("期限:"),
         QStringLiteral("原因:")}};
    return index >= 0 && index < forms.size() ? forms[index].join(u'\n') : QString();
}

}  // namespace cadre
