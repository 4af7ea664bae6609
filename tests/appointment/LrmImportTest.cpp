#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <optional>

#include "PlanFixture.h"
#include "appointment/LrmExport.h"
#include "appointment/LrmImport.h"
#include "appointment/LrmxFile.h"
#include "cadre/Photo.h"
#include "cadre/PickLists.h"

namespace {

using namespace appointment;

QByteArray pictureBytes(const QSize& size, const char* format) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

class LrmImportTest : public PlanFixture {
  protected:
    void SetUp() override {
        PlanFixture::SetUp();
        lists = cadre::loadPickLists(db()).value();
    }

    LrmRecord form(const QString& name, std::initializer_list<std::pair<int, QString>> set = {}) {
        LrmRecord record;
        record.values = QStringList(kLrmValueCount, QString());
        record.values[kLrmName] = name;
        for (const auto& [index, value] : set) {
            record.values[index] = value;
        }
        return record;
    }

    Result<LrmImported> import(const LrmRecord& record, int overwrite = kLrmBasic, int unit = 0) {
        LrmImportOptions options;
        options.unitId = unit;
        options.overwrite = overwrite;
        return importLrmRecord(dm, record, options, lists);
    }

    QString cadreText(int cadre, const char* column) {
        return db()
            .scalar(QStringLiteral("select %1 from tb_cadre where CadreID=?")
                        .arg(QString::fromLatin1(column)),
                    {cadre})
            ->toString();
    }

    // Every column of the cadre's row and its family, as text.
    QStringList snapshot(int cadre) {
        QStringList lines;
        for (const char* table : {"tb_cadre", "tb_family", "tb_cadre_node"}) {
            const char* key = QByteArray(table) == "tb_cadre_node" ? "ZwCadreID" : "CadreID";
            const auto rows =
                db().query(QStringLiteral("select * from %1 where %2=? order by 1")
                               .arg(QString::fromLatin1(table), QString::fromLatin1(key)),
                           {cadre});
            for (const QVariantList& row : rows->rows) {
                QStringList cells;
                for (const QVariant& cell : row) {
                    cells << (cell.typeId() == QMetaType::QByteArray
                                  ? QString::fromLatin1(cell.toByteArray().toBase64())
                                  : cell.toString());
                }
                lines << cells.join(u'|');
            }
        }
        return lines;
    }

    int cadreCount() {
        return db().scalar(QStringLiteral("select count(*) from tb_cadre"))->toInt();
    }

