#include <gtest/gtest.h>

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "app/AppPaths.h"
#include "app/DataModule.h"
#include "appointment/ApprovalDocument.h"
#include "appointment/CadreApprovalForm.h"
#include "db/Database.h"
#include "documents/WordFormImport.h"
#include "office/DocxDocument.h"
#include "support/QtPrinters.h"
#include "support/TestHome.h"

namespace {

QString u(const char* s) {
    return QString::fromUtf8(s);
}

// The columns an approval form carries, as the form writes and reads them.
const char* const kFormColumns[] = {"xm",      "xb",     "csnyStr", "mz",     "jgsheng", "cssheng",
                                    "gzsjStr", "jkzk",   "zyjszw",  "zytc",   "qrzxl",   "qrzxw",
                                    "qrzxxzy", "zzxl",   "zzxw",    "zzxxzy", "xrz",     "nrz",
                                    "nmz",     "jcNote", "khNote",  "rmNote"};

class WordFormImportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dm.db().open(home.makeWorkingDatabase())) << dm.db().lastError();
    }

    db::Database& db() { return dm.db(); }

    void run(const QString& sql, const QVariantList& params = {}) {
        ASSERT_TRUE(db().exec(sql, params)) << db().lastError();
    }

    // The cadre's approval form written as the program writes it; its path.
    QString writeForm(int cadre) {
        const auto source = appointment::readCadreApprovalSource(db(), cadre, QDate(2025, 6, 1));
        EXPECT_TRUE(source && source->has_value());
        const Result<QString> templ = app::wordTemplate(appointment::kApprovalTemplate);
        EXPECT_TRUE(templ.ok()) << templ.errorText();
        appointment::ApprovalSettings settings;
        settings.familyRows = 7;
        const Result<QString> path = appointment::writeApprovalDocument(
            **source, settings, *templ, out.filePath(QString::number(cadre)), QDate(2025, 6, 1));
        EXPECT_TRUE(path.ok()) << path.errorText();
        return path ? *path : QString();
    }

    QVariantMap stored(int cadre) {
        const auto rows = db().query(u("select * from tb_cadre where CadreID=?"), {cadre});
        QVariantMap values;
        for (int i = 0; i < rows->columns.size(); ++i) {
            values.insert(rows->columns[i].toLower(), rows->rows.at(0)[i]);
        }
        return values;
    }

    QStringList family(int cadre) {
        QStringList members;
        const auto rows = db().query(
            u("select cw,xm,cssjStr,zzmm,dw from tb_family where CadreID=? order by ford"),
            {cadre});
        for (const QVariantList& row : rows->rows) {
            QStringList cells;
            for (const QVariant& cell : row) {
                cells << cell.toString();
            }
            members << cells.join(u'|');
        }
        return members;
    }

    static QStringList withoutBirths(QStringList members) {
        for (QString& member : members) {
            QStringList cells = member.split(u'|');
            cells[2].clear();
            member = cells.join(u'|');
        }
        return members;
    }

    int scalar(const QString& sql, const QVariantList& params = {}) {
        return db().scalar(sql, params).value().toInt();
    }

    QList<documents::WordFormPlan> plan(const QStringList& paths) {
        const Result<QList<documents::WordFormPlan>> plans =
            documents::planWordImport(db(), paths, out.path());
        EXPECT_TRUE(plans.ok()) << plans.errorText();
        return plans ? *plans : QList<documents::WordFormPlan>();
    }

    TestHome home;
    TDataM dm{home.path()};
    QTemporaryDir out;
};

TEST_F(WordFormImportTest, EverySampleCadresFormReadsBackAsItsRecord) {
    const auto ids = db().query(u("select CadreID from tb_cadre order by CadreID"));
    ASSERT_TRUE(ids && ids->rows.size() >= 20);
    int families = 0;
    for (const QVariantList& id : ids->rows) {
        const int cadre = id[0].toInt();
        const QVariantMap record = stored(cadre);
        const Result<documents::WordForm> form =
            documents::readWordForm(writeForm(cadre), out.path());
        ASSERT_TRUE(form.ok()) << form.errorText();
        for (const char* column : kFormColumns) {
            EXPECT_EQ(form->values.value(u(column)).toString(),
                      record.value(u(column).toLower()).toString())
                << cadre << " " << column;
        }
        const QString zzmm = record.value(u("zzmm")).toString();
        if (zzmm == u("中共党员") && !record.value(u("rdsjstr")).toString().isEmpty()) {
            EXPECT_EQ(form->values.value(u("rdsjStr")), record.value(u("rdsjstr"))) << cadre;
        }
        if (zzmm != u("中共党员")) {
            EXPECT_EQ(form->values.value(u("zzmm")).toString(), zzmm) << cadre;
        }
        EXPECT_FALSE(documents::resumesDiffer(record.value(u("gzjl")).toString(), form->resume))
            << cadre;
        QStringList read;
        for (const cadre::FamilyMember& m : form->family) {
            read << QStringList{m.relation, m.name, m.birthMonth, m.party, m.workplace}.join(u'|');
        }
        // The template's family rows show ages, not birth months.
        EXPECT_EQ(read, withoutBirths(family(cadre).mid(0, 7))) << cadre;
        families += form->family.isEmpty() ? 0 : 1;
    }
    EXPECT_GT(families, 0);
}

