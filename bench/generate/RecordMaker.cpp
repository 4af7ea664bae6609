#include "generate/RecordMaker.h"

#include <QStringList>

#include "cadre/CadreReports.h"
#include "generate/Calendar.h"
#include "office/ZipPackage.h"

namespace synth {

namespace {

struct Material {
    const char* category;
    const char* name;
    int pages;
};

const Material kMaterials[] = {{"履历材料", "干部履历表", 4},
                               {"自传材料", "自传", 6},
                               {"鉴定、考核、考察材料", "年度考核登记表", 2},
                               {"学历学位材料", "毕业生登记表", 3},
                               {"政治历史", "入党志愿书", 6}};

}  // namespace

bool RecordMaker::prepare(QString& error) {
    catalogue_ = std::make_unique<RowInsert>(
        db_,
        "insert into E01 (cid,E01Z104,E01Z101,E01Z111A,E01Z117,E01Z124,E01Z114) values "
        "(?,?,?,?,?,1,?)");
    event_ = std::make_unique<RowInsert>(
        db_, "insert into A54 (cid,A5401,A5404,A5407,A5411) values (?,?,?,?,?)");
    audit_ = std::make_unique<RowInsert>(
        db_, "insert into A55 (cid,A5501,A5504,A55Z01,A5507) values (?,?,?,?,?)");
    opinion_ = std::make_unique<RowInsert>(
        db_, "insert into A56 (cid,A5601,A56X2,A5604,A5611) values (?,?,?,?,?)");
    file_ = std::make_unique<RowInsert>(
        db_, "insert into tb_File (fileName,fExt,Binfile,ziped) values (?,'.txt',?,1)");
    link_ = std::make_unique<RowInsert>(
        db_, "insert into tb_fileLink (dxType,dxID,fileid) values (1,?,?)");
    for (const RowInsert* insert :
         {catalogue_.get(), event_.get(), audit_.get(), opinion_.get(), file_.get(), link_.get()}) {
        if (!insert->isValid()) {
            error = insert->errorText();
            return false;
        }
    }
    office::ZipPackage package(QStringLiteral("述职报告.txt"));
    package.setPart(QStringLiteral("述职报告.txt"),
                    QStringLiteral("述职报告\n一年来认真履行岗位职责，较好完成了各项工作任务。\n")
                        .repeated(20)
                        .toUtf8());
    const Result<QByteArray> packed = package.toBytes();
    if (!packed) {
        error = packed.errorText();
        return false;
    }
    document_ = *packed;
    return true;
}

bool RecordMaker::write(int id, int workStart, QString& error) {
    if (!writeCatalogue(id, workStart) || !writeReports(id, workStart) ||
        (random_.percent(5) && !writeDocument(id))) {
        error = QString::fromUtf8(sqlite3_errmsg(db_));
        return false;
    }
    return true;
}

bool RecordMaker::writeCatalogue(int id, int workStart) {
    const int entries = random_.between(2, 5);
    for (int i = 0; i < entries; ++i) {
        const Material& material = kMaterials[i];
        catalogue_->integer(id)
            .integer(1)
            .text(QString::fromUtf8(material.category))
            .text(QString::fromUtf8(material.name))
            .monthText(random_.between(workStart, kPresentMonth))
            .integer(material.pages);
        if (!catalogue_->run()) {
            return false;
        }
        ++counts_.catalogueEntries;
    }
    return true;
}

bool RecordMaker::writeReports(int id, int workStart) {
    const auto someMonth = [this, workStart] {
        return random_.between(std::max(workStart, monthOf(2010, 1)), kPresentMonth);
    };
    if (random_.percent(30)) {
        const int category = random_.below(static_cast<int>(cadre::majorEventCategories().size()));
        event_->integer(id)
            .month(someMonth())
            .text(cadre::majorEventCategories()[category])
            .text(cadre::majorEventForm(category))
            .integer(random_.percent(95) ? 1 : 0);
        if (!event_->run()) {
            return false;
        }
        ++counts_.reports;
    }
    if (random_.percent(10)) {
        const int month = someMonth();
        audit_->integer(id)
            .text(QStringLiteral("审经责〔%1〕%2号").arg(yearOf(month)).arg(random_.between(1, 40)))
            .month(month)
            .text(monthText(month - 60) + u'-' + monthText(month - 1))
            .text(QStringLiteral("任职期间认真执行财经法规，未发现重大问题。"));
        if (!audit_->run()) {
            return false;
        }
        ++counts_.reports;
    }
    if (random_.percent(10)) {
        opinion_->integer(id)
            .month(someMonth())
            .text(random_.percent(50) ? QStringLiteral("来信") : QStringLiteral("来访"))
            .text(QStringLiteral("反映其工作作风问题。"))
            .text(random_.percent(80) ? QStringLiteral("不属实") : QStringLiteral("部分属实"));
        if (!opinion_->run()) {
            return false;
        }
        ++counts_.reports;
    }
    return true;
}

bool RecordMaker::writeDocument(int id) {
    file_->text(QStringLiteral("述职报告.txt")).blob(&document_);
    if (!file_->run()) {
        return false;
    }
    link_->integer(id).integer(sqlite3_last_insert_rowid(db_));
    if (!link_->run()) {
        return false;
    }
    ++counts_.documents;
    return true;
}

}  // namespace synth