    cadre::PickLists lists;
};

TEST_F(LrmImportTest, ANewCadreTakesEveryValueAsTheRulesReadIt) {
    LrmRecord record = form(QStringLiteral("赵六"), {{kLrmSex, "女"},
                                                     {kLrmBirth, "1965-3"},
                                                     {kLrmNation, "汉"},
                                                     {kLrmNativePlace, "江苏南京"},
                                                     {kLrmPartyDate, "19870701"},
                                                     {kLrmHealth, "很好"},
                                                     {kLrmWorkStart, "1988.07"},
                                                     {kLrmEducation, "大学#学士@未知学历#硕士"},
                                                     {kLrmSchools, "某大学@某党校"},
                                                     {kLrmResume, "1984.09--1988.07  某大学学习"},
                                                     {kLrmRewards, "无"},
                                                     {kLrmFamilyRelation, "父亲@母亲@儿子@@"},
                                                     {kLrmFamilyName, "赵大@钱二@赵七@@"},
                                                     {kLrmFamilyBirth, "1940.01@193@1990-11@@"},
                                                     {kLrmFamilyParty, "党员@外星人@团员@@"},
                                                     {kLrmFamilyWork, "退休@退休@学生@@"},
                                                     {kLrmCurrentPost, "某局局长"},
                                                     {kLrmProposedPost, "不导入"}});
    record.photo = pictureBytes({480, 600}, "PNG");
    const Result<LrmImported> imported = import(record, 0, 1);
    ASSERT_TRUE(imported) << imported.errorText();
    EXPECT_FALSE(imported->existing);
    EXPECT_EQ(imported->notes, QStringList({",政治面貌<外星人>不符合规范."}));
    const int id = imported->cadreId;
    const std::pair<const char*, QString> expected[] = {{"xm", "赵  六"},
                                                        {"xb", "女"},
                                                        {"csnyStr", "1965.03"},
                                                        {"mz", "汉族"},
                                                        {"jgsheng", "江苏南京"},
                                                        {"rdsjStr", "1987.07"},
                                                        {"jkzk", ""},
                                                        {"gzsjStr", "1988.07"},
                                                        {"qrzxl", "大学"},
                                                        {"qrzxw", "学士"},
                                                        {"zzxl", ""},
                                                        {"zzxw", "硕士"},
                                                        {"qrzxxzy", "某大学"},
                                                        {"zzxxzy", "某党校"},
                                                        {"gzjl", "1984.09--1988.07  某大学学习"},
                                                        {"jcNote", "无"},
                                                        {"xrz", "某局局长"},
                                                        {"nrz", ""},
                                                        {"py", "ZL"},
                                                        {"gxl", "大学"},
                                                        {"classid", "0"}};
    for (const auto& [column, value] : expected) {
        EXPECT_EQ(cadreText(id, column), value) << column;
    }
    EXPECT_EQ(
        db().scalar(QStringLiteral("select csny from tb_cadre where CadreID=?"), {id})->toDate(),
        QDate(1965, 3, 1));
    const auto family = db().query(
        QStringLiteral("select cw,xm,cssjStr,zzmm,dw,ford from tb_family where CadreID=? order "
                       "by ford"),
        {id});
    ASSERT_EQ(family->rows.size(), 3u);
    const QStringList rows[] = {{"父亲", "赵大", "1940.01", "中共党员", "退休", "1"},
                                {"母亲", "钱二", "", "", "退休", "2"},
                                {"儿子", "赵七", "1990.11", "共青团员", "学生", "3"}};
    for (size_t r = 0; r < 3; ++r) {
        QStringList cells;
        for (const QVariant& cell : family->rows[r]) {
            cells << cell.toString();
        }
        EXPECT_EQ(cells, rows[r]);
    }
    EXPECT_EQ(db().scalar(QStringLiteral("select count(*) from tb_cadre_node where ZwCadreID=? "
                                         "and dwID=1"),
                          {id})
                  ->toInt(),
              1);
    const QImage photo = cadre::decodePhoto(cadre::readPhoto(dm, id).value());
    EXPECT_EQ(photo.size(), QSize(240, 300));
}

// A form's values pass the checks of typed ones: control characters go (a memo keeps its line
// breaks), a text longer than its column is cut, and the notes name each value so changed.
TEST_F(LrmImportTest, ValuesLoseControlCharactersAndExcessAndTheNotesNameEach) {
    const QString speciality = QString(300, u'专');
    const LrmRecord record =
        form(QStringLiteral("赵六"),
             {{kLrmNativePlace, QStringLiteral("江苏\u001b南京")},
              {kLrmSpeciality, speciality},
              {kLrmResume, QStringLiteral("1984.09--1988.07\u0007  某大学学习\r\n1988.07-- 某局")},
              {kLrmFamilyRelation, QStringLiteral("父亲@@")},
              {kLrmFamilyName, QStringLiteral("赵大@@")},
              {kLrmFamilyWork, QStringLiteral("退\u007f休@@")}});
    const Result<LrmImported> imported = import(record, 0);
    ASSERT_TRUE(imported) << imported.errorText();
    const int id = imported->cadreId;
    EXPECT_EQ(cadreText(id, "jgsheng"), QStringLiteral("江苏南京"));
    EXPECT_EQ(cadreText(id, "zytc"), speciality.left(255));
    EXPECT_EQ(cadreText(id, "gzjl"),
              QStringLiteral("1984.09--1988.07  某大学学习\r\n1988.07-- 某局"));
    EXPECT_EQ(
        db().scalar(QStringLiteral("select dw from tb_family where CadreID=?"), {id})->toString(),
        QStringLiteral("退休"));
    EXPECT_EQ(imported->notes,
              QStringList({QStringLiteral(",简历：已去除其中的控制字符."),
                           QStringLiteral(",籍贯：已去除其中的控制字符."),
                           QStringLiteral(",熟悉专业有何专长：超过255个字，已截去多余部分."),
                           QStringLiteral(",家庭成员工作单位及职务：已去除其中的控制字符.")}));
}

// The texts a form gives its plan line are checked as well, and the notes name each changed.
TEST_F(LrmImportTest, ThePlanLineTakesTheFormsTextsChecked) {
    const int plan = addPlan(QStringLiteral("方案"));
    const int cadre = addCadre(QStringLiteral("孙  八"));
    const QString unit = QString(300, u'单');
    const LrmRecord record =
        form(QStringLiteral("孙八"),
             {{kLrmProposedPost, QStringLiteral("某局\u001b局长")}, {kLrmReportingUnit, unit}});
    const Result<QStringList> notes = placeInPlan(db(), plan, record, cadre);
    ASSERT_TRUE(notes) << notes.errorText();
    EXPECT_EQ(*notes, QStringList({QStringLiteral("拟任职务：已去除其中的控制字符"),
                                   QStringLiteral("呈报单位：超过255个字，已截去多余部分")}));
    const int line = lineId(plan, 1);
    EXPECT_EQ(lineValue(line, QStringLiteral("nrz")).toString(), QStringLiteral("某局局长"));
    EXPECT_EQ(lineValue(line, QStringLiteral("cbdw")).toString(), unit.left(255));
}

TEST_F(LrmImportTest, AnExistingCadreChangesOnlyInTheGroupsTicked) {
    const int id = addCadre(QStringLiteral("孙  八"));
    addFamily(id, 2);
    LrmRecord record = form(QStringLiteral("孙八"), {{kLrmSex, "女"},
                                                     {kLrmResume, "新简历"},
                                                     {kLrmRewards, "新奖惩"},
                                                     {kLrmFamilyRelation, "妻子@@"},
                                                     {kLrmFamilyName, "某某@@"},
                                                     {kLrmCurrentPost, "新职务"}});
    record.photo = pictureBytes({240, 300}, "JPEG");

    const QStringList before = snapshot(id);
    const Result<LrmImported> refused = import(record, 0);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.errorText(), kLrmDuplicateName);
    EXPECT_EQ(snapshot(id), before);