TEST_F(WordFormImportTest, ImportRestoresTheRecordMatchesByNameAndBirthAndNeverGuesses) {
    const int cadre = 5;  // 赵伟峰, born 1969.10
    const QString path = writeForm(cadre);
    const QVariantMap before = stored(cadre);
    const QStringList familyBefore = family(cadre);
    run(u("update tb_cadre set mz='回族',xrz=null,gzjl='旧简历' where CadreID=5"));
    run(u("update tb_family set dw='改过' where CadreID=5"));
    run(u("insert into tb_family (CadreID,cw,xm,ford) values (5,'妻子','别人',9)"));
    // A namesake born in another month is not a match; a retired namesake is never one.
    run(u("insert into tb_cadre (xm,classid,gbOrd,csnyStr) values ('赵伟峰',0,901,'1980.01')"));
    run(u("insert into tb_cadre (xm,classid,gbOrd,csnyStr) values ('赵伟峰',1,902,'1969.10')"));
    const int count = scalar(u("select count(*) from tb_cadre"));

    const QString copy = out.filePath(u("副本.docx"));
    ASSERT_TRUE(QFile::copy(path, copy));
    QList<documents::WordFormPlan> plans = plan({path, out.filePath(u("没有.docx")), copy});
    ASSERT_EQ(plans.size(), 3);
    // A second form of the same cadre is left out rather than applied twice.
    EXPECT_EQ(plans[2].problem, documents::sameCadreProblem(QFileInfo(path).fileName()));
    EXPECT_EQ(plans[0].action, documents::RowAction::Update);
    EXPECT_EQ(plans[0].cadreId, cadre);
    EXPECT_TRUE(plans[0].resumeDiffers);
    EXPECT_EQ(plans[0].storedResume, u("旧简历"));
    EXPECT_EQ(plans[1].action, documents::RowAction::LeaveOut);
    EXPECT_FALSE(plans[1].problem.isEmpty());

    // Without the resume: the record and family come back, the resume stays.
    const Result<documents::ImportOutcome> outcome =
        documents::importWordForms(dm, plans, false, 0);
    ASSERT_TRUE(outcome.ok()) << outcome.errorText();
    EXPECT_EQ(outcome->imported, 1);
    ASSERT_EQ(outcome->log.size(), 2);
    EXPECT_TRUE(outcome->log[0].startsWith(u("没有.docx："))) << outcome->log[0].toStdString();
    EXPECT_TRUE(outcome->log[1].startsWith(u("副本.docx："))) << outcome->log[1].toStdString();
    const QVariantMap after = stored(cadre);
    EXPECT_EQ(after.value(u("mz")), before.value(u("mz")));
    EXPECT_EQ(after.value(u("xrz")), before.value(u("xrz")));
    EXPECT_EQ(after.value(u("gzjl")).toString(), u("旧简历"));
    EXPECT_EQ(family(cadre), familyBefore.mid(0, 7));
    EXPECT_EQ(scalar(u("select count(*) from tb_cadre")), count);

    // With it, the form's resume replaces the stored one.
    plans = plan({path});
    ASSERT_TRUE(documents::importWordForms(dm, plans, true, 0).ok());
    EXPECT_FALSE(documents::resumesDiffer(stored(cadre).value(u("gzjl")).toString(),
                                          before.value(u("gzjl")).toString()));

    // A second serving namesake of the same birth: the form is left out, nobody is touched.
    run(u("update tb_cadre set csnyStr='1969.10' where gbOrd=901"));
    plans = plan({path});
    EXPECT_EQ(plans[0].action, documents::RowAction::LeaveOut);
    EXPECT_EQ(plans[0].problem, documents::duplicateCadresProblem(2));
}