    // Only the photo: the rest of the record stays exactly as it was; a JPEG of the editor's
    // size is stored byte for byte.
    ASSERT_TRUE(import(record, kLrmPhoto));
    EXPECT_EQ(cadre::readPhoto(dm, id).value(), record.photo);
    ASSERT_TRUE(db().exec(QStringLiteral("update tb_cadre set photo=null where CadreID=?"), {id}));
    EXPECT_EQ(snapshot(id), before);

    struct Case {
        int flags;
        QString xb, gzjl, jcNote, xrz;
        int family;
    };
    const Case cases[] = {
        {kLrmBasic, "女", "简历", "", "", 2},
        {kLrmResumeText, "女", "新简历", "", "", 2},
        {kLrmRecords, "女", "新简历", "新奖惩", "", 2},
        {kLrmFamily, "女", "新简历", "新奖惩", "新职务", 1},
    };
    for (const Case& c : cases) {
        const Result<LrmImported> imported = import(record, c.flags);
        ASSERT_TRUE(imported) << imported.errorText();
        EXPECT_TRUE(imported->existing);
        EXPECT_EQ(imported->cadreId, id);
        EXPECT_EQ(cadreText(id, "xb"), c.xb) << c.flags;
        EXPECT_EQ(cadreText(id, "gzjl"), c.gzjl) << c.flags;
        EXPECT_EQ(cadreText(id, "jcNote"), c.jcNote) << c.flags;
        EXPECT_EQ(cadreText(id, "xrz"), c.xrz) << c.flags;
        EXPECT_EQ(
            db().scalar(QStringLiteral("select count(*) from tb_family where CadreID=?"), {id})
                ->toInt(),
            c.family)
            << c.flags;
    }
}