TEST_F(WordFormImportTest, ANewCadreJoinsTheUnitAndAFailingFormWritesNothing) {
    const QString path = writeForm(5);
    const QStringList familyBefore = family(5);
    run(u("update tb_cadre set classid=1 where CadreID=5"));  // no serving 赵伟峰 now
    const int count = scalar(u("select count(*) from tb_cadre"));

    QList<documents::WordFormPlan> plans = plan({path});
    ASSERT_EQ(plans[0].action, documents::RowAction::Create);
    ASSERT_TRUE(
        db().execNative(u("create trigger refuse_family before insert on tb_family "
                          "begin select raise(abort, 'family refused'); end")));
    Result<documents::ImportOutcome> outcome = documents::importWordForms(dm, plans, true, 7);
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome->imported, 0);
    EXPECT_EQ(scalar(u("select count(*) from tb_cadre")), count);
    EXPECT_TRUE(outcome->log.value(0).contains(u("family refused")));

    ASSERT_TRUE(db().execNative(u("drop trigger refuse_family")));
    outcome = documents::importWordForms(dm, plans, true, 7);
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome->imported, 1);
    const int created = scalar(u("select max(CadreID) from tb_cadre"));
    EXPECT_EQ(stored(created).value(u("xm")).toString(), u("赵伟峰"));
    EXPECT_EQ(stored(created).value(u("classid")).toInt(), 0);
    EXPECT_EQ(family(created), withoutBirths(familyBefore.mid(0, 7)));
    EXPECT_EQ(
        scalar(u("select count(*) from tb_cadre_node where dwID=7 and ZwCadreID=?"), {created}), 1);
}

// The values of a form pass the checks of typed ones: a birth text that is no month is not
// stored, a text longer than its column is cut, and the preview's notes and the import's report
// name each value so changed or refused.
TEST_F(WordFormImportTest, BadMonthsAndTextsLongerThanTheirColumnsAreNamed) {
    const QString path = writeForm(5);
    {
        Result<office::DocxDocument> doc = office::DocxDocument::open(path);
        ASSERT_TRUE(doc.ok()) << doc.errorText();
        ASSERT_TRUE(doc->setCellText(1, 1, 6, u("1970'.01")).ok());
        ASSERT_TRUE(doc->setCellText(1, 2, 4, QString(80, u'籍')).ok());
        ASSERT_TRUE(doc->setCellText(1, 4, 4, QString(300, u'专')).ok());
        ASSERT_TRUE(doc->save(path).ok());
    }
    const QList<documents::WordFormPlan> plans = plan({path});
    ASSERT_EQ(plans.size(), 1);
    ASSERT_EQ(plans[0].action, documents::RowAction::Update);
    EXPECT_EQ(plans[0].notes, QStringList({u("出生年月“1970'.01”不是有效的年月，未导入"),
                                           u("籍贯：超过50个字，已截去多余部分"),
                                           u("熟悉专业有何专长：超过255个字，已截去多余部分")}));
    const Result<documents::ImportOutcome> outcome =
        documents::importWordForms(dm, plans, false, 0);
    ASSERT_TRUE(outcome.ok()) << outcome.errorText();
    EXPECT_EQ(outcome->imported, 1);
    EXPECT_EQ(stored(5).value(u("jgsheng")).toString(), QString(50, u'籍'));
    EXPECT_EQ(stored(5).value(u("zytc")).toString(), QString(255, u'专'));
    EXPECT_EQ(stored(5).value(u("csnystr")).toString(), u("1969.10"));
    ASSERT_EQ(outcome->changed.size(), 1);
    EXPECT_TRUE(outcome->changed[0].startsWith(QFileInfo(path).fileName() + u("：出生年月")))
        << outcome->changed[0].toStdString();
    EXPECT_TRUE(outcome->changed[0].contains(u("出生年月“1970'.01”")))
        << outcome->changed[0].toStdString();
}

TEST_F(WordFormImportTest, DocumentsThatAreNoApprovalFormAreRefused) {
    // The short profile has only the first table.
    const auto source = appointment::readCadreApprovalSource(db(), 5, QDate(2025, 6, 1));
    const QString profile =
        appointment::writeShortProfileDocument(
            **source, app::wordTemplate(appointment::kShortProfileTemplate).value(),
            out.filePath(u("profile")), QDate(2025, 6, 1))
            .value();
    const Result<documents::WordForm> form = documents::readWordForm(profile, out.path());
    ASSERT_FALSE(form.ok());
    EXPECT_EQ(form.failure().message, documents::kNotAnApprovalForm);

    const QString text = out.filePath(u("文本.docx"));
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a document");
    file.close();
    const Result<documents::WordForm> broken = documents::readWordForm(text, out.path());
    ASSERT_FALSE(broken.ok());
    EXPECT_TRUE(broken.errorText().contains(u("文本"))) << broken.errorText().toStdString();

    // A form whose name cell is empty.
    Result<office::DocxDocument> doc = office::DocxDocument::open(writeForm(5));
    ASSERT_TRUE(doc->setCellText(1, 1, 2, QString()).ok());
    const QString nameless = out.filePath(u("无名.docx"));
    ASSERT_TRUE(doc->save(nameless).ok());
    EXPECT_EQ(documents::readWordForm(nameless, out.path()).failure().message,
              documents::kFormWithoutName);
}

}  // namespace