TEST_F(LrmImportTest, AShortFileLeavesTheMissingValuesAndAShortBirthAlone) {
    const int id = addCadre(QStringLiteral("周  九"), QDate(1970, 5, 1));
    addFamily(id, 2);
    LrmRecord record = form(QStringLiteral("周九"));
    record.values = QStringList({"周九", "女", "19705"});
    ASSERT_TRUE(import(record, kLrmBasic | kLrmFamily | kLrmResumeText));
    EXPECT_EQ(cadreText(id, "xb"), QStringLiteral("女"));
    EXPECT_EQ(cadreText(id, "csnyStr"), QStringLiteral("1970.05"));
    EXPECT_EQ(cadreText(id, "qrzxl"), QStringLiteral("大学"));
    EXPECT_EQ(cadreText(id, "gzjl"), QStringLiteral("简历"));
    EXPECT_EQ(db().scalar(QStringLiteral("select count(*) from tb_family where CadreID=?"), {id})
                  ->toInt(),
              2);
}

TEST_F(LrmImportTest, NamesSharedByTwoCadresAreNeverGuessedBetween) {
    const int first = addCadre(QStringLiteral("吴  十"), QDate(1970, 5, 1));
    const int second = addCadre(QStringLiteral("吴  十"), QDate(1980, 3, 1));
    const int count = cadreCount();
    const auto sexes = [&] { return QStringList{cadreText(first, "xb"), cadreText(second, "xb")}; };
    struct Case {
        const char* birth;
        std::optional<int> choice;  // what the user chooses; nullopt: nobody is asked
        bool asked;
        QStringList sexes;  // of the first and the second cadre afterwards
    };
    const Case cases[] = {
        {"", std::nullopt, false, {"男", "男"}},        // refused
        {"", 0, true, {"男", "男"}},                    // asked, nobody chosen
        {"", 999999, true, {"男", "男"}},               // a cadre that is not one of them
        {"198003", std::nullopt, false, {"男", "女"}},  // the birth month tells them apart
        {"199001", -1, true, {"女", "女"}},             // no birth matches: the first is chosen
    };
    for (const Case& c : cases) {
        bool asked = false;
        LrmImportOptions options;
        if (c.choice) {
            options.chooseCadre = [&](const QList<LrmCandidate>& candidates) {
                asked = true;
                EXPECT_EQ(candidates.size(), 2);
                EXPECT_EQ(candidates.at(1).birthMonth, QStringLiteral("1980.03"));
                return *c.choice == -1 ? candidates.first().cadreId : *c.choice;
            };
        }
        const LrmRecord record =
            form(QStringLiteral("吴十"), {{kLrmSex, "女"}, {kLrmBirth, c.birth}});
        const Result<LrmImported> imported = importLrmRecord(dm, record, options, lists);
        EXPECT_EQ(asked, c.asked) << c.birth;
        EXPECT_EQ(imported.ok(), c.sexes != QStringList({"男", "男"})) << c.birth;
        if (!imported) {
            EXPECT_EQ(imported.errorText(), kLrmAmbiguousName);
        }
        EXPECT_EQ(sexes(), c.sexes) << c.birth;
        EXPECT_EQ(cadreCount(), count);
    }
    EXPECT_EQ(import(form(QString())).errorText(), kLrmNoName);
}

TEST_F(LrmImportTest, AFolderIsImportedFileByFileWithItsLog) {
    QTemporaryDir dir;
    const auto writeFile = [&](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    writeFile(QStringLiteral("a.lrm"), lrmBytes({"甲一", "男"}));
    writeFile(QStringLiteral("b.lrm"), QByteArray("\"乙二\",\"男"));
    writeFile(QStringLiteral("c.lrm"),
              lrmBytes({"丙三", "", "", "", "", "", "", "",     "",     "", "",       "", "",
                        "",     "", "", "", "", "", "", "父亲", "丙大", "", "火星人", ""}));
    writeFile(QStringLiteral("d.lrmx"), lrmxBytes({form(QStringLiteral("丁四")).values, {}}));
    // The import of c.lrm is undone when the step after it fails; nothing of it stays.
    const int count = cadreCount();
    const Result<LrmImportReport> report =
        importLrmFiles(dm, lrmFilesOfFolder(dir.path()), LrmImportOptions{}, dir.path(), {},
                       [](const LrmRecord& record, const LrmImported&) -> Result<QStringList> {
                           if (record.values.at(kLrmName) == QStringLiteral("甲一")) {
                               return Failure{QStringLiteral("后续步骤失败"), {}};
                           }
                           return QStringList();
                       });
    ASSERT_TRUE(report) << report.errorText();
    EXPECT_EQ(report->count, 2);
    EXPECT_EQ(cadreCount(), count + 2);
    const QString a = QDir::toNativeSeparators(dir.filePath(QStringLiteral("a.lrm")));
    EXPECT_EQ(report->log,
              QStringList({"文件：" + a + " 未导入;原因：后续步骤失败",
                           "文件：" + QDir::toNativeSeparators(dir.filePath("b.lrm")) +
                               " 未导入;原因：" + kLrmUnbalanced,
                           "文件：" + QDir::toNativeSeparators(dir.filePath("c.lrm")) +
                               " 已导入;干部：丙  三,政治面貌<火星人>不符合规范.",
                           "文件：" + QDir::toNativeSeparators(dir.filePath("d.lrmx")) +
                               " 已导入;干部：丁  四"}));
    EXPECT_EQ(report->imported, QStringList({"丁  四"}));
    EXPECT_EQ(report->notImported, QStringList({"a.lrm", "b.lrm", "丙  三"}));
    EXPECT_EQ(
        db().scalar(QStringLiteral("select count(*) from tb_cadre where xm='甲  一'"))->toInt(), 0);
    QFile log(dir.filePath(kLrmLogName));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(log.readAll()).split(u'\n');
    EXPECT_EQ(lines.mid(4, 8), QStringList({"", kLrmImportedHeading, "丁  四", "",
                                            kLrmNotImportedHeading, "a.lrm", "b.lrm", "丙  三"}));
}

// Files cut short, with bytes changed or quotes removed, in both formats, go through the import
// of a folder: every file gets exactly one log line, the import never stops, and a file that is
// not imported leaves no cadre behind.
TEST_F(LrmImportTest, DamagedFilesAreLoggedAndLeaveNothingBehind) {
    QTemporaryDir dir;
    const LrmRecord whole = lrmRecordOfCadre(db(), 1).value().value();
    const QByteArray lrm = lrmBytes(whole.values);
    const QByteArray lrmx = lrmxBytes(whole);
    QRandomGenerator random(20241211);
    QStringList files;
    for (int i = 0; i < 120; ++i) {
        const bool xml = i % 2 == 1;
        QByteArray bytes = xml ? lrmx : lrm;
        switch (i % 6) {
            case 0:
            case 1:
                bytes.truncate(random.bounded(static_cast<int>(bytes.size())));
                break;
            case 2:
            case 3:
                for (int n = 0; n < 8; ++n) {
                    bytes[random.bounded(static_cast<int>(bytes.size()))] =
                        static_cast<char>(random.bounded(256));
                }
                break;
            default:
                bytes.remove(bytes.indexOf('"', random.bounded(static_cast<int>(bytes.size()))), 1);
                bytes.replace("<", "");
        }
        const QString path = dir.filePath(QStringLiteral("%1.%2").arg(i).arg(xml ? "lrmx" : "lrm"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        files << path;
    }
    ASSERT_TRUE(db().exec(QStringLiteral("delete from tb_cadre where CadreID=1")));
    const int count = cadreCount();
    const Result<LrmImportReport> report =
        importLrmFiles(dm, files, LrmImportOptions{}, dir.path());
    ASSERT_TRUE(report) << report.errorText();
    ASSERT_EQ(report->log.size(), files.size());
    int refused = 0;
    for (const QString& line : report->log) {
        if (line.contains(QStringLiteral("未导入;原因："))) {
            ++refused;
            EXPECT_FALSE(line.section(QStringLiteral("原因："), 1).trimmed().isEmpty()) << line;
        }
    }
    EXPECT_GT(refused, 0);
    EXPECT_EQ(report->count + refused, files.size());
    // Every file imported either made a cadre or updated one made by an earlier file.
    EXPECT_LE(cadreCount() - count, report->count);
    EXPECT_EQ(report->count == 0, cadreCount() == count);
}

}  // namespace
